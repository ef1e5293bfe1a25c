#pragma once

// Names for a screen reader. A field is named after its caption; the edit inside a
// spin field, a date field or a combo box gets the same name, since a reader reaches
// it on its own and no caption stands beside it.

#include <QString>

class QLabel;
class QWidget;

// Ties `caption` to `field` (Alt+ its letter, where it has one, moves to the field)
// and names the field after it; the caption keeps its text.
void name_after_caption(QLabel* caption, QWidget* field);

// For a field whose caption names more than it (hours and minutes under one caption).
void name_field(QWidget* field, const QString& name);
