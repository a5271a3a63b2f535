// The main window as it opens: the designed layout, fonts, colours, start values, enabled
// states, tab order, pictures, the hint handler and the redraw on activation.

#include "AjudaJanela.h"
#include "GLPanel.h"
#include "MainForm.h"
#include "Recursos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

class TesteJanelaInicio : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void titulo();
    void geometria_data();
    void geometria();
    void rotulosDasLinhas_data();
    void rotulosDasLinhas();
    void nadaSeEstica();
    void textosCabem();
    void fontes();
    void cores();
    void moldurasEFundo();
    void valoresIniciais_data();
    void valoresIniciais();
    void listasIniciais();
    void caixasIniciais();
    void relatorioInicial();
    void ordemDeTabulacao();
    void imagens();
    void dicaNaLinhaDeEstado();
    void ativacaoRedesenha();

private:
    std::unique_ptr<TMainForm> Janela;
};

void TesteJanelaInicio::init() {
    Janela = std::make_unique<TMainForm>();
    Janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(Janela.get()));
}

void TesteJanelaInicio::cleanup() {
    Janela.reset();
}

void TesteJanelaInicio::titulo() {
    QCOMPARE(Janela->windowTitle(), QStringLiteral("Quivora (versão em desenvolvimento)"));
    QCOMPARE(Janela->size(), QSize(800, 582));
    QCOMPARE(Controle<QTabWidget>(*Janela, "PageControl1")->currentWidget()->objectName(),
             QStringLiteral("TabSheet1"));
    auto* paginas = Controle<QTabWidget>(*Janela, "PageControl1");
    QCOMPARE(paginas->tabText(0), QStringLiteral("Gráfico"));
    QCOMPARE(paginas->tabText(1), QStringLiteral("Relatório"));
}

void TesteJanelaInicio::geometria_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("pai");
    QTest::addColumn<QRect>("retangulo");
    struct Linha {
        const char* nome;
        const char* pai;
        QRect retangulo;
    };
    const Linha linhas[] = {
        {"pcPlotagem", "centralwidget", {7, 21, 105, 21}},
        {"StaticText1", "centralwidget", {114, 21, 116, 21}},
        {"SpeedButton1", "centralwidget", {233, 18, 75, 27}},
        {"SpeedButton2", "centralwidget", {308, 18, 63, 27}},
        {"SpeedButton3", "centralwidget", {371, 18, 73, 27}},
        {"SpeedButton4", "centralwidget", {444, 18, 68, 27}},
        {"Bevel1", "centralwidget", {7, 48, 504, 304}},
        {"GLPanel1", "centralwidget", {9, 49, 500, 300}},
        {"PageControl1", "centralwidget", {7, 354, 503, 202}},
        {"Panel1", "centralwidget", {514, 4, 279, 436}},
        {"Panel2", "centralwidget", {514, 449, 279, 106}},
        {"centralwidget", "TMainForm", {0, 0, 800, 559}},
        {"StatusLine", "TMainForm", {0, 559, 800, 23}},
        {"Chart1", "TabSheet1", {1, 1, 494, 172}},
        {"Visualizar", "TabSheet2", {1, 1, 493, 160}},
        {"pcTamPop", "Panel1", {136, 39, 65, 22}},
        {"pcTamCrom", "Panel1", {136, 64, 65, 22}},
        {"pcTipoSel", "Panel1", {136, 89, 81, 21}},
        {"pcQuantTorneio", "Panel1", {218, 88, 47, 22}},
        {"pcTipoCruz", "Panel1", {136, 113, 128, 21}},
        {"pcTaxaCruz", "Panel1", {136, 137, 65, 22}},
        {"pcTipoMut", "Panel1", {136, 162, 128, 21}},
        {"pcTaxaMut", "Panel1", {136, 186, 65, 22}},
        {"pcLimGer", "Panel1", {136, 223, 65, 22}},
        {"pcTipoSubs", "Panel1", {136, 248, 128, 21}},
        {"pcDiferenca", "Panel1", {136, 272, 36, 21}},
        {"SpinEdit1", "Panel1", {169, 272, 19, 22}},
        {"pcValMin", "Panel1", {136, 297, 52, 22}},
        {"pcValMax", "Panel1", {206, 297, 49, 22}},
        {"pcCritParada", "Panel1", {136, 322, 130, 21}},
        {"SpeedButton5", "Panel1", {11, 347, 90, 79}},
        {"pcElite", "Panel1", {113, 349, 110, 19}},
        {"pcEscalonamento", "Panel1", {113, 378, 165, 18}},  // 161 designed; 165 holds the caption
        {"pcTipoAG", "Panel1", {113, 404, 146, 19}},
        {"Image1", "Panel2", {14, 30, 249, 65}},
    };
    for (const Linha& l : linhas)
        QTest::newRow(l.nome) << l.nome << l.pai << l.retangulo;
}

