#include "PaginaGeracao.h"

#include "ControleVista.h"
#include "DicasJanela.h"
#include "FormatoNumero.h"
#include "GLPanel.h"
#include "ImagemGrafico.h"
#include "ModeloPopulacao.h"
#include "Reproducao.h"
#include "VistaPasso.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

TPaginaGeracao::TPaginaGeracao(const TControlesGeracao& controles)
    : QWidget(controles.PageControl1), Controles(controles), Abas(new QTabWidget(this)) {
    setObjectName(QStringLiteral("TabSheetGeracao"));
    Abas->setObjectName(QStringLiteral("AbasGeracao"));
    Dica(*Abas, QStringLiteral("A população da geração escolhida, ou o passo para a seguinte"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(Abas);
    Abas->setDocumentMode(true);
    Abas->addTab(CriaPopulacao(), QStringLiteral("População"));
    Abas->addTab(CriaPassos(), QStringLiteral("Passo a passo"));
    Abas->setCornerWidget(CriaExportacao());
    Abas->setTabToolTip(
        0, QStringLiteral("Cada indivíduo da geração escolhida; clique no título para ordenar"));
    Abas->setTabToolTip(
        1, QStringLiteral("Como a geração seguinte saiu desta, operação por operação"));
    connect(Abas, &QTabWidget::currentChanged, this, [this] { Marca(); });

    const int aba = Controles.PageControl1->addTab(this, QStringLiteral("Geração"));
    Controles.PageControl1->setTabToolTip(
        aba, QStringLiteral("A população da geração escolhida e o passo para a seguinte"));

    connect(Controles.Reproducao, &TReproducao::Recomecada, this, &TPaginaGeracao::Recomeca);
    connect(Controles.Reproducao, &TReproducao::Mostrou, this, &TPaginaGeracao::Escolhida);
    connect(Controles.Vista, &TControleVista::Apontado, this, &TPaginaGeracao::Apontado);
}

QToolButton* TPaginaGeracao::Botao(const QString& texto, const QString& dica) {
    auto* botao = new QToolButton;
    botao->setText(texto);
    botao->setAutoRaise(true);
    Dica(*botao, dica);
    return botao;
}

// "PNG…", "SVG…" and "Copiar" beside the sub-tabs, for the view the current one shows.
QWidget* TPaginaGeracao::CriaExportacao() {
    auto* barra = new QWidget;
    auto* linha = new QHBoxLayout(barra);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->setSpacing(0);
    QToolButton* png =
        Botao(QStringLiteral("PNG…"), QStringLiteral("Salva esta vista como imagem PNG"));
    QToolButton* svg =
        Botao(QStringLiteral("SVG…"), QStringLiteral("Salva esta vista como desenho SVG"));
    QToolButton* copia =
        Botao(QStringLiteral("Copiar"), QStringLiteral("Copia esta vista como imagem"));
    png->setObjectName(QStringLiteral("btGeracaoPng"));
    svg->setObjectName(QStringLiteral("btGeracaoSvg"));
    copia->setObjectName(QStringLiteral("btGeracaoCopiar"));
    linha->addWidget(png);
    linha->addWidget(svg);
    linha->addWidget(copia);
    const auto salva = [this](TFormatoImagem formato) {
        SalvaWidgetComo(*Controles.Janela, VistaAtual(),
                        (Abas->currentIndex() == 0 ? QStringLiteral("quivora-populacao-%1")
                                                   : QStringLiteral("quivora-passo-%1"))
                            .arg(Geracao),
                        formato);
    };
    connect(png, &QToolButton::clicked, this, [salva] { salva(TFormatoImagem::Png); });
    connect(svg, &QToolButton::clicked, this, [salva] { salva(TFormatoImagem::Svg); });
    connect(copia, &QToolButton::clicked, this,
            [this] { CopiaImagem(ImagemDoWidget(VistaAtual())); });
    return barra;
}

QWidget& TPaginaGeracao::VistaAtual() const {
    if (Abas->currentIndex() == 0)
        return *Tabela;
    return *VistaPasso;
}

QWidget* TPaginaGeracao::CriaPopulacao() {
    auto* pagina = new QWidget;
    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    Modelo = new TModeloPopulacao(this);
    Ordem = new QSortFilterProxyModel(this);
    Ordem->setSourceModel(Modelo);
    Ordem->setSortRole(Qt::UserRole);
    Tabela = new QTableView;
    Tabela->setObjectName(QStringLiteral("TabelaPopulacao"));
    Tabela->setModel(Ordem);
    Tabela->setSortingEnabled(true);
    Tabela->sortByColumn(0, Qt::AscendingOrder);
    Tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabela->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabela->verticalHeader()->hide();
    Tabela->verticalHeader()->setDefaultSectionSize(16);
    Tabela->setFont(QFont(QStringLiteral("monospace"), font().pointSize() - 1));
    Dica(*Tabela,
         QStringLiteral("Clique numa linha para marcar o indivíduo de branco na vista 3D"));
    connect(Tabela->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TPaginaGeracao::LinhaEscolhida);

    layout->addWidget(Tabela);
    return pagina;
}

QWidget* TPaginaGeracao::CriaPassos() {
    auto* pagina = new QWidget;
    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* barra = new QWidget;
    auto* linha = new QHBoxLayout(barra);
    linha->setContentsMargins(0, 0, 0, 0);
    Anterior = Botao(QStringLiteral("◀"),
                     QStringLiteral("Operação anterior do passo (seta para a esquerda)"));
    Anterior->setObjectName(QStringLiteral("btEtapaAnterior"));
    Proxima = Botao(QStringLiteral("▶"),
                    QStringLiteral("Operação seguinte do passo (seta para a direita)"));
    Proxima->setObjectName(QStringLiteral("btEtapaProxima"));
    RotuloEtapa = new QLabel;
    RotuloEtapa->setObjectName(QStringLiteral("RotuloEtapa"));
    Dica(*RotuloEtapa, QStringLiteral("A operação mostrada, de geração g para g + 1"));
    linha->addWidget(Anterior);
    linha->addWidget(RotuloEtapa);
    linha->addWidget(Proxima);
    linha->addStretch();
    connect(Anterior, &QToolButton::clicked, this,
            [this] { MostraEtapa(static_cast<int>(FEtapa) - 1); });
    connect(Proxima, &QToolButton::clicked, this,
            [this] { MostraEtapa(static_cast<int>(FEtapa) + 1); });

    Explicacao = new QLabel;
    Explicacao->setObjectName(QStringLiteral("ExplicacaoEtapa"));
    Explicacao->setWordWrap(true);
    Dica(*Explicacao, QStringLiteral("O que a operação faz, com os números deste passo"));

    VistaPasso = new TVistaPasso;
    VistaPasso->setObjectName(QStringLiteral("VistaPasso"));
    Dica(*VistaPasso,
         QStringLiteral("A operação desenhada; na vista 3D, pais azuis e filhos vermelhos"));
    VistaPasso->installEventFilter(this);
    Rolagem = new QScrollArea;
    Rolagem->setWidget(VistaPasso);
    Rolagem->setWidgetResizable(false);

    layout->addWidget(barra);
    layout->addWidget(Explicacao);
    layout->addWidget(Rolagem, 1);
    return pagina;
}

// A run starts: its live frames are drawn without this page's marks.
void TPaginaGeracao::Recomeca() {
    Geracao = -1;
    Modelo->Mostra(Config, nullptr, nullptr);
    FPasso.reset();
    Marcado = 0;
    Pendente = false;
    ColunasAjustadas = false;
    MostraPasso();
    Controles.Vista->Destaca({});
}

void TPaginaGeracao::Escolhida(int geracao) {
    Geracao = geracao;
    Pendente = !isVisible();
    if (Pendente)
        return;
    Atualiza();
    Marca(false);  // the replay draws the 3D view next
}

void TPaginaGeracao::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (std::exchange(Pendente, false))
        Atualiza();
    Marca();
}

// The marks belong to this page: they leave the 3D view with it.
void TPaginaGeracao::hideEvent(QHideEvent* evento) {
    QWidget::hideEvent(evento);
    if (Controles.Vista->Destaques().Vazio())
        return;
    Controles.Vista->Destaca({});
    Controles.GLPanel1->Redraw();
}

void TPaginaGeracao::Atualiza() {
    const TGeracoesGuardadas& geracoes = Controles.Reproducao->Geracoes();
    const TRegistroGeracao& registro = geracoes.Geracao(Geracao);
    const bool temProxima = Geracao + 1 < geracoes.Total();
    const TPassoRegistrado* proximo = temProxima ? &geracoes.Geracao(Geracao + 1).Passo : nullptr;
    Marcado = 0;
    Modelo->Mostra(Config, &registro.Populacao, proximo);
    // Fitted once a run: measuring every cell again at each pick would cost more than the
    // rest of the page.
    if (!ColunasAjustadas) {
        Tabela->resizeColumnsToContents();
        ColunasAjustadas = true;
    }
    if (proximo != nullptr)
        FPasso = MontaPasso(Config, registro.Populacao, *proximo);
    else
        FPasso.reset();
    MostraPasso();
}

void TPaginaGeracao::MostraEtapa(int etapa) {
    FEtapa = static_cast<TEtapa>(std::clamp(etapa, 0, NumEtapas - 1));
    MostraPasso();
    Marca();
}

void TPaginaGeracao::MostraPasso() {
    RotuloEtapa->setText(QString::fromUtf8(NomeEtapa(FEtapa)));
    Anterior->setEnabled(FEtapa != TEtapa::Selecao);
    Proxima->setEnabled(FEtapa != TEtapa::Substituicao);
    if (FPasso) {
        Explicacao->setText(QStringLiteral("Geração %1 → %2. ").arg(Geracao).arg(Geracao + 1) +
                            QString::fromStdString(ExplicaEtapa(FEtapa, *FPasso)));
        VistaPasso->Mostra(&*FPasso, FEtapa);
    } else {
        Explicacao->setText(Geracao < 0
                                ? QStringLiteral("Execute o AG para ver uma geração.")
                                : QStringLiteral("A geração %1 é a última: escolha uma anterior "
                                                 "para ver como a seguinte foi feita.")
                                      .arg(Geracao));
        VistaPasso->Mostra(nullptr, FEtapa);
    }
}

void TPaginaGeracao::LinhaEscolhida() {
    const QModelIndexList linhas = Tabela->selectionModel()->selectedRows();
    Marcado = linhas.isEmpty() ? 0 : Ordem->mapToSource(linhas.first()).row() + 1;
    Marca();
}

// The 3D view marks the row picked and, while the step shows, its parents and children.
void TPaginaGeracao::Marca(bool redesenha) {
    if (!isVisible() || Geracao < 0)
        return;
    TDestaques destaques;
    destaques.Marcado = Marcado;
    if (FPasso && Abas->currentIndex() == 1) {
        const TPopulacaoRegistrada& seguinte =
            Controles.Reproducao->Geracoes().Geracao(Geracao + 1).Populacao;
        TQuadroPopulacao quadro;
        MontaQuadroPopulacao(seguinte, seguinte.Paralelo, quadro);
        for (const TParMostrado& par : FPasso->Pares) {
            destaques.Pais.insert(destaques.Pais.end(), {par.Pai1, par.Pai2});
            if (Config.Paralelo)
                destaques.Pais.insert(destaques.Pais.end(), {par.Pai1Y, par.Pai2Y});
            for (const TFilhoMostrado& filho : par.Filhos) {
                const TIndividuoQuadro& ind =
                    quadro.Individuos[static_cast<std::size_t>(filho.Slot - 1)];
                destaques.Filhos.push_back(ind.Ponto);
                if (quadro.Paralelo)
                    destaques.Filhos.push_back(ind.PontoY);
            }
        }
    }
    if (destaques == Controles.Vista->Destaques())
        return;
    Controles.Vista->Destaca(destaques);
    if (redesenha)
        Controles.GLPanel1->Redraw();
}

// The individual under the mouse, named; its row picked when the table shows.
void TPaginaGeracao::Apontado(int slot, QPoint global) {
    if (slot == 0 || Geracao < 0) {
        QToolTip::hideText();
        return;
    }
    const TPopulacaoRegistrada& pop = Controles.Reproducao->Geracoes().Geracao(Geracao).Populacao;
    const TIndividuoRegistrado& ind = pop.Individuos[static_cast<std::size_t>(slot - 1)];
    QToolTip::showText(global,
                       QStringLiteral("Slot %1: (%2, %3), aptidão %4\n%5")
                           .arg(slot)
                           .arg(ind.X)
                           .arg(ind.Y)
                           .arg(QString::fromStdString(FormataReal(ind.Aptidao, Config.Separador)))
                           .arg(QString::fromStdString(TextoBits(ind.Genes, pop.TamCrom))));
    if (isVisible() && Abas->currentIndex() == 0) {
        const QModelIndex linha = Ordem->mapFromSource(Modelo->index(slot - 1, 0));
        Tabela->selectRow(linha.row());
        Tabela->scrollTo(linha);
    }
}

bool TPaginaGeracao::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(evento)->key()) {
            case Qt::Key_Left:
                MostraEtapa(static_cast<int>(FEtapa) - 1);
                return true;
            case Qt::Key_Right:
                MostraEtapa(static_cast<int>(FEtapa) + 1);
                return true;
            case Qt::Key_Home:
                MostraEtapa(0);
                return true;
            case Qt::Key_End:
                MostraEtapa(NumEtapas - 1);
                return true;
            default:
                break;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}
