#include "BarraReproducao.h"

#include "JanelaVideo.h"
#include "TamanhoImagem.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>

namespace {

constexpr int LarguraSeta = 24;  // a list's arrow button and margins, in the window's style
// Room kept left of the controls for the hints, the longest of which (about 70 characters
// at the window's 11-pixel font) take some 350 pixels, and for the status line's margins.
constexpr int EspacoDicas = 420;
const QString Separador = QStringLiteral(" · ");

// A command prompt, for "Copiar comando" without its caption.
QIcon IconeComando(qreal escala) {
    QPixmap figura(QSize(14, 14) * escala);
    figura.setDevicePixelRatio(escala);
    figura.fill(Qt::transparent);
    QPainter pintor(&figura);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QColor(40, 40, 40));
    pintor.setBrush(QColor(40, 40, 40));
    pintor.drawRoundedRect(QRectF(0.5, 1.5, 13, 11), 2, 2);
    pintor.setPen(QPen(QColor(120, 255, 120), 1.5));
    pintor.drawPolyline(QPolygonF({{3, 4.5}, {6, 7}, {3, 9.5}}));
    pintor.drawLine(QPointF(7.5, 10), QPointF(11, 10));
    return QIcon(figura);
}

}  // namespace

TRotuloElidido::TRotuloElidido(QWidget* parent) : QLabel(parent) {}

void TRotuloElidido::DefineTexto(const QString& primeira, const QString& segunda) {
    Primeira = primeira;
    Segunda = segunda;
    Completo = primeira.isEmpty() || segunda.isEmpty() ? primeira + segunda
                                                       : primeira + Separador + segunda;
    setToolTip(Completo);
    Elide();
}

QSize TRotuloElidido::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void TRotuloElidido::resizeEvent(QResizeEvent* evento) {
    QLabel::resizeEvent(evento);
    Elide();
}

void TRotuloElidido::Elide() {
    const QFontMetrics medida = fontMetrics();
    const int largura = contentsRect().width();
    if (Primeira.isEmpty() || Segunda.isEmpty() || medida.horizontalAdvance(Completo) <= largura) {
        setText(medida.elidedText(Completo, Qt::ElideRight, largura));
        return;
    }
    const QString fim = Separador + Segunda;
    const QString inicio =
        medida.elidedText(Primeira, Qt::ElideRight, largura - medida.horizontalAdvance(fim));
    setText(inicio.isEmpty() ? medida.elidedText(Segunda, Qt::ElideRight, largura) : inicio + fim);
}

