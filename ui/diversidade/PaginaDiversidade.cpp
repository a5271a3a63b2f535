#include "PaginaDiversidade.h"

#include "DicasJanela.h"
#include "GraficoDiversidade.h"
#include "GraficoNoTamanho.h"
#include "ImagemGrafico.h"
#include "MapaCalor.h"
#include "Reproducao.h"
#include "TamanhoImagem.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* CriaBotao(QWidget& pai, const char* nome, const QString& texto, const QString& dica) {
    auto* botao = new QToolButton(&pai);
    botao->setObjectName(QString::fromLatin1(nome));
    botao->setText(texto);
    botao->setToolButtonStyle(Qt::ToolButtonTextOnly);
    botao->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Dica(*botao, dica);
    return botao;
}

const QString DicaAba =
    QStringLiteral("Frações de 1s, Hamming e distintos por geração; clique para rever uma");

}  // namespace

TPaginaDiversidade::TPaginaDiversidade(TReproducao& reproducao, QWidget* parent)
    : QWidget(parent),
      Reproducao(reproducao),
      Mapa(new TMapaCalor),
      Grafico(new TGraficoDiversidade),
      Vistas(new QStackedWidget(this)),
      btMapaCalor(
          CriaBotao(*this, "btMapaCalor", QStringLiteral("Bits"),
                    QStringLiteral("Mostra a fração de 1s em cada bit, geração a geração"))),
      btGraficoDiversidade(CriaBotao(
          *this, "btGraficoDiversidade", QStringLiteral("Gráfico"),
          QStringLiteral("Mostra o Hamming médio e os indivíduos distintos por geração"))),
      btImagemDiversidade(
          CriaBotao(*this, "btImagemDiversidade", QStringLiteral("Imagem"),
                    QStringLiteral("Salva a vista mostrada em PNG ou SVG, ou a copia"))) {
    setObjectName(QStringLiteral("TabDiversidade"));
    Mapa->setObjectName(QStringLiteral("MapaCalor"));
    Grafico->setObjectName(QStringLiteral("GraficoDiversidade"));
    Dica(*Mapa, QStringLiteral("Fração de 1s em cada bit, por geração; clique para rever uma"));
    Dica(*Grafico,
         QStringLiteral("Hamming médio e indivíduos distintos por geração; clique para rever uma"));
    Vistas->addWidget(Mapa);
    Vistas->addWidget(Grafico);

    auto* escolha = new QButtonGroup(this);
    for (QToolButton* b : {btMapaCalor, btGraficoDiversidade}) {
        b->setCheckable(true);
        escolha->addButton(b);
    }
    btMapaCalor->setChecked(true);
    connect(btMapaCalor, &QToolButton::toggled, this, [this](bool mapa) {
        Vistas->setCurrentWidget(mapa ? static_cast<QWidget*>(Mapa) : Grafico);
    });
    CriaMenuImagem();

    auto* botoes = new QVBoxLayout;
    botoes->addWidget(btMapaCalor);
    botoes->addWidget(btGraficoDiversidade);
    botoes->addStretch();
    botoes->addWidget(btImagemDiversidade);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(Vistas, 1);
    layout->addLayout(botoes);

    connect(&Reproducao, &TReproducao::Recomecada, this, &TPaginaDiversidade::Recomeca);
    connect(&Reproducao, &TReproducao::Mostrou, this, &TPaginaDiversidade::MostraGeracao);
    connect(Mapa, &TMapaCalor::Escolhida, &Reproducao, &TReproducao::Escolhe);
    connect(Grafico, &TGraficoDiversidade::Escolhida, &Reproducao, &TReproducao::Escolhe);
    // A click gives either view the keyboard, whose keys step as on the fitness chart.
    for (QWidget* vista : {static_cast<QWidget*>(Mapa), static_cast<QWidget*>(Grafico)}) {
        vista->setFocusPolicy(Qt::ClickFocus);
        vista->installEventFilter(&Reproducao);
    }
}

void TPaginaDiversidade::CriaMenuImagem() {
    auto* menu = new QMenu(btImagemDiversidade);
    QMenu* png = menu->addMenu(QStringLiteral("PNG"));
    png->menuAction()->setStatusTip(QStringLiteral("A vista em PNG, no tamanho escolhido"));
    AcrescentaTamanhos(*png, *window(), [this](QSize tamanho) {
        QWidget& vista = VistaMostrada();
        SalvaPngComo(*window(),
                     tamanho.isEmpty() ? ImagemDoWidget(vista) : ImagemNoTamanho(vista, tamanho),
                     NomeArquivo() + QStringLiteral(".png"));
    });
    QAction* svg = menu->addAction(QStringLiteral("SVG…"));
    svg->setStatusTip(QStringLiteral("A vista em SVG, que amplia sem perda"));
    connect(svg, &QAction::triggered, this, [this] {
        SalvaWidgetComo(*window(), VistaMostrada(), NomeArquivo(), TFormatoImagem::Svg);
    });
    QAction* copiar = menu->addAction(QStringLiteral("Copiar"));
    copiar->setStatusTip(QStringLiteral("Copia a vista mostrada para a área de transferência"));
    connect(copiar, &QAction::triggered, this,
            [this] { CopiaImagem(ImagemDoWidget(VistaMostrada())); });
    btImagemDiversidade->setMenu(menu);
    btImagemDiversidade->setPopupMode(QToolButton::InstantPopup);
    // The style draws a menu's arrow over the caption without making room for it.
    btImagemDiversidade->setMinimumWidth(btImagemDiversidade->sizeHint().width() + 8);
}

QWidget& TPaginaDiversidade::VistaMostrada() const {
    return *Vistas->currentWidget();
}

QString TPaginaDiversidade::NomeArquivo() const {
    return Vistas->currentWidget() == Mapa ? QStringLiteral("quivora-diversidade-bits")
                                           : QStringLiteral("quivora-diversidade-grafico");
}

// A new run: the last run's figures go, and the views are empty until it ends.
void TPaginaDiversidade::Recomeca() {
    Medidas.clear();
    Mapa->Mostra(Medidas);
    Grafico->Mostra(Medidas);
    Mapa->MostraCursor(-1);
    Grafico->MostraCursor(-1);
}

// Hidden, the page does nothing: it shows the replay's generation when shown.
void TPaginaDiversidade::MostraGeracao(int geracao) {
    if (!isVisible())
        return;
    Completa();
    Mapa->MostraCursor(geracao);
    Grafico->MostraCursor(geracao);
}

void TPaginaDiversidade::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    MostraGeracao(Reproducao.Escolhida());
}

// The figures of the generations kept since they were last worked out.
void TPaginaDiversidade::Completa() {
    const TGeracoesGuardadas& geracoes = Reproducao.Geracoes();
    if (static_cast<int>(Medidas.size()) >= geracoes.Total())
        return;
    for (int g = static_cast<int>(Medidas.size()); g < geracoes.Total(); ++g)
        Medidas.push_back(DiversidadeDe(geracoes.Geracao(g).Populacao));
    Mapa->Mostra(Medidas);
    Grafico->Mostra(Medidas);
}

void CriaPaginaDiversidade(QTabWidget& paginas, TReproducao& reproducao) {
    const int aba =
        paginas.addTab(new TPaginaDiversidade(reproducao, &paginas), QStringLiteral("Diversidade"));
    paginas.setTabToolTip(aba, DicaAba);
}
