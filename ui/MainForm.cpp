#include "MainForm.h"

#include "ui_MainForm.h"

#include "ControleVista.h"
#include "DicasJanela.h"
#include "EstiloLista.h"
#include "FiltroDica.h"
#include "PaginaDiversidade.h"
#include "PaginaExperimento.h"
#include "PaginaGeracao.h"
#include "PainelOpcoes.h"
#include "Recursos.h"
#include "Relatorio.h"
#include "Reproducao.h"
#include "VistaDescoberta.h"

#include <QEvent>
#include <QIcon>
#include <QPixmap>

#include <utility>

TMainForm::TMainForm(TRelogio relogio, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TMainForm>()), Relogio(std::move(relogio)) {
    ui->setupUi(this);
    Relatorio = std::make_unique<TRelatorio>(*ui->Visualizar);
    CriaVista();
    CriaReproducao();
    CriaComandos();
    CompletaFormulario();
    MostraImagens();
    ConectaControles();
    CriaPaginaExperimento();
    CriaPaginaDiversidade(*ui->PageControl1, *FReproducao);
    DaDicas(*this);
    CriaPaginaGeracao();
    FormCreate();
}

TMainForm::~TMainForm() {
    // The window hides as it is destroyed; by then it is no TMainForm any more, and its hint
    // handler must not be called for that.
    removeEventFilter(FiltroDicas);
    // The page "Geração" takes its marks off the 3D view when hidden: it goes while the view's
    // handlers still exist, not with the window's children after them.
    delete PaginaGeracao;
    FormDestroy();
}

// The designed values that a form file cannot hold.
void TMainForm::CompletaFormulario() {
    move(-2, 13);                                   // the restored window's place on the screen
    AplicaFaixas(*ui->Panel1);                      // the form holds the same, which a test checks
    ui->StaticText1->setText(QStringLiteral(" "));  // a lone blank
    auto* estiloListas = new TEstiloLista;
    estiloListas->setParent(this);
    for (QComboBox* lista : findChildren<QComboBox*>())
        lista->setStyle(estiloListas);
    // The start text of the tolerance is 0.01 in the user's own notation ("0,01" under a
    // decimal comma), so that a run started before the arrows are touched converts it.
    ui->pcDiferenca->setText(
        QString::fromStdString(PainelPadrao(SeparadorDecimal()).TextoDiferenca));
}

// Typed connections only; the lists report only the user's choice (activated).
void TMainForm::ConectaControles() {
    connect(ui->pcTipoSel, &QComboBox::activated, this, &TMainForm::pcTipoSelChange);
    connect(ui->pcTamPop, &QSpinBox::valueChanged, this, &TMainForm::pcTamPopChange);
    connect(ui->pcTipoSubs, &QComboBox::activated, this, &TMainForm::pcTipoSubsChange);
    connect(ui->pcCritParada, &QComboBox::activated, this, &TMainForm::pcTipoSubsChange);
    connect(ui->pcTipoAG, &QCheckBox::clicked, this, &TMainForm::pcTipoAGClick);
    connect(ui->pcElite, &QCheckBox::clicked, this, &TMainForm::pcTipoAGClick);
    connect(ui->SpinEdit1, &QSpinBox::valueChanged, this, &TMainForm::SpinEdit1Change);
    connect(ui->SpeedButton5, &QToolButton::clicked, this, &TMainForm::SpeedButton5Click);
}

// The surface view connects itself to the controls it is handed.
void TMainForm::CriaVista() {
    TControlesVista controles;
    controles.GLPanel1 = ui->GLPanel1;
    controles.pcPlotagem = ui->pcPlotagem;
    controles.pcValMin = ui->pcValMin;
    controles.pcValMax = ui->pcValMax;
    controles.StaticText1 = ui->StaticText1;
    controles.SpeedButton1 = ui->SpeedButton1;
    controles.SpeedButton2 = ui->SpeedButton2;
    controles.SpeedButton3 = ui->SpeedButton3;
    controles.SpeedButton4 = ui->SpeedButton4;
    controles.pcTipoAG = ui->pcTipoAG;
    Vista = std::make_unique<TControleVista>(controles);
    new TVistaDescoberta(*ui->GLPanel1);
}