void TesteJanelaInicio::geometria() {
    QFETCH(QString, nome);
    QFETCH(QString, pai);
    QFETCH(QRect, retangulo);
    auto* controle = Controle<QWidget>(*Janela, qPrintable(nome));
    QCOMPARE(controle->parentWidget()->objectName(), pai);
    QCOMPARE(controle->geometry(), retangulo);
}

// Labels keep their designed top-left corner. The captions of the panel's rows end at x = 129,
// in front of the controls at 136; where the stand-in font is wider than the designed one a
// caption starts further left than designed (textosCabem checks that it shows whole).
void TesteJanelaInicio::rotulosDasLinhas_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("pai");
    QTest::addColumn<QPoint>("canto");
    QTest::addColumn<int>("direita");  // -1: left-aligned at its designed corner
    QTest::addColumn<QString>("texto");
    struct Linha {
        const char* nome;
        const char* pai;
        QPoint canto;
        int direita;
        const char* texto;
    };
    const Linha linhas[] = {
        {"Label9", "centralwidget", {7, 4}, -1, "Tipo de plotagem"},
        {"Label14", "centralwidget", {114, 4}, -1, "Movimentação em uso"},
        {"Label17", "centralwidget", {233, 4}, -1, "Reposicionamento do gráfico"},
        {"Label4", "Panel1", {10, 8}, -1, "Parâmetros Configuráveis"},
        {"Label7", "Panel1", {15, 44}, 129, "Tamanho da População"},
        {"Label1", "Panel1", {6, 69}, 129, "Tamanho do Cromossomo"},
        {"Label2", "Panel1", {51, 93}, 129, "Tipo de Seleção"},
        {"Label3", "Panel1", {34, 117}, 129, "Tipo de Cruzamento"},
        {"Label11", "Panel1", {14, 142}, 129, "Taxa de Cruzamento (%)"},
        {"Label8", "Panel1", {48, 166}, 129, "Tipo de Mutação"},
        {"Label12", "Panel1", {28, 191}, 129, "Taxa de Mutação (%)"},
        {"Label10", "Panel1", {38, 228}, 129, "Limite de Gerações"},
        {"Label5", "Panel1", {32, 252}, 129, "Tipo de Substituição"},
        {"Label15", "Panel1", {41, 277}, 129, "Diferença p/Ótimo"},
        {"Label6", "Panel1", {34, 302}, 129, "Intervalo de Valores"},
        {"Label13", "Panel1", {194, 302}, -1, "à"},
        {"Label16", "Panel1", {44, 326}, 129, "Critério de Parada"},
        {"Label18", "Panel2", {14, 6}, -1, "Equação Utilizada:"},
    };
    for (const Linha& l : linhas)
        QTest::newRow(l.nome) << l.nome << l.pai << l.canto << l.direita
                              << QString::fromUtf8(l.texto);
}

