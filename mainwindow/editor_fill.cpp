// Showing a dive in the editor. The fields are filled without their change handlers,
// so merely looking at a dive never changes it.

#include <QLabel>

#include "framework/combo_field.h"
#include "framework/date_field.h"
#include "framework/spin_field.h"
#include "framework/text_fields.h"
#include "logbook/list_text.h"
#include "mainwindow/TMainForm.h"

void TMainForm::Aggiorna_Dati_Form(uint32_t i) {
    emit currentDiveChanged();
    if (i >= logbook_->num_imm) return;
    const Timmersione& d = logbook_->immersioni[i];
    // Keystrokes form one step only while the editor stays on their dive.
    if (d.id.value != dive_in_editor_) history_.close_edit();
    dive_in_editor_ = d.id.value;
    nimm->fill(d.nimm);
    giorno_testo = QString::number(d.giorno);
    mese_testo = QString::number(d.mese);
    anno_testo = QString::number(d.anno);
    Data->fill(d.giorno, d.mese, d.anno);
    posto->fill(d.posto);
    punto->fill(d.punto);
    ora_imm->fill(d.ora_imm);
    min_imm->fill(d.min_imm);
    lbomb->fill(d.lbomb);
    prof->fill(d.prof);
    t_acqua->fill(d.t_acqua);
    ora_int->fill(d.ora_int);
    min_int->fill(d.min_int);
    t_aria->fill(d.t_aria);
    ora_dur->fill(d.ora_dur);
    min_dur->fill(d.min_dur);
    bar->fill(d.bar);
    allarmi->fill(Clogbook::Testo_Allarmi(d.allarmi_bit, d.allarmi_alto));
    tipo->fill(Clogbook::Testo_Tipo(d.tipo_bit, d.gas));
    attivita->fill(testo_attivita_completo(d));
    compagni->fill(d.compagni);
    commenti->fill(d.commenti);
    meteo->fill(d.meteo);
    muta->fill(d.muta);
    alt->fill(d.alt);
    for (QWidget* box : {static_cast<QWidget*>(meteo), static_cast<QWidget*>(muta), static_cast<QWidget*>(alt)})
        box->repaint();
    RxLabel40->setText(nome_computer(d.computer));
}

void TMainForm::abilita_editor() {
    for (QWidget* p : {Panel2, Panel3, Panel4}) p->setEnabled(ha_immersioni());
}
