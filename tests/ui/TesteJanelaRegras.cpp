// The parameter panel's interlocks, driven as a user drives them: choices in the lists'
// pop-ups, clicks on the check boxes and on the spin edits' arrows.

#include "AjudaJanela.h"
#include "GLPanel.h"
#include "MainForm.h"
#include "TraducaoQt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <memory>

class TesteJanelaRegras : public QObject {
    Q_OBJECT
private slots:
    // Qt's texts in Portuguese, as the program loads them: the designed ones stay.
    void initTestCase() { QVERIFY(InstalaTraducaoQt(*QCoreApplication::instance())); }
    void init();
    void cleanup();

    void nMelhoresRecusado();
    void nMelhoresDepoisDeTorneio();
    void torneioHabilitaETornaADesabilitar();
    void torneioNaoPassaDe10NoInicio();
    void populacaoLimitaEReiniciaTorneio();
    void populacaoNoLimiteNaoMudaTorneio();
    void insercaoHabilitaTaxa();
    void itemVazioHabilitaTaxa();
    void criterioReaplicaRegraDaSubstituicao();
    void paraleloFixaCruzamentoESubstituicao();
    void eliteComParaleloSoAlternaElite();
    void setasDaTolerancia();
    void setasNoLimiteNaoTocamTexto();
    void textoDigitadoNaoVoltaParaSetas();
    void menuDoTextoEmPortugues();

private:
    QComboBox& Lista(const char* nome) { return *Controle<QComboBox>(*Janela, nome); }
    QSpinBox& Spin(const char* nome) { return *Controle<QSpinBox>(*Janela, nome); }
    QCheckBox& Caixa(const char* nome) { return *Controle<QCheckBox>(*Janela, nome); }
    QLineEdit& Tolerancia() { return *Controle<QLineEdit>(*Janela, "pcDiferenca"); }
    /// The tolerance text for v hundredths, in the user's notation.
    static QString Centesimos(const char* comPonto) {
        return QString::fromLatin1(comPonto).replace(QLatin1Char('.'), Separador());
    }

    std::unique_ptr<TMainForm> Janela;
};

void TesteJanelaRegras::init() {
    Janela = std::make_unique<TMainForm>();
    Janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(Janela.get()));
}

void TesteJanelaRegras::cleanup() {
    Janela.reset();
}

// "n Melhores" is answered by the warning box, then "Roleta" is back and the view redrawn.
void TesteJanelaRegras::nMelhoresRecusado() {
    QSignalSpy desenhos(Controle<TGLPanel>(*Janela, "GLPanel1"), &TGLPanel::OnGLDraw);
    TVigiaCaixa caixa(Qt::Key_Escape);
    EscolheItem(Lista("pcTipoSel"), QStringLiteral("n Melhores"));
    PARA_SE_FALHOU();
    QTRY_VERIFY(caixa.Vista);
    QCOMPARE(caixa.Texto, QStringLiteral("Tipo de Seleção não implementado."));
    QCOMPARE(caixa.Titulo, QStringLiteral("Warning"));
    QCOMPARE(caixa.Icone, QMessageBox::Warning);
    QCOMPARE(caixa.Botoes, QStringList{QStringLiteral("Cancel")});
    QVERIFY(caixa.FechouComTecla);
    const QPoint centroTela = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY(qAbs(caixa.Geometria.center().x() - centroTela.x()) <= 1);
    QVERIFY(qAbs(caixa.Geometria.center().y() - centroTela.y()) <= 1);

    QCOMPARE(Lista("pcTipoSel").currentText(), QStringLiteral("Roleta"));
    QVERIFY(!Spin("pcQuantTorneio").isEnabled());
    QVERIFY(desenhos.count() >= 1);
}

void TesteJanelaRegras::nMelhoresDepoisDeTorneio() {
    EscolheItem(Lista("pcTipoSel"), QStringLiteral("Torneio"));
    PARA_SE_FALHOU();
    QVERIFY(Spin("pcQuantTorneio").isEnabled());
    TVigiaCaixa caixa(Qt::Key_Escape);
    EscolheItem(Lista("pcTipoSel"), QStringLiteral("n Melhores"));
    PARA_SE_FALHOU();
    QTRY_VERIFY(caixa.Vista);
    QCOMPARE(Lista("pcTipoSel").currentText(), QStringLiteral("Roleta"));
    QVERIFY(!Spin("pcQuantTorneio").isEnabled());
}

void TesteJanelaRegras::torneioHabilitaETornaADesabilitar() {
    EscolheItem(Lista("pcTipoSel"), QStringLiteral("Torneio"));
    PARA_SE_FALHOU();
    QVERIFY(Spin("pcQuantTorneio").isEnabled());
    for (int i = 0; i < 3; ++i)
        ClicaSeta(Spin("pcQuantTorneio"), true);
    QCOMPARE(Spin("pcQuantTorneio").value(), 5);
    EscolheItem(Lista("pcTipoSel"), QStringLiteral("Roleta"));
    PARA_SE_FALHOU();
    QVERIFY(!Spin("pcQuantTorneio").isEnabled());
    QCOMPARE(Spin("pcQuantTorneio").value(), 5);
}

