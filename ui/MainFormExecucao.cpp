// The run from the window: the panel's snapshot, the engine's run, and the window's side of
// the engine's owner interface (switches in; report lines, chart points and redraws out).
//
// The run executes inside the button's click handler and never returns to the event loop
// until it ends, so clicks and keys given meanwhile wait in the queue: no handler of the
// panel runs and no parameter changes during a run. Only the chart and the surface view are
// brought up to date on screen, by their own synchronous repaints; the report's lines go into
// its page when the run ends. Each generation's frame goes to the replay as it is drawn.

#include "MainForm.h"

#include "ui_MainForm.h"

#include "ComandoRepeticao.h"
#include "ControleVista.h"
#include "FormatoNumero.h"
#include "Relatorio.h"
#include "Reproducao.h"

#include <QLocale>
#include <QMessageBox>

void TMainForm::SpeedButton5Click() {
    const TConfiguracao configuracao = ConfiguracaoDoPainel();
    try {
        Motor.Executa(configuracao.Painel);
    } catch (const EConversao& erro) {
        // The run stopped before clearing anything; the window, replay included, goes on as
        // it was.
        MostraErroConversao(erro);
        return;
    }
    Relatorio->Descarrega();
    TerminaExecucao(configuracao);
}

void TMainForm::TerminaExecucao(const TConfiguracao& configuracao) {
    TFimExecucao fim = FimDaExecucao(Motor);
    fim.Semente = Semente;
    fim.Comando = LinhaDeComando(ArgumentosExecucao(configuracao, Semente));
    FReproducao->Termina(fim);
}

void TMainForm::MostraErroConversao(const std::exception& erro) {
    QMessageBox caixa(QMessageBox::Critical, QStringLiteral("Quivora"),
                      QString::fromStdString(erro.what()), QMessageBox::Ok, this);
    caixa.exec();
}

TConfiguracao TMainForm::ConfiguracaoDoPainel() const {
    TConfiguracao c;
    c.Painel = LePainel();
    c.Elitismo = UsaElitismo();
    c.Escalonamento = UsaEscalonamento();
    c.Paralelo = AGParalelo();
    c.Torneio = QuantTorneio();
    return c;
}

std::optional<TConfiguracao> TMainForm::LeConfiguracao() {
    TConfiguracao c = ConfiguracaoDoPainel();
    try {
        (void)Diferenca(c);
    } catch (const EConversao& erro) {
        MostraErroConversao(erro);
        return std::nullopt;
    }
    return c;
}

// The panel's values, in the order the run takes them; the tolerance stays text for the
// run itself to convert.
TPainel TMainForm::LePainel() const {
    TPainel painel;
    TParametros& p = painel.Valores;
    p.TamPop = ui->pcTamPop->value();
    p.TamCrom = ui->pcTamCrom->value();
    p.TipoSel = ui->pcTipoSel->currentText().toStdString();
    p.TipoCruz = ui->pcTipoCruz->currentText().toStdString();
    p.TaxaCruz = ui->pcTaxaCruz->value();
    p.TipoMut = ui->pcTipoMut->currentText().toStdString();
    p.TaxaMut = ui->pcTaxaMut->value();
    p.LimGer = ui->pcLimGer->value();
    p.TipoSubs = ui->pcTipoSubs->currentText().toStdString();
    p.ValMin = ui->pcValMin->value();
    p.ValMax = ui->pcValMax->value();
    p.CritParada = ui->pcCritParada->currentText().toStdString();
    painel.TextoDiferenca = ui->pcDiferenca->text().toStdString();
    painel.SeparadorDecimal = SeparadorDecimal();
    return painel;
}

std::string TMainForm::SeparadorDecimal() {
    return QLocale::system().decimalPoint().toStdString();
}

bool TMainForm::AGParalelo() const {
    return ui->pcTipoAG->isChecked();
}

bool TMainForm::UsaElitismo() const {
    return ui->pcElite->isChecked();
}

bool TMainForm::UsaEscalonamento() const {
    return ui->pcEscalonamento->isChecked();
}

int TMainForm::QuantTorneio() const {
    return ui->pcQuantTorneio->value();
}

std::uint32_t TMainForm::LeRelogio() {
    Semente = Relogio();
    return Semente;
}

void TMainForm::LimpaRelatorio() {
    Relatorio->Limpa();
}

void TMainForm::AdicionaLinha(const std::string& linha) {
    Relatorio->Adiciona(QString::fromStdString(linha));
}

void TMainForm::LimpaGrafico() {
    for (int serie = 1; serie <= 4; ++serie)
        ui->Chart1->LimpaSerie(serie);
}

void TMainForm::PlotaGeracao(int geracao, double melhor1, double melhor2, double media1,
                             double media2) {
    const QString rotulo = QString::number(geracao);
    ui->Chart1->AnexaPonto(1, melhor1, rotulo);
    ui->Chart1->AnexaPonto(2, melhor2, rotulo);
    ui->Chart1->AnexaPonto(3, media1, rotulo);
    ui->Chart1->AnexaPonto(4, media2, rotulo);
    ui->Chart1->Atualiza();
}

void TMainForm::Redesenha() {
    ui->GLPanel1->Redraw();
    FReproducao->Guarda(Vista->QuadroDesenhado(), MelhorDaGeracao(Motor));
}

// Generation 0 is not drawn during the run; its frame is the one a draw would show now.
void TMainForm::AvaliouGeracaoInicial() {
    FReproducao->Recomeca();
    TQuadroPopulacao quadro;
    MontaQuadroPopulacao(Motor, AGParalelo(), quadro);
    FReproducao->Guarda(quadro, MelhorDaGeracao(Motor));
}
