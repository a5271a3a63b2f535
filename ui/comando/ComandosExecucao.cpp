#include "ComandosExecucao.h"

#include "ArquivoExecucao.h"
#include "JanelaComando.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>

#include <optional>

namespace {

const QString Extensao = QStringLiteral("quivora");

}  // namespace

TComandosExecucao::TComandosExecucao(QMenu& menu, QWidget& janela, std::string separador,
                                     TExecuta executa)
    : QObject(&menu), Janela(janela), Separador(std::move(separador)), Executa(std::move(executa)) {
    menu.addSeparator();
    const auto acao = [&](const char* nome, const QString& texto, const QString& dica,
                          void (TComandosExecucao::*faz)()) {
        QAction* a = menu.addAction(texto);
        a->setObjectName(QString::fromLatin1(nome));
        a->setStatusTip(dica);
        a->setToolTip(dica);
        connect(a, &QAction::triggered, this, faz);
        return a;
    };
    acao("acRepetirComando", QStringLiteral("Repetir comando…"),
         QStringLiteral("Põe no painel um comando de quivora-run e o executa com a semente dele"),
         &TComandosExecucao::RepeteComando);
    acSalvarExecucao = acao("acSalvarExecucao", QStringLiteral("Salvar execução…"),
                            QStringLiteral("Salva num arquivo o comando que repete a execução"),
                            &TComandosExecucao::SalvaExecucao);
    acSalvarExecucao->setEnabled(false);
    acao("acAbrirExecucao", QStringLiteral("Abrir execução…"),
         QStringLiteral("Abre uma execução salva e a executa de novo"),
         &TComandosExecucao::AbreExecucao);
}

void TComandosExecucao::Executada(const std::string& comando) {
    Ultimo = QString::fromStdString(comando);
    acSalvarExecucao->setEnabled(true);
}

void TComandosExecucao::RepeteComando() {
    std::optional<TComandoPainel> lido;
    TJanelaComando janela(
        Ultimo,
        [&](const QString& texto) {
            try {
                lido = LeComandoPainel(texto.trimmed().toStdString(), Separador);
            } catch (const EOpcaoInvalida& erro) {
                return QString::fromStdString(erro.what());
            }
            return QString();
        },
        &Janela);
    if (janela.exec() == QDialog::Accepted && lido)
        Executa(*lido);
}

void TComandosExecucao::SalvaExecucao() {
    const QString caminho = CaminhoEscolhido(true);
    if (caminho.isEmpty())
        return;
    QString erro;
    if (!GravaExecucao(caminho, Ultimo, erro))
        Avisa(QStringLiteral("Salvar execução"), QStringLiteral("Não foi possível gravar %1: %2")
                                                     .arg(QDir::toNativeSeparators(caminho), erro));
}

void TComandosExecucao::AbreExecucao() {
    const QString caminho = CaminhoEscolhido(false);
    if (caminho.isEmpty())
        return;
    QString erro;
    const QString comando = LeExecucao(caminho, erro);
    const QString titulo = QStringLiteral("Abrir execução");
    if (comando.isEmpty()) {
        Avisa(titulo, QStringLiteral("Não foi possível abrir %1: %2")
                          .arg(QDir::toNativeSeparators(caminho), erro));
        return;
    }
    try {
        Executa(LeComandoPainel(comando.toStdString(), Separador));
    } catch (const EOpcaoInvalida& recusa) {
        Avisa(titulo, QString::fromStdString(recusa.what()));
    }
}

// The file chosen in the program's own file dialog, in the documents folder at first.
QString TComandosExecucao::CaminhoEscolhido(bool salvar) const {
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (pasta.isEmpty() || !QDir(pasta).exists())
        pasta = QDir::homePath();
    QFileDialog dialogo(
        &Janela, salvar ? QStringLiteral("Salvar execução") : QStringLiteral("Abrir execução"),
        salvar ? QDir(pasta).filePath(QStringLiteral("execucao.quivora")) : pasta,
        QStringLiteral("Execução do Quivora (*.quivora)"));
    dialogo.setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialogo.setDefaultSuffix(Extensao);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return dialogo.selectedFiles().constFirst();
}

void TComandosExecucao::Avisa(const QString& titulo, const QString& texto) const {
    QMessageBox::warning(&Janela, titulo, texto);
}
