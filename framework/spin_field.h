#pragma once

// A numeric field with step buttons that takes any typed text, reads a text that is no
// number as its minimum (or a value set for it) and brings a value outside its range to the nearest bound only
// when it loses the focus, when its text also comes to show the value it holds. The wheel
// steps it only while it has the focus. changedByUser() follows every real change of the
// text except the program's fill().

#include "framework/change_gate.h"

#include <QAbstractSpinBox>
#include <optional>

class SpinField : public QAbstractSpinBox {
    Q_OBJECT
public:
    enum class Kind { Integer, Decimal };

    explicit SpinField(Kind kind, QWidget* parent = nullptr);

    void setRange(double minimum, double maximum);
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    // What a text that is no number reads as, instead of the minimum.
    void setNoNumberValue(double value) { no_number_ = value; }

    // Characters the user may type; 0 for no limit. Longer texts from fill() still show.
    void setMaxTypedLength(int length) { max_typed_ = length; }

    // The user's separator by default.
    void setDecimalSeparator(char separator) { separator_ = separator; }
    char decimalSeparator() const { return separator_; }

    void setBackgroundColour(const QColor& colour);

    // The program shows a value or a text without a changedByUser().
    void fill(double value);
    void fillText(const QString& text);

    QString text() const;
    // The inner edit, for tests and for watching its mouse moves.
    QLineEdit* edit() const { return lineEdit(); }
    // The number shown; the minimum when the text is none (whole numbers only in an
    // integer field, one beyond 32 bits read as the nearest 32-bit bound).
    double value() const;
    // Shows the value the field holds, clamped, as leaving it does.
    void settle();

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

signals:
    void changedByUser();

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::optional<double> number() const;
    QString textFor(double value) const;
    void setUserText(const QString& text);
    void onTextChanged();
    double clamped(double value) const;
    // The value the field holds, in the field's own form: what its text settles to.
    QString settledText() const;
    bool owns(const QWidget* popup) const;

    Kind kind_;
    double minimum_ = 0;
    double maximum_ = 0;
    std::optional<double> no_number_;
    double step_;
    int max_typed_ = 0;
    char separator_;
    ChangeGate gate_;
};
