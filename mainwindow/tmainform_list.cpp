// The dive list's refresh and the commands of the menu "Immersioni".

#include <QLabel>
#include <QListView>

#include "framework/codec.h"
#include "framework/status_bar.h"
#include "logbook/dive_set.h"
#include "logbook/list_text.h"
#include "mainwindow/TDialogStampa.h"
#include "mainwindow/TFRinumera.h"
#include "mainwindow/TFStat.h"
#include "mainwindow/TForm_Logo.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/dive_list_model.h"
#include "mainwindow/list_selection.h"

void TMainForm::Aggiorna_Indice() {
    model_->rebuild(logbook_.get());
    ListBox1->viewport()->update();
    if (logbook_->num_imm > 0) {
        seleziona_corrente();
        Aggiorna_Dati_Form(logbook_->corrente);
    } else {
        emit currentDiveChanged();
    }
    abilita_editor();
    setWindowTitle("Quorvel >>> " + nomefile);
    RxLabel29->setText(QString::fromStdString(testo_seriale(*logbook_)));
    StatusBar1->setSimpleText(QString());
}

void TMainForm::ListBox1Click() {
    const QModelIndex i = ListBox1->currentIndex();
    if (!i.isValid() || uint32_t(i.row()) >= logbook_->num_imm) return;
    logbook_->corrente = uint32_t(i.row());
    Aggiorna_Dati_Form(logbook_->corrente);
}

void TMainForm::ListBox1DblClick() {
    if (!ha_immersioni() || logbook_->attuale().lung_profilo == 0) return;
    program_sets_tab_ = true;
    PageControl1->setCurrentWidget(grafico);
    program_sets_tab_ = false;
    StatusBar1->setSimplePanel(false);
    mostra_grafico();
}

void TMainForm::ListBox1Enter() {
    if (!ha_immersioni()) return;
    logbook_->Ordina();
    Aggiorna_Indice();
}

void TMainForm::seleziona_corrente() {
    program_selects_ = true;
    ListBox1->selectionModel()->setCurrentIndex(model_->index(int(logbook_->corrente)),
                                                QItemSelectionModel::ClearAndSelect);
    program_selects_ = false;
}

void TMainForm::FormKeyDown(int key) {
    if (PageControl1->currentWidget() != grafico || !ha_immersioni()) return;
    const uint32_t c = logbook_->corrente;
    uint32_t next;
    if (key == Qt::Key_Down && c + 1 < logbook_->num_imm) next = c + 1;
    else if (key == Qt::Key_Up && c > 0) next = c - 1;
    else return;
    if (logbook_->immersioni[next].lung_profilo == 0) return;
    logbook_->corrente = next;
    // The data tab shows the dive the graph shows, so an edit there lands in the dive seen.
    seleziona_corrente();
    Aggiorna_Dati_Form(next);
    mostra_grafico();
}

void TMainForm::Inserisci1Click() {
    ritorna_ai_dati();
    const uint32_t n = logbook_->num_imm;
    sostituisci(with_dive_appended(*logbook_), "Inserisci");
    Aggiorna_Indice();
    Aggiorna_Dati_Form(n);
}

void TMainForm::Cancella1Click() {
    ritorna_ai_dati();
    sostituisci(without_dives(*logbook_, selected_positions(*ListBox1->selectionModel(), logbook_->num_imm)),
                "Cancella");
    Aggiorna_Indice();
}

void TMainForm::Rinumera1Click() {
    ritorna_ai_dati();
    FRinumera->mostra();
}

void TMainForm::rinumera(int32_t primo) {
    history_.before_reorder(*logbook_, "Rinumera");
    if (!renumber_from(*logbook_, primo)) {
        history_.discard();
        return;
    }
    history_.commit();
    Aggiorna_Indice();
}

void TMainForm::Statistiche1Click() {
    ritorna_ai_dati();
    FStat->mostra();
}

void TMainForm::Stampa2Click() { DialogStampa->mostra(); }

void TMainForm::About1Click() { Form_Logo->mostra(); }
