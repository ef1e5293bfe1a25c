#pragma once

// What the dive-type and activities dialogs share. They always show the dive they write:
// the current one, loaded at every show and again whenever the current dive or the
// logbook changes; with no dive their controls are disabled. Each change the user makes
// goes into that dive at once, and closing (by OK, Enter, the close box or the system's
// close) writes the whole dialog once more, which clears the bits it does not show.
// There is no cancel: Esc closes the way the close box does. Every change that alters the
// dive is a step that "Annulla" takes back; the keystrokes typed into a text form one.

#include <QCloseEvent>
#include <QShowEvent>

#include "logbook/dive_field.h"
#include "mainwindow/secondary_window.h"

struct Timmersione;

class FlagDialog : public SecondaryDialog {
    Q_OBJECT
public:
    // `field`: what the dialog writes into the dive.
    FlagDialog(const QString& caption, DiveField field, QWidget* parent = nullptr);

    virtual void FormShow() = 0;
    virtual void FormClose() = 0;
    void BitBtn1Click() { close(); }
    // Brings the dialog to the front, reloaded even when it is open already.
    void mostra();

protected:
    // Shows `d`'s values, or the controls disabled when there is no dive.
    virtual void carica(const Timmersione* d) = 0;
    // Writes the controls into the current dive; false when there is none.
    virtual bool salva() = 0;
    // Loads the current dive; what this sets in the controls writes nothing.
    void ricarica();
    // Connected to every control's change: the user's changes go into the dive at once.
    void cambiato(bool keystroke = false);
    // salva() as one step the user can take back.
    bool salva_passo(bool keystroke = false);

    void showEvent(QShowEvent* event) override {
        if (!event->spontaneous()) FormShow();
        SecondaryDialog::showEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (isVisible()) FormClose();
        event->accept();
    }
    void reject() override { close(); }

private:
    bool caricando_ = false;
    DiveField field_;
};
