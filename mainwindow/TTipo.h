#pragma once

#include "mainwindow/secondary_window.h"

// The dive-type dialog; its controls come with the editor.
class TTipo : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TTipo(QWidget* parent = nullptr) : SecondaryWindow("Tipo di Immersione", parent) {}
};

extern TTipo* Tipo;
