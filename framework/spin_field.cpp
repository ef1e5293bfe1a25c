#include "framework/spin_field.h"

#include "framework/core/number_text.h"
#include "framework/decimal_separator.h"
#include "framework/edit_background.h"

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
    gate_.fill([&] { lineEdit()->setText(text); });
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
        if (const auto whole = parse_whole(raw))
            return double(*whole);
        return std::nullopt;
    }
    return parse_number(raw, separator_);
}

double SpinField::value() const
{
    return number().value_or(minimum_);
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

void SpinField::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
    const auto shown = number();
    if (shown && clamped(*shown) != *shown)
        setUserText(textFor(clamped(*shown)));
}

void SpinField::onTextChanged()
{
    if (gate_.passes(lineEdit()->text()))
        emit changedByUser();
}