void TesteJanelaInicio::rotulosDasLinhas() {
    QFETCH(QString, nome);
    QFETCH(QString, pai);
    QFETCH(QPoint, canto);
    QFETCH(int, direita);
    QFETCH(QString, texto);
    auto* rotulo = Controle<QLabel>(*Janela, qPrintable(nome));
    QCOMPARE(rotulo->parentWidget()->objectName(), pai);
    QCOMPARE(rotulo->text(), texto);
    if (direita < 0) {
        QCOMPARE(rotulo->pos(), canto);
    } else {
        QCOMPARE(rotulo->y(), canto.y());
        QVERIFY(rotulo->x() <= canto.x());
        QVERIFY(rotulo->x() >= 1);  // clear of the panel's bevel
        QCOMPARE(rotulo->geometry().right(), direita);
        QVERIFY(rotulo->alignment() & Qt::AlignRight);
    }
}

// Maximised, the layout stays in the top-left corner; only the status line follows the
// window's width and bottom edge.
void TesteJanelaInicio::nadaSeEstica() {
    auto* painel = Controle<QWidget>(*Janela, "Panel1");
    auto* paginas = Controle<QWidget>(*Janela, "PageControl1");
    auto* gl = Controle<QWidget>(*Janela, "GLPanel1");
    Janela->resize(1024, 700);
    QTRY_COMPARE(Janela->size(), QSize(1024, 700));
    QCOMPARE(painel->geometry(), QRect(514, 4, 279, 436));
    QCOMPARE(paginas->geometry(), QRect(7, 354, 503, 202));
    QCOMPARE(gl->geometry(), QRect(9, 49, 500, 300));
    QCOMPARE(Controle<QStatusBar>(*Janela, "StatusLine")->geometry(), QRect(0, 677, 1024, 23));
}

// Liberation Sans has other widths than the designed font: every caption must still show
// whole within its designed box.
void TesteJanelaInicio::textosCabem() {
    for (QLabel* rotulo : Janela->findChildren<QLabel*>()) {
        if (rotulo->text().trimmed().isEmpty())
            continue;
        const int largura = rotulo->fontMetrics().horizontalAdvance(rotulo->text());
        QVERIFY2(largura <= rotulo->width(), qPrintable(rotulo->objectName()));
        QVERIFY2(rotulo->fontMetrics().height() <= rotulo->height(),
                 qPrintable(rotulo->objectName()));
    }
    for (auto* caixa : Janela->findChildren<QCheckBox*>()) {
        QStyleOptionButton opcao;
        opcao.initFrom(caixa);
        opcao.text = caixa->text();
        const QRect texto =
            caixa->style()->subElementRect(QStyle::SE_CheckBoxContents, &opcao, caixa);
        const int largura = caixa->fontMetrics().horizontalAdvance(caixa->text());
        QVERIFY2(texto.left() + largura <= caixa->width(), qPrintable(caixa->objectName()));
    }
    // Every item of every list shows whole when selected, but the long stop criterion, which
    // the designed width clips as well.
    for (auto* lista : Janela->findChildren<QComboBox*>()) {
        QStyleOptionComboBox opcao;
        opcao.initFrom(lista);
        opcao.subControls = QStyle::SC_All;
        const QRect campo = lista->style()->subControlRect(QStyle::CC_ComboBox, &opcao,
                                                           QStyle::SC_ComboBoxEditField, lista);
        for (int i = 0; i < lista->count(); ++i) {
            if (lista->itemText(i) == QStringLiteral("Primeira situação encontrada"))
                continue;
            const int largura = lista->fontMetrics().horizontalAdvance(lista->itemText(i));
            QVERIFY2(largura + 2 <= campo.width(), qPrintable(lista->itemText(i)));
            QVERIFY2(campo.right() < lista->width() - 13, qPrintable(lista->objectName()));
        }
    }
    for (const char* nome : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"}) {
        // As a tool button lays it out: frame, glyph, 4 pixels, caption, frame.
        auto* botao = Controle<QToolButton>(*Janela, nome);
        const int moldura =
            botao->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, botao);
        const int largura = 2 * moldura + botao->iconSize().width() + 4 +
                            botao->fontMetrics().horizontalAdvance(botao->text());
        QVERIFY2(largura <= botao->width(), nome);
    }
}

