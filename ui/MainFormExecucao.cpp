// The run from the window: the panel's snapshot, the engine's run, and what the window does
// with what the run tells it (report lines; after each generation the chart, the surface view
// and the replay's record).
//
// The run executes inside the button's click handler and never returns to the event loop
// until it ends, so clicks and keys given meanwhile wait in the queue: no handler of the
// panel runs and no parameter changes during a run. Only the chart and the surface view are
// brought up to date on screen, by their own synchronous repaints; the report's lines go into
// its page when the run ends. Each generation's record goes to the replay as it is drawn.

#include "MainForm.h"

#include "ui_MainForm.h"

#include "PaginaGeracao.h"

#include "ComandoRepeticao.h"
#include "ComandosExecucao.h"
#include "ControleVista.h"
#include "FormatoNumero.h"
#include "Relatorio.h"
#include "Reproducao.h"

#include <QLocale>
#include <QMessageBox>

void TMainForm::SpeedButton5Click() {
    Executa(Relogio);
}

void TMainForm::Executa(const TRelogio& relogio) {
    const TConfiguracao configuracao = ConfiguracaoDoPainel();  // 1.
    TConfiguracaoAG config;
    try {
        config =
            ConfiguracaoAG(configuracao.Painel, {configuracao.Paralelo, configuracao.Elitismo,
                                                 configuracao.Escalonamento, configuracao.Torneio});
    } catch (const EConversao& erro) {
        // The run stops before clearing anything; the window, replay included, goes on as
        // it was.
        MostraErroConversao(erro);
        return;
    }
    LimpaGrafico();      // 2.
    Relatorio->Limpa();  // 4.
    Semente = relogio();
    const TResultadoAG resultado = Motor.Executa(config, Semente, *this);
    Relatorio->Descarrega();
    TerminaExecucao(configuracao, config, resultado);
}

void TMainForm::TerminaExecucao(const TConfiguracao& configuracao, const TConfiguracaoAG& config,
                                const TResultadoAG& resultado) {
    TFimExecucao fim =
        FimDaExecucao(resultado, config, FReproducao->Geracoes().Geracao(0).Populacao.Dados);
    fim.Semente = Semente;
    fim.Comando = LinhaDeComando(ArgumentosExecucao(configuracao, Semente));
    PaginaGeracao->Configura(config);
    FReproducao->Termina(fim);
    Comandos->Executada(fim.Comando);
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

void TMainForm::Linha(const std::string& linha) {
    Relatorio->Adiciona(QString::fromStdString(linha));
}

void TMainForm::LimpaGrafico() {
    for (int serie = 1; serie <= 4; ++serie)
        ui->Chart1->LimpaSerie(serie);
}

// After generation g (from 1): one point to each series, labelled g, and the chart repainted.
void TMainForm::PlotaGeracao(const TDadosGeracao& dados) {
    const QString rotulo = QString::number(dados.Geracao);
    ui->Chart1->AnexaPonto(1, dados.Melhor1, rotulo);
    ui->Chart1->AnexaPonto(2, dados.Melhor2, rotulo);
    ui->Chart1->AnexaPonto(3, dados.Media1, rotulo);
    ui->Chart1->AnexaPonto(4, dados.Media2, rotulo);
    ui->Chart1->Atualiza();
}

// Each generation is recorded straight into the replay's storage; a new run's generation 0
// replaces the last run's generations.
TRegistroGeracao* TMainForm::OndeRegistrar(int geracao) {
    if (geracao == 0)
        FReproducao->Recomeca();
    return &FReproducao->ProximaGeracao();
}

// Generation 0 is kept for the replay but not drawn during the run; every later one feeds the
// chart and is drawn at once (9. to 11.).
TContinuacao TMainForm::Avaliada(const TGeracaoAvaliada& geracao) {
    if (geracao.Dados.Geracao > 0)
        PlotaGeracao(geracao.Dados);
    Vista->MostraPopulacao(geracao.Registro->Populacao);
    if (geracao.Dados.Geracao > 0)
        ui->GLPanel1->Redraw();
    FReproducao->GuardaGeracao();
    return TContinuacao::Segue;
}