// Until the population size changes, the tournament keeps its designed maximum of 10
// although the population holds 30.
void TesteJanelaRegras::torneioNaoPassaDe10NoInicio() {
    EscolheItem(Lista("pcTipoSel"), QStringLiteral("Torneio"));
    PARA_SE_FALHOU();
    for (int i = 0; i < 12; ++i)
        ClicaSeta(Spin("pcQuantTorneio"), true);
    QCOMPARE(Spin("pcQuantTorneio").value(), 10);
}

void TesteJanelaRegras::populacaoLimitaEReiniciaTorneio() {
    QSpinBox& torneio = Spin("pcQuantTorneio");
    QSpinBox& populacao = Spin("pcTamPop");
    EscolheItem(Lista("pcTipoSel"), QStringLiteral("Torneio"));
    PARA_SE_FALHOU();
    for (int i = 0; i < 5; ++i)
        ClicaSeta(torneio, true);
    QCOMPARE(torneio.value(), 7);
    EscolheItem(Lista("pcTipoSel"), QStringLiteral("Roleta"));
    PARA_SE_FALHOU();

    ClicaSeta(populacao, true);  // 30 -> 32, even with "Roleta" selected
    QCOMPARE(populacao.value(), 32);
    QCOMPARE(torneio.maximum(), 32);
    QCOMPARE(torneio.minimum(), 1);
    QCOMPARE(torneio.value(), 2);

    populacao.setFocus();
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(&populacao, Qt::Key_Down);  // down to the minimum, 2
    QCOMPARE(populacao.value(), 2);
    QCOMPARE(torneio.maximum(), 2);
    QCOMPARE(torneio.value(), 2);
}

// A step beyond the population's limit changes nothing, so the tournament keeps its value.
void TesteJanelaRegras::populacaoNoLimiteNaoMudaTorneio() {
    QSpinBox& torneio = Spin("pcQuantTorneio");
    QSpinBox& populacao = Spin("pcTamPop");
    populacao.setFocus();
    for (int i = 0; i < 85; ++i)
        QTest::keyClick(&populacao, Qt::Key_Up);
    QCOMPARE(populacao.value(), 200);
    QCOMPARE(torneio.maximum(), 200);
    EscolheItem(Lista("pcTipoSel"), QStringLiteral("Torneio"));
    PARA_SE_FALHOU();
    for (int i = 0; i < 4; ++i)
        ClicaSeta(torneio, true);
    QCOMPARE(torneio.value(), 6);
    ClicaSeta(populacao, true);
    QCOMPARE(populacao.value(), 200);
    QCOMPARE(torneio.value(), 6);
}

void TesteJanelaRegras::insercaoHabilitaTaxa() {
    QSpinBox& taxa = Spin("pcTaxaCruz");
    EscolheItem(Lista("pcTipoSubs"), QStringLiteral("Inserção"));
    PARA_SE_FALHOU();
    QVERIFY(taxa.isEnabled());
    QCOMPARE(taxa.value(), 100);
    for (int i = 0; i < 20; ++i)
        ClicaSeta(taxa, false);
    QCOMPARE(taxa.value(), 60);
    EscolheItem(Lista("pcTipoSubs"), QStringLiteral("Imediata"));
    PARA_SE_FALHOU();
    QVERIFY(!taxa.isEnabled());
    QCOMPARE(taxa.value(), 100);
}

void TesteJanelaRegras::itemVazioHabilitaTaxa() {
    EscolheItem(Lista("pcTipoSubs"), QString());
    PARA_SE_FALHOU();
    QCOMPARE(Lista("pcTipoSubs").currentIndex(), 2);
    QVERIFY(Spin("pcTaxaCruz").isEnabled());
    QCOMPARE(Spin("pcTaxaCruz").value(), 100);
}

// The stop criterion only applies the replacement rule again.
void TesteJanelaRegras::criterioReaplicaRegraDaSubstituicao() {
    QSpinBox& taxa = Spin("pcTaxaCruz");
    EscolheItem(Lista("pcCritParada"), QStringLiteral("n Gerações"));
    PARA_SE_FALHOU();
    QVERIFY(!taxa.isEnabled());
    QCOMPARE(taxa.value(), 100);

    EscolheItem(Lista("pcTipoSubs"), QStringLiteral("Inserção"));
    PARA_SE_FALHOU();
    for (int i = 0; i < 20; ++i)
        ClicaSeta(taxa, false);
    EscolheItem(Lista("pcCritParada"), QStringLiteral("Primeira situação encontrada"));
    PARA_SE_FALHOU();
    QVERIFY(taxa.isEnabled());
    QCOMPARE(taxa.value(), 60);
    QCOMPARE(Lista("pcTipoSubs").currentText(), QStringLiteral("Inserção"));
}