void TesteJanelaInicio::fontes() {
    const QString sans = QStringLiteral("Liberation Sans");
    auto confere = [](const QWidget* w, const QString& familia, int pixels, bool negrito) {
        QVERIFY2(w->font().family() == familia, qPrintable(w->objectName()));
        QVERIFY2(QFontInfo(w->font()).family() == familia, qPrintable(w->objectName()));
        QVERIFY2(w->font().pixelSize() == pixels, qPrintable(w->objectName()));
        QVERIFY2(w->font().bold() == negrito, qPrintable(w->objectName()));
    };
    for (const char* nome : {"Label9", "Label7", "Label13", "pcTamPop", "pcTipoSel", "pcDiferenca",
                             "pcElite", "SpeedButton1", "PageControl1"}) {
        confere(Controle<QWidget>(*Janela, nome), sans, 11, false);
        PARA_SE_FALHOU();
    }
    auto* titulo = Controle<QLabel>(*Janela, "Label4");
    confere(titulo, sans, 20, true);
    QVERIFY(titulo->font().underline());
    confere(Controle<QLabel>(*Janela, "StaticText1"), sans, 13, true);
    confere(Controle<QLabel>(*Janela, "Label18"), sans, 13, true);
    auto* relatorio = Controle<QPlainTextEdit>(*Janela, "Visualizar");
    confere(relatorio, QStringLiteral("Liberation Mono"), 11, false);
    QVERIFY(QFontInfo(relatorio->font()).fixedPitch());
}

namespace {

// Sunken rings of `largura` pixels along the picture's edges, half-way along each side: the
// system's shadow above and left, its highlight below and right, then `dentro`.
void ConfereAfundado(const QImage& imagem, int largura, const QColor& dentro) {
    const QRgb sombra = QApplication::palette().color(QPalette::Dark).rgb();
    const QRgb luz = QApplication::palette().color(QPalette::Light).rgb();
    const int meioX = imagem.width() / 2, meioY = imagem.height() / 2;
    const int direita = imagem.width() - 1, baixo = imagem.height() - 1;
    for (int i = 0; i < largura; ++i) {
        QCOMPARE(imagem.pixel(i, meioY), sombra);
        QCOMPARE(imagem.pixel(meioX, i), sombra);
        QCOMPARE(imagem.pixel(direita - i, meioY), luz);
        QCOMPARE(imagem.pixel(meioX, baixo - i), luz);
    }
    QCOMPARE(imagem.pixel(largura, meioY), dentro.rgb());
    QCOMPARE(imagem.pixel(direita - largura, meioY), dentro.rgb());
}

}  // namespace

// Pixels as drawn: the black box with lime text of the drag name inside its one-pixel sunken
// border, the navy equation panel inside two lowered bevels of two pixels, with its lime
// caption.
void TesteJanelaInicio::cores() {
    auto* arraste = Controle<QLabel>(*Janela, "StaticText1");
    arraste->setText(QStringLiteral("XXXX"));
    const QImage caixa = arraste->grab().toImage();
    ConfereAfundado(caixa, 1, Qt::black);
    PARA_SE_FALHOU();
    QCOMPARE(caixa.pixelColor(caixa.width() - 6, caixa.height() / 2), QColor(Qt::black));
    int lima = 0;
    for (int y = 0; y < caixa.height(); ++y)
        for (int x = 0; x < caixa.width(); ++x)
            lima += caixa.pixelColor(x, y) == QColor(0, 255, 0);
    QVERIFY(lima > 20);

    auto* equacao = Controle<QWidget>(*Janela, "Panel2");
    const QImage painel = equacao->grab().toImage();
    ConfereAfundado(painel, 4, QColor(0, 0, 128));
    PARA_SE_FALHOU();
    QCOMPARE(painel.pixelColor(270, 50), QColor(0, 0, 128));
    QCOMPARE(painel.pixelColor(8, 8), QColor(0, 0, 128));
    const QRect legenda = Controle<QLabel>(*Janela, "Label18")->geometry();
    int limaLegenda = 0;
    for (int y = legenda.top(); y <= legenda.bottom(); ++y)
        for (int x = legenda.left(); x <= legenda.right(); ++x)
            limaLegenda += painel.pixelColor(x, y) == QColor(0, 255, 0);
    QVERIFY(limaLegenda > 50);
}