// The replay shows a kept generation on the surface view, the chart, the report and the
// status line, the one control that stretches: its controls go there.
void TMainForm::CriaReproducao() {
    TControlesReproducao controles;
    controles.Janela = this;
    controles.GLPanel1 = ui->GLPanel1;
    controles.Vista = Vista.get();
    controles.Chart1 = ui->Chart1;
    controles.Visualizar = ui->Visualizar;
    controles.StatusLine = ui->StatusLine;
    FReproducao = std::make_unique<TReproducao>(controles);
}

// The page "Geração" follows the replay's picks, after the designed pages.
void TMainForm::CriaPaginaGeracao() {
    TControlesGeracao controles;
    controles.Janela = this;
    controles.PageControl1 = ui->PageControl1;
    controles.Reproducao = FReproducao.get();
    controles.Vista = Vista.get();
    controles.GLPanel1 = ui->GLPanel1;
    PaginaGeracao = new TPaginaGeracao(controles);
}

const TQuadroPopulacao& TMainForm::QuadroDesenhado() const {
    return Vista->QuadroDesenhado();
}

// The page "Experimento" repeats the panel's snapshot, seeded from the window's clock.
void TMainForm::CriaPaginaExperimento() {
    TControlesExperimento controles;
    controles.pcRepeticoes = ui->pcRepeticoes;
    controles.btExecutarExperimento = ui->btExecutarExperimento;
    controles.ProgressoExperimento = ui->ProgressoExperimento;
    controles.btCancelar = ui->btCancelar;
    controles.btSalvarCsv = ui->btSalvarCsv;
    controles.btLimpar = ui->btLimpar;
    controles.btAmpliar = ui->btAmpliar;
    controles.GraficoExperimento = ui->GraficoExperimento;
    controles.ResumoExperimento = ui->ResumoExperimento;
    controles.Panel1 = ui->Panel1;
    Experimento = std::make_unique<TPaginaExperimento>(
        controles, [this] { return LeConfiguracao(); }, [this] { return Relogio(); }, this);
}

// Start-up, once the window is built and before it is first shown.
void TMainForm::FormCreate() {
    FiltroDicas = new TFiltroDica([this](const QString& dica) { ShowHint(dica); }, this);
    installEventFilter(FiltroDicas);
    // Programmatic selections: QComboBox::activated, which the handlers hang on, stays silent.
    ui->pcTipoSel->setCurrentIndex(0);     // "Roleta"
    ui->pcTipoCruz->setCurrentIndex(0);    // "1 ponto"
    ui->pcTipoMut->setCurrentIndex(0);     // "Flip"
    ui->pcTipoSubs->setCurrentIndex(0);    // "Imediata"
    ui->pcCritParada->setCurrentIndex(1);  // "Primeira situação encontrada"
    ui->pcPlotagem->setCurrentIndex(0);    // "Pontos pequenos"
    ui->GLPanel1->Redraw();                // creates the GL context and the first picture
}

// The containers of the last run go with the window.
void TMainForm::FormDestroy() {
    Motor.Populacao.reset();
    Motor.Descendencia.reset();
    Motor.Elite.reset();
}

void TMainForm::FormActivate() {
    ui->GLPanel1->Redraw();
}

void TMainForm::ShowHint(const QString& dica) {
    ui->StatusLine->showMessage(dica);
}

// The glyphs of the five buttons and the equation picture, decoded by libjpeg and shown
// unscaled from its top-left corner; both in twice the resolution on a high-DPI screen (the
// icons find their @2x files themselves).
void TMainForm::MostraImagens() {
    CarregaRecursosQuivora();
    ui->SpeedButton1->setIcon(QIcon(CaminhoGlifoInclinada));
    ui->SpeedButton2->setIcon(QIcon(CaminhoGlifoZoom));
    ui->SpeedButton3->setIcon(QIcon(CaminhoGlifoSuperior));
    ui->SpeedButton4->setIcon(QIcon(CaminhoGlifoLateral));
    ui->SpeedButton5->setIcon(QIcon(CaminhoGlifoExecutar));
    ui->Image1->setPixmap(QPixmap::fromImage(ImagemEquacao(devicePixelRatioF())));
}

bool TMainForm::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(evento);
}

// A button released over the window's own surface (not over a control that took the
// press) ends the surface view's drags.
void TMainForm::mouseReleaseEvent(QMouseEvent* evento) {
    Vista->FormMouseUp();
    QMainWindow::mouseReleaseEvent(evento);
}
