#pragma once

// A drop-down combo box that also takes typed text. index() is the entry whose text the
// box shows, -1 when the text is no entry. changedByUser() follows every real change of
// the text by typing or by picking an entry; the program's fill() raises none. The wheel
// turns it only while it has the focus.

#include "framework/change_gate.h"

#include <QComboBox>

class ComboField : public QComboBox {
    Q_OBJECT
public:
    explicit ComboField(QWidget* parent = nullptr);

    int index() const;

    // Selects the entry; an index outside the list leaves the box empty.
    void fill(int index);

    void setBackgroundColour(const QColor& colour);

signals:
    void changedByUser();

private:
    void onTextChanged();

    ChangeGate gate_;
};
