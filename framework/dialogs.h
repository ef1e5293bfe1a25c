#pragma once

// The questions the main window asks the user, behind small interfaces so that
// tests can answer them without a modal dialog.

#include <QString>
#include <optional>

class QWidget;

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The open dialog `Apri`: filter index 1 = "*.qvl", 2 = "*.log", 3 = UDDF; an empty
    // file_name keeps the box as it was. Empty when cancelled.
    virtual std::optional<QString> apri(int filter_index, const QString& file_name) = 0;
    // The save dialog `Salva`. Empty when cancelled.
    virtual std::optional<QString> salva() = 0;
    // A save dialog for an export: its title, one filter such as "CSV (*.csv)" and the
    // extension added to a name typed without one. Empty when cancelled.
    virtual std::optional<QString> esporta(const QString& title, const QString& filter, const QString& suffix) = 0;
};

// A question answered Yes or No; Esc and the close box answer neither (empty).
class YesNoQuestion {
public:
    virtual ~YesNoQuestion() = default;
    virtual std::optional<bool> ask(const QString& caption, const QString& text) = 0;
};

// Qt's non-native dialogs, which behave alike on every desktop.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<QString> apri(int filter_index, const QString& file_name) override;
    std::optional<QString> salva() override;
    std::optional<QString> esporta(const QString& title, const QString& filter, const QString& suffix) override;

private:
    QWidget* parent_;
    QString apri_file_name_;
};

class QtYesNoQuestion : public YesNoQuestion {
public:
    explicit QtYesNoQuestion(QWidget* parent) : parent_(parent) {}
    std::optional<bool> ask(const QString& caption, const QString& text) override;

private:
    QWidget* parent_;
};
