#pragma once

#include "mainwindow/secondary_window.h"

// The print-choice dialog; its controls come with printing.
class TDialogStampa : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TDialogStampa(QWidget* parent = nullptr) : SecondaryWindow("Scegli Cosa Stampare", parent) {}
};

extern TDialogStampa* DialogStampa;
