#include "mainwindow/TDialogStampa.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "framework/error_box.h"
#include "framework/radio_group.h"
#include "mainwindow/TMainForm.h"

TDialogStampa* DialogStampa = nullptr;

namespace {

// A framed group of radio buttons, the first one chosen.
QGroupBox* radio_group(const char* name, const QString& caption, const QStringList& items, QButtonGroup* buttons,
                       QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items[i], group);
        buttons->addButton(item, i);
        layout->addWidget(item);
    }
    buttons->button(0)->setChecked(true);
    tab_lands_on_checked(buttons);
    return group;
}

}  // namespace

TDialogStampa::TDialogStampa(QWidget* parent) : SecondaryWindow("Scegli Cosa Stampare", parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    if (parent) setFont(parent->font());
    setGeometry(352, 183, 217, 210);

    quali_ = new QButtonGroup(this);
    cosa_ = new QButtonGroup(this);
    RadioGroup1 = radio_group("RadioGroup1", "Quali Immersioni",
                              {"Solo Immersioni Selezionate", "Tutte le Immersioni"}, quali_, this);
    RadioGroup2 = radio_group("RadioGroup2", "Cosa Stampare", {"Descrizione", "Testo e Grafico"}, cosa_, this);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "Stampa", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
    BitBtn2->setObjectName("BitBtn2");
    // Caught here, so that no exception crosses Qt's signal code.
    connect(BitBtn1, &QPushButton::clicked, this, [this] { run_reporting_errors([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(RadioGroup1);
    layout->addWidget(RadioGroup2);
    layout->addStretch();
    layout->addLayout(buttons);
}

int TDialogStampa::RadioGroup1Index() const { return quali_->checkedId(); }
int TDialogStampa::RadioGroup2Index() const { return cosa_->checkedId(); }

void TDialogStampa::BitBtn1Click() {
    MainForm->stampa_quali = RadioGroup1Index();
    MainForm->stampa_cosa = RadioGroup2Index();
    MainForm->Stampa_Logbook();
    close();
}

void TDialogStampa::BitBtn2Click() { close(); }

void TDialogStampa::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) BitBtn2Click();
    else SecondaryWindow::keyPressEvent(event);
}
