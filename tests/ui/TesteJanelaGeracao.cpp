// The page "Geração" on the real window: the step it shows makes, from generation g's record,
// the very children the run put into generation g + 1 (so its roulette, cuts, mutated bits and
// slots are the run's), the keys walk the step's operations, and a row picked in the table is
// the individual the 3D view marks, whose point the mouse names back.

#include "AjudaJanela.h"
#include "ControleVista.h"
#include "GLPanel.h"
#include "MainForm.h"
#include "PaginaGeracao.h"
#include "PontoNaTela.h"
#include "Reproducao.h"
#include "TraducaoQt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <memory>

class TesteJanelaGeracao : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstalaTraducaoQt(*QCoreApplication::instance()); }
    void cleanup() { Janela.reset(); }

    void passoRefazAGeracaoSeguinte_data();
    void passoRefazAGeracaoSeguinte();
    void linhaDaTabelaEPontoDaVistaSaoOMesmo();
    void torneioContaVitoriasTaxaZeroAindaMuta();
    void cadaControleTemDica();

private:
    void Abre();
    TPaginaGeracao& Pagina() const { return *Controle<TPaginaGeracao>(*Janela, "TabSheetGeracao"); }
    std::unique_ptr<TMainForm> Janela;
};

void TesteJanelaGeracao::Abre() {
    Janela = std::make_unique<TMainForm>([] { return 4242u; });
    Janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(Janela.get()));
    auto& abas = *Controle<QTabWidget>(*Janela, "PageControl1");
    abas.setCurrentWidget(&Pagina());
}

void TesteJanelaGeracao::passoRefazAGeracaoSeguinte_data() {
    QTest::addColumn<QString>("selecao");
    QTest::addColumn<QString>("cruzamento");
    QTest::addColumn<QString>("mutacao");
    QTest::addColumn<bool>("paralelo");
    QTest::newRow("roleta, 1 ponto, flip") << "Roleta"
                                           << "1 ponto"
                                           << "Flip" << false;
    // Elitism rewrites slot 1, which the next step reads as the elite.
    QTest::newRow("torneio, 2 pontos, paralelo") << "Torneio"
                                                 << "2 pontos"
                                                 << "Flip" << true;
    QTest::newRow("roleta, uniforme, inversão, paralelo") << "Roleta"
                                                          << "Uniforme"
                                                          << "Inversão" << true;
}

void TesteJanelaGeracao::passoRefazAGeracaoSeguinte() {
    QFETCH(QString, selecao);
    QFETCH(QString, cruzamento);
    QFETCH(QString, mutacao);
    QFETCH(bool, paralelo);
    Abre();
    EscolheItem(*Controle<QComboBox>(*Janela, "pcTipoSel"), selecao);
    EscolheItem(*Controle<QComboBox>(*Janela, "pcTipoCruz"), cruzamento);
    EscolheItem(*Controle<QComboBox>(*Janela, "pcTipoMut"), mutacao);
    EscolheItem(*Controle<QComboBox>(*Janela, "pcCritParada"), QStringLiteral("n Gerações"));
    PARA_SE_FALHOU();
    if (paralelo)
        QTest::mouseClick(Controle<QCheckBox>(*Janela, "pcTipoAG"), Qt::LeftButton);
    QTest::mouseClick(Controle<QCheckBox>(*Janela, "pcElite"), Qt::LeftButton);
    QTest::mouseClick(Controle<QToolButton>(*Janela, "SpeedButton5"), Qt::LeftButton);

    const TGeracoesGuardadas& geracoes = Janela->Reproducao().Geracoes();
    for (const int g : {0, 7}) {
        Janela->Reproducao().Escolhe(g);
        QVERIFY(Pagina().Passo().has_value());
        const TPassoMostrado& passo = *Pagina().Passo();
        const TPopulacaoRegistrada& antes = geracoes.Geracao(g).Populacao;
        const TPopulacaoRegistrada& depois = geracoes.Geracao(g + 1).Populacao;

        // Each roulette draw lands in the slice of the slot it chose.
        double inicio = 0;
        for (std::size_t s = 0; s < passo.Fatias.size(); ++s) {
            for (const TEscolhaMostrada& e : passo.Escolhas)
                if (!e.DaY && e.Slot == static_cast<int>(s) + 1 && selecao == "Roleta")
                    QVERIFY(e.Ponto >= inicio - 1e-12 &&
                            e.Ponto < inicio + passo.Fatias[s] + 1e-12);
            inicio += passo.Fatias[s];
        }
        QVERIFY(std::abs(inicio - 1) < 1e-9);

        // Every child, crossed from the parents shown and mutated at the bits shown, is the
        // individual the run scored in the slot shown (slot 1 goes to the elite).
        int filhos = 0;
        for (const TParMostrado& par : passo.Pares)
            for (const TFilhoMostrado& f : par.Filhos) {
                if (passo.EliteNoSlot1 && f.Slot == 1)
                    continue;
                const TPosicoes& genes = depois.Individuos[f.Slot - 1u].Genes;
                for (int b = 1; b <= antes.TamCrom; ++b)
                    QCOMPARE(f.Mutado[b - 1u], genes.Tem(b) ? 1 : 0);
                ++filhos;
            }
        QVERIFY(filhos >= 28);
    }

    // The keys walk the operations and stop at the last.
    auto& vista = *Controle<QWidget>(*Janela, "VistaPasso");
    vista.setFocus();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(&vista, Qt::Key_Right);
    QCOMPARE(Pagina().Etapa(), TEtapa::Substituicao);
    QTest::keyClick(&vista, Qt::Key_Left);
    QCOMPARE(Pagina().Etapa(), TEtapa::Mutacao);
}

