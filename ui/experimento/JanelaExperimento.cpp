#include "JanelaExperimento.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr QSize TamanhoInicial(960, 640);
// The chart takes this many parts of the height to the table's one.
constexpr int PartesGrafico = 3;

}  // namespace

TJanelaExperimento::TJanelaExperimento(const std::string& separador, QWidget* parent)
    : QDialog(parent),
      Separador(separador),
      cbVista(new QComboBox(this)),
      GraficoAmpliado(new TGraficoExperimento(this)),
      ResumoAmpliado(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("JanelaExperimento"));
    setWindowTitle(QStringLiteral("Experimento – Quivora"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    resize(TamanhoInicial);

    cbVista->setObjectName(QStringLiteral("cbVista"));
    for (const TVistaExperimento vista : VistasExperimento)
        cbVista->addItem(NomeVista(vista));
    GraficoAmpliado->setObjectName(QStringLiteral("GraficoAmpliado"));
    GraficoAmpliado->MostraTitulosEixos(true);
    ResumoAmpliado->setObjectName(QStringLiteral("ResumoAmpliado"));
    ConfiguraTabelaExperimento(*ResumoAmpliado, Separador);
    auto* salvar = new QPushButton(QStringLiteral("Salvar imagem…"), this);
    salvar->setObjectName(QStringLiteral("btSalvarImagem"));
    salvar->setAutoDefault(false);
    auto* menuImagem = new QMenu(salvar);
    GraficoAmpliado->AcrescentaAcoesImagem(*menuImagem);
    salvar->setMenu(menuImagem);
    auto* fechar = new QPushButton(QStringLiteral("Fechar"), this);
    fechar->setObjectName(QStringLiteral("btFechar"));
    fechar->setAutoDefault(false);

    auto* escolha = new QHBoxLayout;
    auto* rotulo = new QLabel(QStringLiteral("Vista"), this);
    rotulo->setBuddy(cbVista);
    escolha->addWidget(rotulo);
    escolha->addWidget(cbVista);
    escolha->addStretch();
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(salvar);
    botoes->addWidget(fechar);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(escolha);
    coluna->addWidget(GraficoAmpliado, PartesGrafico);
    coluna->addWidget(ResumoAmpliado, 1);
    coluna->addLayout(botoes);

    connect(cbVista, &QComboBox::activated, this,
            [this](int i) { GraficoAmpliado->MostraVista(VistasExperimento[i]); });
    connect(GraficoAmpliado, &TGraficoExperimento::VistaMudou, this,
            [this](TVistaExperimento vista) { cbVista->setCurrentIndex(static_cast<int>(vista)); });
    connect(fechar, &QPushButton::clicked, this, &QDialog::close);
}

void TJanelaExperimento::Mostra(const std::vector<TExperimentoNoGrafico>& experimentos,
                                const std::vector<TLinhaTabelaExperimento>& linhas) {
    GraficoAmpliado->Mostra(experimentos);
    PreencheTabelaExperimento(*ResumoAmpliado, linhas, Separador);
}

void TJanelaExperimento::Abre(TVistaExperimento vista) {
    GraficoAmpliado->MostraVista(vista);
    show();
    raise();
    activateWindow();
}
