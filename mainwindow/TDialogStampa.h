#pragma once

#include "mainwindow/secondary_window.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QKeyEvent;

// The print-choice dialog: which dives, and whether each page carries the graph.
// Created once, it keeps the diver's last choices for the rest of the run.
class TDialogStampa : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TDialogStampa(QWidget* parent = nullptr);

    QGroupBox* RadioGroup1;  // "Quali Immersioni"
    QGroupBox* RadioGroup2;  // "Cosa Stampare"
    QPushButton* BitBtn1;    // "Stampa"
    QPushButton* BitBtn2;    // "Cancel"

    // The chosen items, counted from 0.
    int RadioGroup1Index() const;
    int RadioGroup2Index() const;

    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QButtonGroup* quali_;
    QButtonGroup* cosa_;
};

extern TDialogStampa* DialogStampa;