void TesteJanelaGeracao::linhaDaTabelaEPontoDaVistaSaoOMesmo() {
    Abre();
    QTest::mouseClick(Controle<QToolButton>(*Janela, "SpeedButton5"), Qt::LeftButton);
    auto& tabela = *Controle<QTableView>(*Janela, "TabelaPopulacao");
    // Sorted by fitness, best first: the row shown first is no longer slot 1.
    QTest::mouseClick(tabela.horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(tabela.horizontalHeader()->sectionViewportPosition(5) + 5, 5));
    QTest::mouseClick(tabela.horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(tabela.horizontalHeader()->sectionViewportPosition(5) + 5, 5));
    const int linha = 3;
    QTest::mouseClick(tabela.viewport(), Qt::LeftButton, {},
                      tabela.visualRect(tabela.model()->index(linha, 1)).center());
    const int slot = tabela.model()->index(linha, 0).data().toInt();
    const TControleVista& vista = Janela->ControleVista();
    QCOMPARE(vista.Destaques().Marcado, slot);
    const TIndividuoQuadro& marcado = Janela->QuadroDesenhado().Individuos[slot - 1u];
    QCOMPARE(static_cast<int>(marcado.Ponto.X), tabela.model()->index(linha, 3).data().toInt());
    QCOMPARE(static_cast<int>(marcado.Ponto.Y), tabela.model()->index(linha, 4).data().toInt());

    // The mouse over that individual's point picks a row whose point lies under it.
    tabela.clearSelection();
    auto& painel = *Controle<TGLPanel>(*Janela, "GLPanel1");
    const QPointF ponto = PontoNaTela(vista.Navegacao().Vista, painel.size(), marcado.Ponto);
    QTest::mouseMove(painel.JanelaNativa(), ponto.toPoint());
    QTRY_COMPARE(tabela.selectionModel()->selectedRows().size(), 1);
    const int apontado = tabela.selectionModel()->selectedRows().first().data().toInt();
    const QPointF dele = PontoNaTela(vista.Navegacao().Vista, painel.size(),
                                     Janela->QuadroDesenhado().Individuos[apontado - 1u].Ponto);
    QVERIFY(QLineF(dele, ponto).length() <= 7);
}

// 30 individuals crossed at 100 % make 15 pairs: 30 tournaments won in all. At 0 % the
// mutation still hits, and the step says so.
void TesteJanelaGeracao::torneioContaVitoriasTaxaZeroAindaMuta() {
    Abre();
    EscolheItem(*Controle<QComboBox>(*Janela, "pcTipoSel"), QStringLiteral("Torneio"));
    auto& taxa = *Controle<QSpinBox>(*Janela, "pcTaxaMut");
    while (taxa.value() > 0)
        ClicaSeta(taxa, false);
    PARA_SE_FALHOU();
    QTest::mouseClick(Controle<QToolButton>(*Janela, "SpeedButton5"), Qt::LeftButton);
    Janela->Reproducao().Escolhe(0);
    const auto& tabela = *Controle<QTableView>(*Janela, "TabelaPopulacao");
    QCOMPARE(tabela.model()->headerData(7, Qt::Horizontal).toString(),
             QStringLiteral("Vitórias no torneio"));
    int vitorias = 0;
    for (int linha = 0; linha < tabela.model()->rowCount(); ++linha)
        vitorias += tabela.model()->index(linha, 7).data().toInt();
    QCOMPARE(vitorias, 30);
    Pagina().MostraEtapa(static_cast<int>(TEtapa::Mutacao));
    QVERIFY(Controle<QLabel>(*Janela, "ExplicacaoEtapa")->text().contains("1 em 101"));
}

// Every control of the page that it names (not the tab bars' own scroll buttons).
void TesteJanelaGeracao::cadaControleTemDica() {
    Abre();
    for (QWidget* w : Pagina().findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
            !qobject_cast<QTabBar*>(w->parentWidget()))
            QVERIFY2(!w->statusTip().isEmpty() && !w->toolTip().isEmpty(),
                     qPrintable(w->objectName()));
}

QTEST_MAIN(TesteJanelaGeracao)
#include "TesteJanelaGeracao.moc"
