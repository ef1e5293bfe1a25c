#pragma once

// What the dive-type and activities dialogs share: they load the current dive when
// shown (not when merely brought to the front again) and write it back however they
// are closed, by OK, Enter, Esc, the close box or the system's close. There is no
// cancel: Esc closes the way the close box does, and writes all the same.

#include <QCloseEvent>
#include <QShowEvent>

#include "mainwindow/secondary_window.h"

class FlagDialog : public SecondaryDialog {
    Q_OBJECT
public:
    using SecondaryDialog::SecondaryDialog;

    virtual void FormShow() = 0;
    virtual void FormClose() = 0;
    void BitBtn1Click() { close(); }

protected:
    void showEvent(QShowEvent* event) override {
        if (!event->spontaneous()) FormShow();
        SecondaryDialog::showEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (isVisible()) FormClose();
        event->accept();
    }
    void reject() override { close(); }
};
