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

TTipo::TTipo(QWidget* parent) : FlagDialog("Tipo di Immersione", DiveField::tipo, parent) {
    setFixedSize(248, 195);
    move(455, 151);
    RadioGroup1 = group(this, "RadioGroup1", "Gas", {"Aria", "Nitrox", "SCR"}, 0, 0, 89);
    RadioGroup2 = group(this, "RadioGroup2", "Tipo", {"", "In Curva", "Decompressione"}, 96, 0, 137);
    RadioGroup3 = group(this, "RadioGroup3", "Risalita", {"", "Unica", "Multipla"}, 0, 56, 89);
    RadioGroup4 = group(this, "RadioGroup4", "Acqua", {"", "Dolce", "Salata"}, 96, 56, 137);
    BitBtn1 = ok_button(this, 83, 118);
    connect(BitBtn1, &QPushButton::clicked, this, &TTipo::BitBtn1Click);
    for (RadioGroup* g : {RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4})
        connect(g, &RadioGroup::itemIndexChanged, this, [this] { cambiato(); });
}

TypeChoice TTipo::scelta() const {
    return {RadioGroup1->itemIndex(), RadioGroup2->itemIndex(), RadioGroup3->itemIndex(), RadioGroup4->itemIndex()};
}

void TTipo::carica(const Timmersione* d) {
    const TypeChoice c = d ? type_choice_from(d->tipo_bit, d->gas) : TypeChoice{};
    const int items[] = {c.gas, c.tipo, c.risalita, c.acqua};
    int i = 0;
    for (RadioGroup* g : {RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4}) {
        g->setItemIndex(items[i++]);
        g->setEnabled(d != nullptr);
    }
}

bool TTipo::salva() { return store_type(MainForm->logbook(), scelta()); }

void TTipo::FormShow() { ricarica(); }

void TTipo::FormClose() {
    salva_passo();
    MainForm->ListBox1Click();
}
