#include "mainwindow/TFRinumera.h"

#include <QLabel>
#include <QShowEvent>
#include <limits>

#include "framework/accessible_names.h"
#include "framework/error_box.h"
#include "framework/spin_field.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/ok_button.h"

TFRinumera* FRinumera = nullptr;

TFRinumera::TFRinumera(QWidget* parent) : SecondaryDialog("Rinumera Immersioni", parent) {
    setFixedSize(188, 152);
    RxLabel1 = new QLabel("Inserisci il numero iniziale\ndelle immersioni", this);
    RxLabel1->setObjectName("RxLabel1");
    RxLabel1->setAlignment(Qt::AlignCenter);
    RxLabel1->setGeometry(0, 8, 188, 34);
    numera = new SpinField(SpinField::Kind::Integer, this);
    numera->setObjectName("numera");
    numera->setGeometry(19, 52, 149, 24);
    // Any first number whose predecessor, base_num, is still a 32-bit number; a text that
    // is no number starts from 0, as a field without bounds reads it.
    numera->setRange(std::numeric_limits<int32_t>::min() + 1.0, std::numeric_limits<int32_t>::max());
    numera->setNoNumberValue(0);
    numera->fill(1);
    name_after_caption(RxLabel1, numera);
    BitBtn1 = ok_button(this, 11, 100);
    BitBtn2 = stock_button(this, "BitBtn2", "Cancel", QStyle::SP_DialogCancelButton, 102, 100);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { run_reporting_errors([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, &TFRinumera::BitBtn2Click);
}

void TFRinumera::BitBtn1Click() {
    // Enter leaves the focus in the field: it shows the number used all the same.
    numera->settle();
    const auto first = int32_t(numera->value());
    MainForm->rinumera(first);
    hide();
}

void TFRinumera::showEvent(QShowEvent* event) {
    numera->setFocus();
    numera->selectAll();
    SecondaryDialog::showEvent(event);
}
