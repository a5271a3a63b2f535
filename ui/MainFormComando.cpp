// A quivora-run command on the panel: "Repetir comando…" and "Abrir execução…" set the panel's
// controls to the command's options, as a user could, and run it with the command's seed, so
// that the report is quivora-run's output for that command.

#include "MainForm.h"

#include "ui_MainForm.h"

#include "ComandosExecucao.h"
#include "PainelOpcoes.h"
#include "Reproducao.h"

void TMainForm::CriaComandos() {
    Comandos =
        new TComandosExecucao(FReproducao->MenuImagens(), *this, SeparadorDecimal(),
                              [this](const TComandoPainel& comando) { ExecutaComando(comando); });
}

// The selection's own rule enables the tournament size; the command's reader has refused the
// selection that rule refuses.
void TMainForm::ExecutaComando(const TComandoPainel& comando) {
    PoeConfiguracao(*ui->Panel1, comando.Config);
    pcTipoSelChange();
    if (comando.Semente)
        Executa([semente = *comando.Semente] { return semente; });
    else
        Executa(Relogio);
}
