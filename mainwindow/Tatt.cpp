#include "mainwindow/Tatt.h"

#include <QCheckBox>
#include <QLabel>

#include "framework/accessible_names.h"
#include "framework/text_fields.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/ok_button.h"

Tatt* att = nullptr;

Tatt::Tatt(QWidget* parent) : FlagDialog("Attività nell'immersione", DiveField::attivita, parent) {
    setFixedSize(258, 289);
    move(569, 308);
    // Two columns of six, in the order of the activity bits.
    const char* const captions[12] = {"Osservazione", "In Gruppo", "Corso",   "Addestramento",
                                      "Notturna",     "In Grotta", "Ghiaccio", "Ricerca",
                                      "Relitti",      "Fiume",     "Corrente", "Foto/Video"};
    for (int i = 0; i < 12; ++i) {
        CheckBox[i] = new QCheckBox(captions[i], this);
        CheckBox[i]->setObjectName(QString("CheckBox%1").arg(i + 1));
        CheckBox[i]->setGeometry(i < 6 ? 0 : 128, 24 * (i % 6), 121, 17);
        connect(CheckBox[i], &QCheckBox::toggled, this, [this] { cambiato(); });
    }
    Label1 = new QLabel("Altro", this);
    Label1->setObjectName("Label1");
    Label1->move(0, 144);
    altro = new TextField(this);
    altro->setObjectName("altro");
    altro->setGeometry(0, 160, 247, 21);
    name_after_caption(Label1, altro);
    connect(altro, &TextField::changedByUser, this, [this] { cambiato(true); });
    BitBtn1 = ok_button(this, 86, 194);
    connect(BitBtn1, &QPushButton::clicked, this, &Tatt::BitBtn1Click);
}

ActivityBoxes Tatt::caselle() const {
    ActivityBoxes boxes{};
    for (int i = 0; i < 12; ++i) boxes[i] = CheckBox[i]->isChecked();
    return boxes;
}

void Tatt::carica(const Timmersione* d) {
    const ActivityBoxes boxes = d ? activity_boxes_from(d->att_bit1, d->att_bit2) : ActivityBoxes{};
    for (int i = 0; i < 12; ++i) {
        CheckBox[i]->setChecked(boxes[i]);
        CheckBox[i]->setEnabled(d != nullptr);
    }
    // Refilled only when it differs, so that the text being typed keeps its cursor.
    const std::string text = d ? d->altro : std::string();
    if (altro->bytes() != text) altro->fill(text);
    altro->setEnabled(d != nullptr);
}

bool Tatt::salva() { return store_activities(MainForm->logbook(), caselle(), altro->bytes()); }

void Tatt::FormShow() {
    ricarica();
    altro->setFocus();
}

void Tatt::FormClose() {
    salva_passo();
    MainForm->ListBox1Click();
}
