#pragma once

#include "mainwindow/secondary_window.h"

// The renumber dialog; its controls come with renumbering.
class TFRinumera : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFRinumera(QWidget* parent = nullptr) : SecondaryWindow("Rinumera Immersioni", parent) {}
};

extern TFRinumera* FRinumera;
