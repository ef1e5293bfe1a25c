#pragma once

#include "mainwindow/secondary_window.h"

class QLabel;
class QPushButton;
class SpinField;

// The renumber dialog: OK numbers the open logbook from the typed number on, in date
// order; Cancel, Esc and the close box only hide it. The typed number stays for the
// next showing.
class TFRinumera : public SecondaryDialog {
    Q_OBJECT
public:
    explicit TFRinumera(QWidget* parent = nullptr);

    QLabel* RxLabel1;
    SpinField* numera;
    QPushButton *BitBtn1, *BitBtn2;

    void BitBtn1Click();
    void BitBtn2Click() { hide(); }

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override { BitBtn2Click(); }
};

extern TFRinumera* FRinumera;
