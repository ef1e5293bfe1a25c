#include "framework/edit_background.h"

#include <QPalette>
#include <QWidget>

void set_edit_background(QWidget* field, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}