TBarraReproducao::TBarraReproducao(QStatusBar& linha)
    : QObject(&linha), Linha(linha), Texto(new TRotuloElidido), Controles(new QWidget) {
    Texto->setObjectName(QStringLiteral("TextoReproducao"));
    linha.addWidget(Texto, 1);
    // The controls sit close together, leaving the text all the width they can; as
    // permanent widgets they stay on show under the status line's message.
    auto* fila = new QHBoxLayout(Controles);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->setSpacing(2);
    linha.addPermanentWidget(Controles);
    linha.installEventFilter(this);

    btPrimeira = Botao("btPrimeira", QStringLiteral("Geração 0, a população inicial (Home)"));
    btPrimeira->setIcon(linha.style()->standardIcon(QStyle::SP_MediaSkipBackward));
    btAnterior = Botao("btAnterior", QStringLiteral("Geração anterior (←; PgUp: 10)"));
    btAnterior->setIcon(linha.style()->standardIcon(QStyle::SP_MediaSeekBackward));
    btTocar = Botao("btTocar", QStringLiteral("Reproduz até a última geração (Espaço)"));
    btProxima = Botao("btProxima", QStringLiteral("Próxima geração (→; PgDn: 10)"));
    btProxima->setIcon(linha.style()->standardIcon(QStyle::SP_MediaSeekForward));
    btUltima = Botao("btUltima", QStringLiteral("Última geração da execução (End)"));
    btUltima->setIcon(linha.style()->standardIcon(QStyle::SP_MediaSkipForward));
    MostraTocando(false);
    connect(btPrimeira, &QToolButton::clicked, this, &TBarraReproducao::Primeira);
    connect(btAnterior, &QToolButton::clicked, this, &TBarraReproducao::Anterior);
    connect(btTocar, &QToolButton::clicked, this, &TBarraReproducao::TocaOuPausa);
    connect(btProxima, &QToolButton::clicked, this, &TBarraReproducao::Proxima);
    connect(btUltima, &QToolButton::clicked, this, &TBarraReproducao::Ultima);

    pcRitmo = new QComboBox;
    pcRitmo->setObjectName(QStringLiteral("pcRitmo"));
    for (const int ritmo : Ritmos)
        pcRitmo->addItem(QStringLiteral("%1 ger/s").arg(ritmo), ritmo);
    pcRitmo->setCurrentIndex(pcRitmo->findData(RitmoInicial));
    pcRitmo->setFixedWidth(pcRitmo->fontMetrics().horizontalAdvance(QStringLiteral("25 ger/s")) +
                           LarguraSeta);
    pcRitmo->setStatusTip(QStringLiteral("Gerações por segundo ao reproduzir"));
    pcRitmo->setToolTip(pcRitmo->statusTip());
    connect(pcRitmo, &QComboBox::currentIndexChanged, this,
            [this] { emit RitmoEscolhido(pcRitmo->currentData().toInt()); });
    Controles->layout()->addWidget(pcRitmo);

    // As wide as the widest position, so that the controls stay put while it changes.
    Posicao = new QLabel;
    Posicao->setObjectName(QStringLiteral("PosicaoReproducao"));
    Posicao->setStatusTip(QStringLiteral("Geração mostrada e última da execução"));
    Posicao->setToolTip(Posicao->statusTip());
    Posicao->setAlignment(Qt::AlignCenter);
    Posicao->setMinimumWidth(
        Posicao->fontMetrics().horizontalAdvance(QStringLiteral("Geração 1000 de 1000")) + 4);
    Controles->layout()->addWidget(Posicao);

    btCopiarComando = BotaoComLegenda("btCopiarComando", QStringLiteral("Copiar comando"),
                                      IconeComando(linha.devicePixelRatioF()),
                                      QStringLiteral("Copia o comando que repete a execução"));
    connect(btCopiarComando, &QToolButton::clicked, this, &TBarraReproducao::CopiaComando);
    CriaMenuImagens();
    CriaAcaoVideo();
    Limpa();
}

QToolButton* TBarraReproducao::BotaoComLegenda(const char* nome, const QString& legenda,
                                               const QIcon& icone, const QString& dica) {
    QToolButton* botao = Botao(nome, dica);
    botao->setText(legenda);
    botao->setIcon(icone);
    botao->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return botao;
}

QToolButton* TBarraReproducao::Botao(const char* nome, const QString& dica) {
    auto* botao = new QToolButton;
    botao->setObjectName(QString::fromLatin1(nome));
    botao->setAutoRaise(true);
    botao->setIconSize({14, 14});
    botao->setStatusTip(dica);
    botao->setToolTip(dica);
    Controles->layout()->addWidget(botao);
    return botao;
}

void TBarraReproducao::CriaMenuImagens() {
    btSalvarImagem = BotaoComLegenda("btSalvarImagem", QStringLiteral("Salvar imagem…"),
                                     Linha.style()->standardIcon(QStyle::SP_DialogSaveButton),
                                     QStringLiteral("Salva imagens, o vídeo ou a execução"));
    btSalvarImagem->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(btSalvarImagem);
    const auto acao = [&](const QString& texto, const QString& dica,
                          void (TBarraReproducao::*sinal)()) {
        QAction* a = menu->addAction(texto);
        a->setStatusTip(dica);
        connect(a, &QAction::triggered, this, sinal);
    };
    // The PNGs at the view's own size or drawn again at a larger one.
    const auto tamanhos = [&](const QString& texto, const QString& dica,
                              void (TBarraReproducao::*sinal)(QSize)) {
        QMenu* submenu = menu->addMenu(texto);
        submenu->menuAction()->setStatusTip(dica);
        AcrescentaTamanhos(*submenu, *Linha.window(),
                           [this, sinal](QSize tamanho) { emit(this->*sinal)(tamanho); });
    };
    tamanhos(QStringLiteral("Vista 3D em PNG"),
             QStringLiteral("A vista 3D em PNG, no tamanho escolhido"),
             &TBarraReproducao::SalvaVista);
    tamanhos(QStringLiteral("Gráfico em PNG"),
             QStringLiteral("O gráfico em PNG, no tamanho escolhido"),
             &TBarraReproducao::SalvaGraficoPng);
    acao(QStringLiteral("Gráfico em SVG…"),
         QStringLiteral("O gráfico em SVG, que amplia sem perda"),
         &TBarraReproducao::SalvaGraficoSvg);
    menu->addSeparator();
    acao(QStringLiteral("Copiar vista 3D"), QStringLiteral("A vista 3D na área de transferência"),
         &TBarraReproducao::CopiaVista);
    acao(QStringLiteral("Copiar gráfico"), QStringLiteral("O gráfico na área de transferência"),
         &TBarraReproducao::CopiaGrafico);
    btSalvarImagem->setMenu(menu);
}

