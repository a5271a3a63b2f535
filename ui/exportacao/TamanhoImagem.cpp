#include "TamanhoImagem.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int AlturaReferencia = 300;  // the 3D view's designed height
constexpr int LadoMinimo = 16;

// The last size typed, offered again by the next dialog.
QSize UltimoDigitado(1600, 900);

QSpinBox* Lado(QWidget& pai, int valor, bool par, const QString& dica) {
    auto* lado = new QSpinBox(&pai);
    lado->setRange(LadoMinimo, LadoMaximo);
    lado->setSingleStep(par ? 2 : 1);
    lado->setSuffix(QStringLiteral(" px"));
    lado->setValue(valor);
    lado->setStatusTip(dica);
    lado->setToolTip(dica);
    return lado;
}

}  // namespace

const QList<QSize>& TamanhosPadrao() {
    static const QList<QSize> tamanhos{{1280, 720}, {1920, 1080}, {3840, 2160}};
    return tamanhos;
}

QString TextoTamanho(QSize tamanho) {
    return QStringLiteral("%1 × %2").arg(tamanho.width()).arg(tamanho.height());
}

qreal EscalaImagem(QSize pixels) {
    return std::max(1.0, pixels.height() / static_cast<qreal>(AlturaReferencia));
}

QSize PedeTamanho(QWidget& janela, QSize inicial, bool par) {
    QDialog dialogo(&janela);
    dialogo.setWindowTitle(QStringLiteral("Outro tamanho"));
    auto* largura = Lado(dialogo, inicial.width(), par, QStringLiteral("Largura da imagem"));
    auto* altura = Lado(dialogo, inicial.height(), par, QStringLiteral("Altura da imagem"));
    largura->setObjectName(QStringLiteral("pcLargura"));
    altura->setObjectName(QStringLiteral("pcAltura"));
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(botoes, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(botoes, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    auto* fila = new QHBoxLayout;
    fila->addWidget(largura);
    fila->addWidget(new QLabel(QStringLiteral("×")));
    fila->addWidget(altura);
    auto* coluna = new QVBoxLayout(&dialogo);
    coluna->addLayout(fila);
    if (par)
        coluna->addWidget(new QLabel(QStringLiteral("Vídeos MP4 pedem lados pares")));
    coluna->addWidget(botoes);
    if (dialogo.exec() != QDialog::Accepted)
        return {};
    // A typed odd side goes up to the next even one.
    const auto ajusta = [par](int lado) { return par ? lado + lado % 2 : lado; };
    return {ajusta(largura->value()), ajusta(altura->value())};
}

void AcrescentaTamanhos(QMenu& menu, QWidget& janela, const std::function<void(QSize)>& escolhido) {
    QAction* vista = menu.addAction(QStringLiteral("Como na tela"));
    vista->setStatusTip(QStringLiteral("No tamanho e na escala da tela"));
    QObject::connect(vista, &QAction::triggered, &menu, [escolhido] { escolhido({}); });
    for (const QSize tamanho : TamanhosPadrao()) {
        QAction* a = menu.addAction(TextoTamanho(tamanho));
        a->setStatusTip(QStringLiteral("Desenhada de novo em %1").arg(TextoTamanho(tamanho)));
        QObject::connect(a, &QAction::triggered, &menu,
                         [escolhido, tamanho] { escolhido(tamanho); });
    }
    QAction* outro = menu.addAction(QStringLiteral("Outro tamanho…"));
    outro->setStatusTip(QStringLiteral("Largura e altura à sua escolha"));
    QObject::connect(outro, &QAction::triggered, &menu, [&janela, escolhido] {
        const QSize tamanho = PedeTamanho(janela, UltimoDigitado, false);
        if (tamanho.isEmpty())
            return;
        UltimoDigitado = tamanho;
        escolhido(tamanho);
    });
}
