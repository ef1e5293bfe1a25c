#pragma once

#include <QColor>

class QWidget;

// Editable fields share this background.
inline const QColor kEditBackground(240, 251, 255);

void set_edit_background(QWidget* field, const QColor& colour);
