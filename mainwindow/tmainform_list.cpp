// The dive list's refresh and the commands of the menu "Immersioni".

#include <QLabel>
#include <QListView>

#include "framework/codec.h"
#include "framework/status_bar.h"
#include "logbook/list_text.h"
#include "mainwindow/TDialogStampa.h"
#include "mainwindow/TFRinumera.h"
#include "mainwindow/TFStat.h"
#include "mainwindow/TForm_Logo.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/dive_list_model.h"

void TMainForm::Aggiorna_Indice() {
    model_->rebuild(logbook_.get());
    ListBox1->viewport()->update();
    if (logbook_->num_imm > 0) {
        const QModelIndex i = model_->index(int(logbook_->corrente));
        ListBox1->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
        Aggiorna_Dati_Form(logbook_->corrente);
    }
    setWindowTitle("Quorvel >>> " + nomefile);
    RxLabel29->setText(QString::fromStdString(testo_seriale(*logbook_)));
    StatusBar1->setSimpleText(QString());
}

void TMainForm::Aggiorna_Dati_Form(uint32_t) {
    // Filled by the dive editor.
}

void TMainForm::ListBox1Click() {
    const QModelIndex i = ListBox1->currentIndex();
    if (!i.isValid() || uint32_t(i.row()) >= logbook_->num_imm) return;
    logbook_->corrente = uint32_t(i.row());
    Aggiorna_Dati_Form(logbook_->corrente);
}

void TMainForm::Inserisci1Click() {
    ritorna_ai_dati();
    const uint32_t n = logbook_->num_imm;
    auto nuovo = std::make_unique<Clogbook>(n + 1);
    std::copy(std::begin(logbook_->seriale2), std::end(logbook_->seriale2), nuovo->seriale2);
    std::copy(std::begin(logbook_->seriale), std::end(logbook_->seriale), nuovo->seriale);
    nuovo->base_num = logbook_->base_num;
    for (uint32_t i = 0; i <= n; ++i) {
        nuovo->corrente = i;
        if (i < n) nuovo->Copia_Immersione(*logbook_, i);
        else nuovo->set_nimm();
    }
    nuovo->corrente = n;
    sostituisci(std::move(nuovo));
    Aggiorna_Indice();
    Aggiorna_Dati_Form(n);
}

void TMainForm::Cancella1Click() {
    // Deleting the selected dives comes with its own change.
    ritorna_ai_dati();
}

void TMainForm::Rinumera1Click() {
    ritorna_ai_dati();
    FRinumera->mostra();
}

void TMainForm::Statistiche1Click() {
    ritorna_ai_dati();
    FStat->mostra();
}

void TMainForm::Stampa2Click() { DialogStampa->mostra(); }

void TMainForm::About1Click() { Form_Logo->mostra(); }
