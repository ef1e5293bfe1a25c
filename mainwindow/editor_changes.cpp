// The editor's change handlers: each writes its field into the dive corrente the
// moment the user changes it. With no dive there is nothing to write into.

#include <QToolButton>
#include <cmath>

#include "framework/combo_field.h"
#include "framework/core/date_pieces.h"
#include "framework/date_field.h"
#include "framework/error_box.h"
#include "framework/spin_field.h"
#include "framework/text_fields.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/TTipo.h"
#include "mainwindow/Tatt.h"
#include "mainwindow/dive_list_model.h"

namespace {

int32_t whole_value(const SpinField* f) { return int32_t(std::trunc(f->value())); }

}  // namespace

void TMainForm::connect_editor() {
    // The user's changes only; an error a handler raises goes to the error box here,
    // before it could cross Qt's signal code.
    auto on_change = [this](auto* field, DiveField which, void (TMainForm::*handler)()) {
        connect(field, &std::remove_pointer_t<decltype(field)>::changedByUser, this, [this, which, handler] {
            run_reporting_errors([&] {
                if (!ha_immersioni()) return;
                // The dive's list item keeps its text until the next rebuild.
                model_->freeze(int(logbook_->corrente));
                before_dive_change(which, true);
                (this->*handler)();
                after_dive_change();
            });
        });
    };
    on_change(Data, DiveField::data, &TMainForm::DataChange);
    on_change(ora_imm, DiveField::ora_imm, &TMainForm::ora_immChange);
    on_change(min_imm, DiveField::min_imm, &TMainForm::min_immChange);
    on_change(ora_int, DiveField::ora_int, &TMainForm::ora_intChange);
    on_change(min_int, DiveField::min_int, &TMainForm::min_intChange);
    on_change(ora_dur, DiveField::ora_dur, &TMainForm::ora_durChange);
    on_change(min_dur, DiveField::min_dur, &TMainForm::min_durChange);
    on_change(lbomb, DiveField::lbomb, &TMainForm::lbombChange);
    on_change(bar, DiveField::bar, &TMainForm::barChange);
    on_change(prof, DiveField::prof, &TMainForm::profChange);
    on_change(t_acqua, DiveField::t_acqua, &TMainForm::t_acquaChange);
    on_change(t_aria, DiveField::t_aria, &TMainForm::t_ariaChange);
    on_change(muta, DiveField::muta, &TMainForm::mutaChange);
    on_change(alt, DiveField::alt, &TMainForm::altChange);
    on_change(meteo, DiveField::meteo, &TMainForm::meteoChange);
    on_change(posto, DiveField::posto, &TMainForm::postoChange);
    on_change(punto, DiveField::punto, &TMainForm::puntoChange);
    on_change(compagni, DiveField::compagni, &TMainForm::compagniChange);
    on_change(commenti, DiveField::commenti, &TMainForm::commentiChange);
    connect(b_tipo, &QToolButton::clicked, this, &TMainForm::b_tipoClick);
    connect(b_att, &QToolButton::clicked, this, &TMainForm::b_attClick);
}

void TMainForm::DataChange() {
    const DatePieces pieces = cut_date_pieces(Data->text().toStdString());
    giorno_testo = QString::fromStdString(pieces.day);
    mese_testo = QString::fromStdString(pieces.month);
    anno_testo = QString::fromStdString(pieces.year);
    const DateNumbers date = convert_date_pieces(pieces);
    logbook_->set_data(date.giorno, date.mese, date.anno);
}

void TMainForm::ora_immChange() { logbook_->set_orario(whole_value(ora_imm), logbook_->attuale().min_imm); }
void TMainForm::min_immChange() { logbook_->set_orario(logbook_->attuale().ora_imm, whole_value(min_imm)); }
void TMainForm::ora_intChange() { logbook_->set_intervallo(whole_value(ora_int), logbook_->attuale().min_int); }
void TMainForm::min_intChange() { logbook_->set_intervallo(logbook_->attuale().ora_int, whole_value(min_int)); }
void TMainForm::ora_durChange() { logbook_->set_durata(whole_value(ora_dur), logbook_->attuale().min_dur); }
void TMainForm::min_durChange() { logbook_->set_durata(logbook_->attuale().ora_dur, whole_value(min_dur)); }
void TMainForm::lbombChange() { logbook_->set_lbomb(whole_value(lbomb)); }
void TMainForm::barChange() { logbook_->set_bar(bar->value()); }
void TMainForm::profChange() { logbook_->set_prof(prof->value()); }
void TMainForm::t_acquaChange() { logbook_->set_t_acqua(t_acqua->value()); }
void TMainForm::t_ariaChange() { logbook_->set_t_aria(t_aria->value()); }
void TMainForm::mutaChange() { logbook_->set_muta(muta->index()); }
void TMainForm::altChange() { logbook_->set_alt(alt->index()); }
void TMainForm::meteoChange() { logbook_->set_meteo(meteo->index()); }
void TMainForm::postoChange() { logbook_->set_posto(posto->bytes()); }
void TMainForm::puntoChange() { logbook_->set_punto(punto->bytes()); }
void TMainForm::compagniChange() { logbook_->set_compagni(compagni->bytes()); }
void TMainForm::commentiChange() { logbook_->set_commenti(commenti->bytes()); }

// With no dive there is nothing to edit, so the dialogs stay closed.
void TMainForm::b_tipoClick() {
    if (ha_immersioni()) Tipo->mostra();
}
void TMainForm::b_attClick() {
    if (ha_immersioni()) att->mostra();
}
