#include "mainwindow/TTipo.h"

#include <QPushButton>

#include "framework/radio_group.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/ok_button.h"

TTipo* Tipo = nullptr;

namespace {

RadioGroup* group(QWidget* parent, const char* name, const QString& caption, const QStringList& items, int left,
                  int top, int width) {
    auto* g = new RadioGroup(caption, items, parent);
    g->setObjectName(name);
    g->setGeometry(left, top, width, 57);
    return g;
}

}  // namespace

TTipo::TTipo(QWidget* parent) : FlagDialog("Tipo di Immersione", parent) {
    setFixedSize(248, 195);
    move(455, 151);
    RadioGroup1 = group(this, "RadioGroup1", "Gas", {"Aria", "Nitrox", "SCR"}, 0, 0, 89);
    RadioGroup2 = group(this, "RadioGroup2", "Tipo", {"", "In Curva", "Decompressione"}, 96, 0, 137);
    RadioGroup3 = group(this, "RadioGroup3", "Risalita", {"", "Unica", "Multipla"}, 0, 56, 89);
    RadioGroup4 = group(this, "RadioGroup4", "Acqua", {"", "Dolce", "Salata"}, 96, 56, 137);
    BitBtn1 = ok_button(this, 83, 118);
    connect(BitBtn1, &QPushButton::clicked, this, &TTipo::BitBtn1Click);
}

TypeChoice TTipo::scelta() const {
    return {RadioGroup1->itemIndex(), RadioGroup2->itemIndex(), RadioGroup3->itemIndex(), RadioGroup4->itemIndex()};
}

void TTipo::mostra_scelta(const TypeChoice& c) {
    RadioGroup1->setItemIndex(c.gas);
    RadioGroup2->setItemIndex(c.tipo);
    RadioGroup3->setItemIndex(c.risalita);
    RadioGroup4->setItemIndex(c.acqua);
}

void TTipo::FormShow() {
    mostra_scelta({});
    const Clogbook& lb = MainForm->logbook();
    if (lb.corrente < lb.num_imm) mostra_scelta(type_choice_from(lb.attuale().tipo_bit, lb.attuale().gas));
}

void TTipo::FormClose() {
    // The dive current now, which may not be the one shown when the dialog opened.
    store_type(MainForm->logbook(), scelta());
    MainForm->ListBox1Click();
    mostra_scelta({});
}
