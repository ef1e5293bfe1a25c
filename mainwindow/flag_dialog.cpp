#include "mainwindow/flag_dialog.h"

#include "mainwindow/TMainForm.h"

FlagDialog::FlagDialog(const QString& caption, QWidget* parent) : SecondaryDialog(caption, parent) {
    if (MainForm)
        connect(MainForm, &TMainForm::currentDiveChanged, this, [this] {
            if (isVisible()) ricarica();
        });
}

void FlagDialog::mostra() {
    if (isVisible()) FormShow();
    SecondaryDialog::mostra();
}

void FlagDialog::ricarica() {
    const Clogbook& lb = MainForm->logbook();
    caricando_ = true;
    carica(lb.corrente < lb.num_imm ? &lb.immersioni[lb.corrente] : nullptr);
    caricando_ = false;
}

void FlagDialog::cambiato() {
    if (caricando_ || !salva()) return;
    // The editor's memos show the new flags.
    MainForm->Aggiorna_Dati_Form(MainForm->logbook().corrente);
}