void TesteJanelaInicio::moldurasEFundo() {
    auto confere = [this](const char* nome, QFrame::Shape forma, QFrame::Shadow sombra, int linha) {
        auto* moldura = Controle<QFrame>(*Janela, nome);
        QVERIFY2(moldura->frameShape() == forma, nome);
        QVERIFY2(moldura->frameShadow() == sombra, nome);
        QVERIFY2(moldura->lineWidth() == linha, nome);
    };
    confere("Bevel1", QFrame::Panel, QFrame::Sunken, 1);
    confere("Panel1", QFrame::Panel, QFrame::Raised, 1);
    confere("Panel2", QFrame::Panel, QFrame::Sunken, 4);  // two lowered bevels of 2 pixels
    confere("StaticText1", QFrame::Panel, QFrame::Sunken, 1);
    for (const char* nome :
         {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5"}) {
        auto* botao = Controle<QToolButton>(*Janela, nome);
        QVERIFY2(botao->autoRaise(), nome);
        QVERIFY2(botao->focusPolicy() == Qt::NoFocus, nome);
    }
    QCOMPARE(Controle<QToolButton>(*Janela, "SpeedButton1")->text(), QStringLiteral("Inclinada"));
    QCOMPARE(Controle<QToolButton>(*Janela, "SpeedButton2")->text(), QStringLiteral("Zoom"));
    QCOMPARE(Controle<QToolButton>(*Janela, "SpeedButton3")->text(), QStringLiteral("Superior"));
    QCOMPARE(Controle<QToolButton>(*Janela, "SpeedButton4")->text(), QStringLiteral("Lateral"));
    QVERIFY(Controle<QToolButton>(*Janela, "SpeedButton5")->text().isEmpty());
    QCOMPARE(Controle<QLabel>(*Janela, "StaticText1")->text(), QStringLiteral(" "));
}

void TesteJanelaInicio::valoresIniciais_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("minimo");
    QTest::addColumn<int>("maximo");
    QTest::addColumn<int>("passo");
    QTest::addColumn<int>("valor");
    QTest::addColumn<bool>("habilitado");
    QTest::newRow("pcTamPop") << "pcTamPop" << 2 << 200 << 2 << 30 << true;
    QTest::newRow("pcTamCrom") << "pcTamCrom" << 18 << 100 << 2 << 20 << true;
    QTest::newRow("pcQuantTorneio") << "pcQuantTorneio" << 1 << 10 << 1 << 2 << false;
    QTest::newRow("pcTaxaCruz") << "pcTaxaCruz" << 2 << 100 << 2 << 100 << false;
    QTest::newRow("pcTaxaMut") << "pcTaxaMut" << 0 << 30 << 1 << 3 << true;
    QTest::newRow("pcLimGer") << "pcLimGer" << 10 << 1000 << 5 << 60 << true;
    QTest::newRow("SpinEdit1") << "SpinEdit1" << 0 << 10 << 1 << 1 << true;
    QTest::newRow("pcValMin") << "pcValMin" << -100 << 0 << 10 << -100 << true;
    QTest::newRow("pcValMax") << "pcValMax" << 0 << 100 << 10 << 100 << true;
}

