#include "framework/spin_field.h"

#include "framework/core/number_text.h"
#include "framework/decimal_separator.h"
#include "framework/edit_background.h"
#include "framework/focused_wheel.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

SpinField::SpinField(Kind kind, QWidget* parent)
    : QAbstractSpinBox(parent),
      kind_(kind),
      step_(kind == Kind::Integer ? 1.0 : 0.01),
      separator_(system_decimal_separator())
{
    // Qt's own correction would rewrite the text on focus loss; clamping is ours.
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    take_wheel_only_with_focus(this);
    setBackgroundColour(kEditBackground);
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinField::onTextChanged);
    fill(0);
}

void SpinField::setRange(double minimum, double maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
}

void SpinField::setBackgroundColour(const QColor& colour)
{
    set_edit_background(this, colour);
    set_edit_background(lineEdit(), colour);
}

void SpinField::fill(double value)
{
    fillText(textFor(value));
}

void SpinField::fillText(const QString& text)
{
    gate_.fill([&] {
        lineEdit()->setText(text);
        lineEdit()->setCursorPosition(0); // a text longer than the field shows its start
    });
    gate_.passes(lineEdit()->text());
}

QString SpinField::text() const
{
    return lineEdit()->text();
}

std::optional<double> SpinField::number() const
{
    const std::string raw = text().toStdString();
    if (kind_ == Kind::Integer) {
        if (const auto whole = parse_whole_clamped(raw))
            return double(*whole);
        return std::nullopt;
    }
    return parse_number(raw, separator_);
}

double SpinField::value() const
{
    return number().value_or(no_number_.value_or(minimum_));
}

QString SpinField::textFor(double value) const
{
    if (kind_ == Kind::Integer)
        return QString::number(qint64(std::trunc(value)));
    return QString::fromStdString(format_general(value, separator_));
}

double SpinField::clamped(double value) const
{
    if (minimum_ == maximum_)
        return value;
    return std::clamp(value, minimum_, maximum_);
}

void SpinField::setUserText(const QString& text)
{
    lineEdit()->setText(text); // a real change reaches changedByUser() through the gate
}

void SpinField::stepBy(int steps)
{
    // Round away the binary noise of 0.01 steps.
    const double stepped = std::round((value() + steps * step_) * 100.0) / 100.0;
    setUserText(textFor(clamped(stepped)));
}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const
{
    if (isReadOnly() || !isEnabled())
        return StepNone;
    if (minimum_ == maximum_)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (value() < maximum_)
        enabled |= StepUpEnabled;
    if (value() > minimum_)
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State SpinField::validate(QString& input, int&) const
{
    // Any text is allowed; only typing beyond the length limit is refused.
    if (max_typed_ > 0 && input.size() > max_typed_ && input.size() > gate_.last().size())
        return QValidator::Invalid;
    return QValidator::Acceptable;
}

void SpinField::fixup(QString&) const {}

// A pop-up window is no child in isAncestorOf()'s sense: follow its parents.
bool SpinField::owns(const QWidget* popup) const
{
    for (const QWidget* w = popup; w; w = w->parentWidget())
        if (w == this)
            return true;
    return false;
}

QString SpinField::settledText() const
{
    const auto shown = number();
    if (!shown)
        return textFor(value());
    // A whole number beyond 32 bits reads as a bound, so it shows as one.
    if (clamped(*shown) != *shown || (kind_ == Kind::Integer && !parse_whole(text().toStdString())))
        return textFor(clamped(*shown));
    return text(); // a number in range keeps its form ("12,50" stays as typed)
}

void SpinField::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
    // The field's own context menu takes the focus only for a moment: the text being
    // edited stays as it is.
    if (event->reason() == Qt::PopupFocusReason && owns(QApplication::activePopupWidget()))
        return;
    // Once left, the field shows the value it holds and has written: a text that is no
    // number reads as the minimum, so it shows the minimum.
    settle();
}

void SpinField::settle()
{
    if (const QString settled = settledText(); settled != text())
        setUserText(settled);
}

void SpinField::onTextChanged()
{
    if (gate_.passes(lineEdit()->text()))
        emit changedByUser();
}
