#include "framework/accessible_names.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void name_field(QWidget* field, const QString& name) {
    field->setAccessibleName(name);
    for (QLineEdit* edit : field->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) edit->setAccessibleName(name);
    if (auto* combo = qobject_cast<QComboBox*>(field)) combo->view()->setAccessibleName(name);  // its drop-down list
}

void name_after_caption(QLabel* caption, QWidget* field) {
    caption->setBuddy(field);
    // A caption on two lines is read as one.
    QString name = caption->text().simplified();
    // An "&" marks the letter to underline; "&&" stands for a plain "&".
    name.replace("&&", QChar(0x1)).remove('&').replace(QChar(0x1), "&");
    name_field(field, name);
}
