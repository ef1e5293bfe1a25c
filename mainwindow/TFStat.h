#pragma once

#include "mainwindow/secondary_window.h"

// The statistics window; its figures come with the statistics.
class TFStat : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFStat(QWidget* parent = nullptr) : SecondaryWindow("Statistiche", parent) {}
};

extern TFStat* FStat;