void TesteJanelaRegras::paraleloFixaCruzamentoESubstituicao() {
    QSpinBox& taxa = Spin("pcTaxaCruz");
    EscolheItem(Lista("pcTipoCruz"), QStringLiteral("Uniforme"));
    PARA_SE_FALHOU();
    EscolheItem(Lista("pcTipoSubs"), QStringLiteral("Inserção"));
    PARA_SE_FALHOU();
    for (int i = 0; i < 20; ++i)
        ClicaSeta(taxa, false);
    QCOMPARE(taxa.value(), 60);

    QTest::mouseClick(&Caixa("pcTipoAG"), Qt::LeftButton);
    QVERIFY(Caixa("pcTipoAG").isChecked());
    QCOMPARE(Lista("pcTipoCruz").currentText(), QStringLiteral("1 ponto"));
    QCOMPARE(Lista("pcTipoSubs").currentText(), QStringLiteral("Imediata"));
    QCOMPARE(taxa.value(), 100);
    QVERIFY(!Lista("pcTipoCruz").isEnabled());
    QVERIFY(!Lista("pcTipoSubs").isEnabled());
    QVERIFY(!taxa.isEnabled());

    QTest::mouseClick(&Caixa("pcTipoAG"), Qt::LeftButton);
    QVERIFY(!Caixa("pcTipoAG").isChecked());
    QVERIFY(Lista("pcTipoCruz").isEnabled());
    QVERIFY(Lista("pcTipoSubs").isEnabled());
    QCOMPARE(Lista("pcTipoCruz").currentText(), QStringLiteral("1 ponto"));
    QCOMPARE(Lista("pcTipoSubs").currentText(), QStringLiteral("Imediata"));
    QVERIFY(!taxa.isEnabled());
    QCOMPARE(taxa.value(), 100);
}

void TesteJanelaRegras::eliteComParaleloSoAlternaElite() {
    QTest::mouseClick(&Caixa("pcTipoAG"), Qt::LeftButton);
    QTest::mouseClick(&Caixa("pcElite"), Qt::LeftButton);
    QVERIFY(Caixa("pcElite").isChecked());
    QVERIFY(Caixa("pcTipoAG").isChecked());
    QVERIFY(Caixa("pcEscalonamento").isChecked());
    QVERIFY(!Lista("pcTipoCruz").isEnabled());
    QVERIFY(!Lista("pcTipoSubs").isEnabled());
    QVERIFY(!Spin("pcTaxaCruz").isEnabled());
    QTest::mouseClick(&Caixa("pcElite"), Qt::LeftButton);
    QVERIFY(!Caixa("pcElite").isChecked());
    QVERIFY(Caixa("pcTipoAG").isChecked());
    QVERIFY(!Lista("pcTipoCruz").isEnabled());
}

void TesteJanelaRegras::setasDaTolerancia() {
    QSpinBox& setas = Spin("SpinEdit1");
    ClicaSeta(setas, false);
    QCOMPARE(Tolerancia().text(), QStringLiteral("0"));
    ClicaSeta(setas, true);
    QCOMPARE(Tolerancia().text(), Centesimos("0.01"));
    for (int i = 0; i < 4; ++i)
        ClicaSeta(setas, true);
    QCOMPARE(Tolerancia().text(), Centesimos("0.05"));
    for (int i = 0; i < 5; ++i)
        ClicaSeta(setas, true);
    QCOMPARE(setas.value(), 10);
    QCOMPARE(Tolerancia().text(), Centesimos("0.1"));
}

void TesteJanelaRegras::setasNoLimiteNaoTocamTexto() {
    QSpinBox& setas = Spin("SpinEdit1");
    for (int i = 0; i < 9; ++i)
        ClicaSeta(setas, true);
    QCOMPARE(setas.value(), 10);
    DigitaTexto(Tolerancia(), QStringLiteral("abc"));
    ClicaSeta(setas, true);
    QCOMPARE(Tolerancia().text(), QStringLiteral("abc"));

    for (int i = 0; i < 10; ++i)
        ClicaSeta(setas, false);
    QCOMPARE(Tolerancia().text(), QStringLiteral("0"));
    DigitaTexto(Tolerancia(), QStringLiteral("xyz"));
    ClicaSeta(setas, false);
    QCOMPARE(Tolerancia().text(), QStringLiteral("xyz"));
}

// The link goes one way: a typed tolerance is overwritten by the arrows' next value.
void TesteJanelaRegras::textoDigitadoNaoVoltaParaSetas() {
    DigitaTexto(Tolerancia(), Centesimos("0.5"));
    QCOMPARE(Tolerancia().text(), Centesimos("0.5"));
    QCOMPARE(Spin("SpinEdit1").value(), 1);
    ClicaSeta(Spin("SpinEdit1"), true);
    QCOMPARE(Tolerancia().text(), Centesimos("0.02"));
}

// Qt's own texts speak Portuguese: the tolerance box's context menu.
void TesteJanelaRegras::menuDoTextoEmPortugues() {
    std::unique_ptr<QMenu> menu(Tolerancia().createStandardContextMenu());
    QStringList textos;
    for (const QAction* acao : menu->actions())
        textos << acao->text().section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(textos.contains(QStringLiteral("&Copiar")), qPrintable(textos.join('|')));
}

QTEST_MAIN(TesteJanelaRegras)
#include "TesteJanelaRegras.moc"
