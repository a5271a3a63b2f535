// The parameter panel's interlocks: how a change of one control enables, disables or resets
// others. Programmatic list selections here raise no handler (the lists report only
// QComboBox::activated), so no rule runs another.

#include "MainForm.h"

#include "ui_MainForm.h"

#include "CaixaCentrada.h"
#include "FormatoNumero.h"
#include "PainelOpcoes.h"

#include <QAbstractButton>

namespace {

enum ItemSelecao { ItemRoleta = 0, ItemTorneio = 1, ItemNMelhores = 2 };

}  // namespace

// The tournament size matters only for "Torneio"; "n Melhores" is refused.
void TMainForm::pcTipoSelChange() {
    ui->pcQuantTorneio->setEnabled(ui->pcTipoSel->currentIndex() == ItemTorneio);
    if (ui->pcTipoSel->currentIndex() != ItemNMelhores)
        return;
    TCaixaCentrada aviso(QMessageBox::Warning, QStringLiteral("Warning"),
                         QString::fromStdString(ProcuraOpcao("selection")->Recusa),
                         QMessageBox::Cancel);
    // The box's texts are designed; Qt's translation would turn its button into "Cancelar".
    aviso.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancel"));
    aviso.exec();
    ui->pcTipoSel->setCurrentIndex(ItemRoleta);
    ui->GLPanel1->Redraw();
}

// A tournament can hold at most the whole population; every change of size restarts it at its
// start value.
void TMainForm::pcTamPopChange() {
    SegueMaximo(*ui->Panel1, "pop");
}

// The interlocks of the table of options: immediate replacement always crosses every pair.
// Raised by the stop criterion too, whose own selection plays no part.
void TMainForm::pcTipoSubsChange() {
    AplicaTravas(*ui->Panel1);
}

// The same interlocks: parallel mode works only with one-point crossover and immediate
// replacement at the full rate; leaving it enables what no other lock holds. Raised by the
// elitism box too, whose own state plays no part.
void TMainForm::pcTipoAGClick() {
    AplicaTravas(*ui->Panel1);
}

// The arrows write hundredths over the tolerance text; the text is never read back.
void TMainForm::SpinEdit1Change() {
    const double tolerancia = ui->SpinEdit1->value() / 100.0;
    ui->pcDiferenca->setText(QString::fromStdString(FormataReal(tolerancia, SeparadorDecimal())));
}
