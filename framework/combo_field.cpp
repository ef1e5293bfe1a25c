#include "framework/combo_field.h"

#include "framework/edit_background.h"
#include "framework/focused_wheel.h"

#include <QLineEdit>

ComboField::ComboField(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    // Typed text stays as typed: no entries added by Enter, no completion guessing.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    take_wheel_only_with_focus(this);
    setBackgroundColour(kEditBackground);
    connect(lineEdit(), &QLineEdit::textChanged, this, &ComboField::onTextChanged);
}

int ComboField::index() const
{
    return findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void ComboField::fill(int index)
{
    gate_.fill([&] {
        setCurrentIndex(index >= 0 && index < count() ? index : -1);
        if (currentIndex() < 0)
            setEditText(QString());
        lineEdit()->setCursorPosition(0); // the start of the text, not its end
    });
    gate_.passes(currentText());
}

void ComboField::setBackgroundColour(const QColor& colour)
{
    set_edit_background(this, colour);
    set_edit_background(lineEdit(), colour);
}

void ComboField::onTextChanged()
{
    if (gate_.passes(currentText()))
        emit changedByUser();
}