// The width the controls take with their captions is measured once, when the status line
// first lays them out with them.
void TBarraReproducao::AjustaLegendas() {
    if (LarguraComLegendas == 0)
        LarguraComLegendas = Controles->sizeHint().width();
    const Qt::ToolButtonStyle estilo = Linha.width() - LarguraComLegendas >= EspacoDicas
                                           ? Qt::ToolButtonTextOnly
                                           : Qt::ToolButtonIconOnly;
    for (QToolButton* botao : {btCopiarComando, btSalvarImagem}) {
        botao->setToolButtonStyle(estilo);
        // The style draws a menu's arrow over the caption without making room for it.
        if (botao->menu())
            botao->setFixedWidth(botao->sizeHint().width() + 8);
    }
}

bool TBarraReproducao::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::Resize)
        AjustaLegendas();
    return QObject::eventFilter(objeto, evento);
}

// Last in the pictures' menu, which costs the status line no width; without any movie format
// in this build it stays disabled, its hint saying why.
void TBarraReproducao::CriaAcaoVideo() {
    const QString motivo = MotivoSemVideo();
    VideoPossivel = motivo.isEmpty();
    QMenu& menu = *btSalvarImagem->menu();
    menu.addSeparator();
    acExportarVideo = menu.addAction(QStringLiteral("Exportar vídeo…"));
    acExportarVideo->setObjectName(QStringLiteral("acExportarVideo"));
    acExportarVideo->setStatusTip(
        VideoPossivel ? QStringLiteral("A execução em vídeo MP4 ou GIF animado") : motivo);
    // A disabled action shows no tip in its menu: the reason goes in the tooltip too.
    acExportarVideo->setToolTip(acExportarVideo->statusTip());
    menu.setToolTipsVisible(true);
    connect(acExportarVideo, &QAction::triggered, this, &TBarraReproducao::ExportaVideo);
}

QMenu& TBarraReproducao::MenuImagens() const {
    return *btSalvarImagem->menu();
}

void TBarraReproducao::Limpa() {
    for (QWidget* controle : std::initializer_list<QWidget*>{btPrimeira, btAnterior, btTocar,
                                                             btProxima, btUltima, btCopiarComando})
        controle->setEnabled(false);
    acExportarVideo->setEnabled(false);
    Posicao->clear();
    Texto->DefineTexto({}, {});
    MostraTocando(false);
}

void TBarraReproducao::MostraPosicao(int geracao, int ultima) {
    btPrimeira->setEnabled(geracao > 0);
    btAnterior->setEnabled(geracao > 0);
    btTocar->setEnabled(true);
    btProxima->setEnabled(geracao < ultima);
    btUltima->setEnabled(geracao < ultima);
    btCopiarComando->setEnabled(true);
    acExportarVideo->setEnabled(VideoPossivel);
    Posicao->setText(QStringLiteral("Geração %1 de %2").arg(geracao).arg(ultima));
}

void TBarraReproducao::MostraTexto(const QString& geracao, const QString& fim) {
    Texto->DefineTexto(geracao, fim);
}

void TBarraReproducao::MostraTocando(bool tocando) {
    btTocar->setIcon(
        Linha.style()->standardIcon(tocando ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

void TBarraReproducao::AvisaCopia(const QString& comando) {
    QToolTip::showText(btCopiarComando->mapToGlobal(QPoint(0, 0)),
                       QStringLiteral("Copiado: ") + comando, btCopiarComando);
}
