#pragma once

// The dialogs' stock buttons, 75 x 25 with their caption and glyph.

#include <QPushButton>
#include <QStyle>

inline QPushButton* stock_button(QWidget* parent, const char* name, const QString& caption,
                                 QStyle::StandardPixmap glyph, int left, int top) {
    auto* b = new QPushButton(parent->style()->standardIcon(glyph), caption, parent);
    b->setObjectName(name);
    b->setGeometry(left, top, 75, 25);
    return b;
}

// The default button, pressed by Enter.
inline QPushButton* ok_button(QWidget* parent, int left, int top) {
    QPushButton* b = stock_button(parent, "BitBtn1", "OK", QStyle::SP_DialogOkButton, left, top);
    b->setDefault(true);
    return b;
}
