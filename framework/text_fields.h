#pragma once

// One-line text field and memo for stored strings: they show Windows-1252 bytes, hand
// them back, and refuse a typed or pasted character that Windows-1252 cannot hold
// (nothing is stored for it). changedByUser() follows the user's real changes only.

#include "framework/change_gate.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <string>

class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(QWidget* parent = nullptr);

    void fill(const std::string& bytes);
    std::string bytes() const;

    void setBackgroundColour(const QColor& colour);

signals:
    void changedByUser();

private:
    void onTextChanged();

    ChangeGate gate_;
};

// The memo's lines are stored separated by CR LF.
class TextMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextMemo(QWidget* parent = nullptr);

    void fill(const std::string& bytes);
    std::string bytes() const;

    void setBackgroundColour(const QColor& colour);

signals:
    void changedByUser();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    QString shownText() const;
    void onTextChanged();

    ChangeGate gate_;
};
