// "Annulla" and "Ripeti": every change to the logbook can be taken back and done again.

#include <QAction>

#include "mainwindow/TFStat.h"
#include "mainwindow/TMainForm.h"

void TMainForm::Annulla1Click() { ripercorri(&UndoHistory::undo); }
void TMainForm::Ripeti1Click() { ripercorri(&UndoHistory::redo); }

void TMainForm::ripercorri(void (UndoHistory::*verso)(UndoHistory::OpenLogbook)) {
    std::u16string nome = nomefile.toStdU16String();
    (history_.*verso)({logbook_, nome});
    nomefile = QString::fromStdU16String(nome);
    // The list, the editor, the title and the flag dialogs.
    Aggiorna_Indice();
    // An open graph shows the dive the step touched, while it has a profile.
    if (PageControl1->currentWidget() == grafico) {
        if (PageControl1Changing()) {
            mostra_grafico();
        } else {
            ritorna_ai_dati();
            PageControl1Change();
        }
    }
    if (FStat && FStat->isVisible()) FStat->FormShow();
}

void TMainForm::aggiorna_voci_annulla() {
    const auto voce = [](QAction* a, const char* verbo, bool can, const std::string& step) {
        a->setEnabled(can);
        a->setText(can ? QString("%1 %2").arg(verbo, QString::fromStdString(step)) : QString(verbo));
    };
    static const std::string none;
    voce(Annulla1, "Annulla", history_.can_undo(), history_.can_undo() ? history_.undo_name() : none);
    voce(Ripeti1, "Ripeti", history_.can_redo(), history_.can_redo() ? history_.redo_name() : none);
}

void TMainForm::before_dive_change(DiveField field, bool keystroke) {
    if (ha_immersioni()) history_.before_field_change(*logbook_, field, keystroke);
}

void TMainForm::after_dive_change() {
    if (ha_immersioni()) history_.after_field_change(*logbook_);
}
