#pragma once

#include <array>

#include "logbook/flag_choices.h"
#include "mainwindow/flag_dialog.h"

class QCheckBox;
class QLabel;
class QPushButton;
class TextField;

// The activities dialog: edits the activities and the free "Altro" text of the
// current dive.
class Tatt : public FlagDialog {
    Q_OBJECT
public:
    explicit Tatt(QWidget* parent = nullptr);

    std::array<QCheckBox*, 12> CheckBox;  // CheckBox1 .. CheckBox12
    QLabel* Label1;
    TextField* altro;
    QPushButton* BitBtn1;

    void FormShow() override;
    void FormClose() override;

    ActivityBoxes caselle() const;

private:
    void carica(const Timmersione* d) override;
    bool salva() override;
};

extern Tatt* att;
