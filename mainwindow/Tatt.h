#pragma once

#include "mainwindow/secondary_window.h"

// The activities dialog; its controls come with the editor.
class Tatt : public SecondaryWindow {
    Q_OBJECT
public:
    explicit Tatt(QWidget* parent = nullptr) : SecondaryWindow("Attività nell'immersione", parent) {}
};

extern Tatt* att;