void TesteJanelaInicio::valoresIniciais() {
    QFETCH(QString, nome);
    QFETCH(int, minimo);
    QFETCH(int, maximo);
    QFETCH(int, passo);
    QFETCH(int, valor);
    QFETCH(bool, habilitado);
    auto* spin = Controle<QSpinBox>(*Janela, qPrintable(nome));
    QVERIFY(spin->inherits("TSpinEdit"));
    QCOMPARE(spin->minimum(), minimo);
    QCOMPARE(spin->maximum(), maximo);
    QCOMPARE(spin->singleStep(), passo);
    QCOMPARE(spin->value(), valor);
    QCOMPARE(spin->isEnabled(), habilitado);
}

void TesteJanelaInicio::listasIniciais() {
    struct Linha {
        const char* nome;
        QStringList itens;
        int selecionado;
    };
    const Linha linhas[] = {
        {"pcPlotagem", {"Pontos pequenos", "Pontos grandes", "Traços", "Linhas"}, 0},
        {"pcTipoSel", {"Roleta", "Torneio", "n Melhores"}, 0},
        {"pcTipoCruz", {"1 ponto", "2 pontos", "Uniforme"}, 0},
        {"pcTipoMut", {"Flip", "Mutar para 1", "Mutar para 0", "Inversão"}, 0},
        {"pcTipoSubs", {"Imediata", "Inserção", ""}, 0},
        {"pcCritParada", {"n Gerações", "Primeira situação encontrada"}, 1},
    };
    for (const Linha& l : linhas) {
        auto* lista = Controle<QComboBox>(*Janela, l.nome);
        QStringList itens;
        for (int i = 0; i < lista->count(); ++i)
            itens << lista->itemText(i);
        QCOMPARE(itens, l.itens);
        QCOMPARE(lista->currentIndex(), l.selecionado);
        QVERIFY(!lista->isEditable());
        QVERIFY(lista->isEnabled());
    }
    // The tolerance reads 0.01 in the user's notation, so a first run converts it.
    QCOMPARE(Controle<QLineEdit>(*Janela, "pcDiferenca")->text(), "0" + Separador() + "01");
}

void TesteJanelaInicio::caixasIniciais() {
    auto* elite = Controle<QCheckBox>(*Janela, "pcElite");
    auto* escalonamento = Controle<QCheckBox>(*Janela, "pcEscalonamento");
    auto* paralelo = Controle<QCheckBox>(*Janela, "pcTipoAG");
    QCOMPARE(elite->text(), QStringLiteral("Usar Elitismo"));
    QCOMPARE(escalonamento->text(), QStringLiteral("Usar Escalonamento Dirigido."));
    QCOMPARE(paralelo->text(), QStringLiteral("AG Paralelo (Pop. X e Y)"));
    QVERIFY(!elite->isChecked());
    QVERIFY(escalonamento->isChecked());
    QVERIFY(!paralelo->isChecked());
}

void TesteJanelaInicio::relatorioInicial() {
    auto* relatorio = Controle<QPlainTextEdit>(*Janela, "Visualizar");
    QCOMPARE(relatorio->document()->blockCount(), 1);
    QVERIFY(relatorio->toPlainText().isEmpty());
    QCOMPARE(relatorio->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(relatorio->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(relatorio->lineWrapMode(), QPlainTextEdit::NoWrap);
}

// Tab walks the panel in its designed order; the two disabled controls are passed over.
void TesteJanelaInicio::ordemDeTabulacao() {
    Janela->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Janela.get()));
    const QStringList ordem{"pcTamCrom",       "pcTipoSel", "pcTipoCruz",   "pcTamPop",
                            "pcTipoMut",       "pcLimGer",  "pcTaxaMut",    "pcTipoSubs",
                            "pcValMin",        "pcValMax",  "SpinEdit1",    "pcDiferenca",
                            "pcEscalonamento", "pcTipoAG",  "pcCritParada", "pcElite"};
    Controle<QWidget>(*Janela, "pcTamCrom")->setFocus(Qt::TabFocusReason);
    for (const QString& nome : ordem) {
        QWidget* foco = QApplication::focusWidget();
        QVERIFY(foco);
        if (foco->parentWidget() && foco->parentWidget()->inherits("QAbstractSpinBox"))
            foco = foco->parentWidget();
        QCOMPARE(foco->objectName(), nome);
        QTest::keyClick(foco, Qt::Key_Tab);
    }
}

