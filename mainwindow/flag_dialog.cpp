#include "mainwindow/flag_dialog.h"

#include "mainwindow/TMainForm.h"

FlagDialog::FlagDialog(const QString& caption, DiveField field, QWidget* parent)
    : SecondaryDialog(caption, parent), field_(field) {
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

bool FlagDialog::salva_passo(bool keystroke) {
    MainForm->before_dive_change(field_, keystroke);
    const bool saved = salva();
    MainForm->after_dive_change();
    return saved;
}

void FlagDialog::cambiato(bool keystroke) {
    if (caricando_ || !salva_passo(keystroke)) return;
    // The editor's memos show the new flags.
    MainForm->Aggiorna_Dati_Form(MainForm->logbook().corrente);
}
