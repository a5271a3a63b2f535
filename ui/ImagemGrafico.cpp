#include "ImagemGrafico.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QWidget>

namespace {

// QSaveFile writes to a temporary file and renames it over the target only on commit.
bool Conclui(QSaveFile& arquivo, bool escreveu, QString& erro) {
    if (escreveu && arquivo.commit())
        return true;
    erro = arquivo.errorString();
    arquivo.cancelWriting();
    return false;
}

}  // namespace

QImage ImagemDoWidget(QWidget& widget) {
    return widget.grab().toImage();
}

bool GravaPng(const QImage& imagem, const QString& caminho, QString& erro) {
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly)) {
        erro = arquivo.errorString();
        return false;
    }
    return Conclui(arquivo, imagem.save(&arquivo, "PNG"), erro);
}

bool GravaSvg(QWidget& widget, const QString& caminho, const QString& titulo, QString& erro) {
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly)) {
        erro = arquivo.errorString();
        return false;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&arquivo);
    // Sized at 96 dots per inch, as the window is designed and as SVG readers count pixels.
    svg.setResolution(96);
    svg.setSize(widget.size());
    svg.setViewBox(widget.rect());
    svg.setTitle(titulo);
    QPainter pintor(&svg);
    widget.render(&pintor);
    pintor.end();
    return Conclui(arquivo, arquivo.error() == QFileDevice::NoError, erro);
}

void CopiaImagem(const QImage& imagem) {
    QApplication::clipboard()->setImage(imagem);
}

void SalvaImagemComo(QWidget& janela, const QString& nome, TFormatoImagem formato,
                     const std::function<bool(const QString&, QString&)>& grava) {
    const bool png = formato == TFormatoImagem::Png;
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pasta.isEmpty() || !QDir(pasta).exists())
        pasta = QDir::homePath();
    QFileDialog dialogo(
        &janela, QStringLiteral("Salvar imagem"), QDir(pasta).filePath(nome),
        png ? QStringLiteral("Imagem PNG (*.png)") : QStringLiteral("Desenho SVG (*.svg)"));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(png ? QStringLiteral("png") : QStringLiteral("svg"));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return;
    const QString caminho = dialogo.selectedFiles().constFirst();
    QString erro;
    if (!grava(caminho, erro))
        QMessageBox::warning(&janela, QStringLiteral("Salvar imagem"),
                             QStringLiteral("Não foi possível gravar %1: %2")
                                 .arg(QDir::toNativeSeparators(caminho), erro));
}

void SalvaWidgetComo(QWidget& janela, QWidget& widget, const QString& nome,
                     TFormatoImagem formato) {
    if (formato == TFormatoImagem::Svg) {
        SalvaImagemComo(janela, nome + QStringLiteral(".svg"), formato,
                        [&](const QString& caminho, QString& erro) {
                            return GravaSvg(widget, caminho, QStringLiteral("Quivora"), erro);
                        });
        return;
    }
    // Taken before the dialog opens, so that the picture is the one the user chose to save.
    SalvaPngComo(janela, ImagemDoWidget(widget), nome + QStringLiteral(".png"));
}

void SalvaPngComo(QWidget& janela, const QImage& imagem, const QString& nome) {
    SalvaImagemComo(janela, nome, TFormatoImagem::Png, [&](const QString& caminho, QString& erro) {
        return GravaPng(imagem, caminho, erro);
    });
}