// On a screen of device pixel ratio r the glyphs come from their @2x files and the equation
// from its 2x picture, still at their designed logical sizes; at r = 1 from the plain ones.
void TesteJanelaInicio::imagens() {
    const qreal escala = Janela->devicePixelRatioF();
    const int vezes = escala > 1 ? 2 : 1;
    const auto confereGlifo = [&](const char* nome, const char* caminho, QSize tamanho) {
        auto* botao = Controle<QToolButton>(*Janela, nome);
        QCOMPARE(botao->iconSize(), tamanho);
        const QPixmap glifo = botao->icon().pixmap(tamanho, escala);
        QCOMPARE(glifo.size(), tamanho * vezes);
        QString arquivo = QString::fromLatin1(caminho);
        if (vezes == 2)
            arquivo.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        QCOMPARE(glifo.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 QImage(arquivo).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    };
    confereGlifo("SpeedButton1", CaminhoGlifoInclinada, {20, 20});
    confereGlifo("SpeedButton2", CaminhoGlifoZoom, {20, 20});
    confereGlifo("SpeedButton3", CaminhoGlifoSuperior, {20, 20});
    confereGlifo("SpeedButton4", CaminhoGlifoLateral, {20, 20});
    confereGlifo("SpeedButton5", CaminhoGlifoExecutar, {76, 76});
    PARA_SE_FALHOU();
    for (const char* nome : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"})
        QCOMPARE(Controle<QToolButton>(*Janela, nome)->toolButtonStyle(),
                 Qt::ToolButtonTextBesideIcon);
    // The equation is shown as decoded, unscaled, from the picture box's top-left corner.
    auto* imagem = Controle<QLabel>(*Janela, "Image1");
    QCOMPARE(imagem->pixmap().size(), QSize(250, 62) * vezes);
    QCOMPARE(imagem->pixmap().deviceIndependentSize(), QSizeF(250, 62));
    QVERIFY(!imagem->hasScaledContents());
    QCOMPARE(imagem->alignment() & (Qt::AlignLeft | Qt::AlignTop), Qt::AlignLeft | Qt::AlignTop);
}

// The hint handler writes the hint of the control under the pointer into the status line,
// and clears it over a control without one (the panel's title).
void TesteJanelaInicio::dicaNaLinhaDeEstado() {
    auto* linha = Controle<QStatusBar>(*Janela, "StatusLine");
    auto* tamanho = Controle<QWidget>(*Janela, "pcTamCrom");
    auto* rotulo = Controle<QWidget>(*Janela, "Label4");
    QTest::mouseMove(rotulo);
    QVERIFY(linha->currentMessage().isEmpty());
    tamanho->setStatusTip(QStringLiteral("Comprimento em bits"));
    QTest::mouseMove(tamanho);
    QTRY_COMPARE(linha->currentMessage(), QStringLiteral("Comprimento em bits"));
    QTest::mouseMove(rotulo);
    QTRY_VERIFY(linha->currentMessage().isEmpty());
}

void TesteJanelaInicio::ativacaoRedesenha() {
    QWidget outra;
    outra.resize(100, 100);
    outra.show();
    outra.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&outra));
    QSignalSpy desenhos(Controle<TGLPanel>(*Janela, "GLPanel1"), &TGLPanel::OnGLDraw);
    Janela->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Janela.get()));
    QTRY_VERIFY(desenhos.count() >= 1);
}

QTEST_MAIN(TesteJanelaInicio)
#include "TesteJanelaInicio.moc"
