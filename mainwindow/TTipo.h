#pragma once

#include "logbook/flag_choices.h"
#include "mainwindow/flag_dialog.h"

class QPushButton;
class RadioGroup;

// The dive-type dialog: edits the type flags and the gas of the current dive.
class TTipo : public FlagDialog {
    Q_OBJECT
public:
    explicit TTipo(QWidget* parent = nullptr);

    RadioGroup *RadioGroup1, *RadioGroup2, *RadioGroup3, *RadioGroup4;
    QPushButton* BitBtn1;

    void FormShow() override;
    void FormClose() override;

    TypeChoice scelta() const;

private:
    void carica(const Timmersione* d) override;
    bool salva() override;
};

extern TTipo* Tipo;
