#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

// Makes Tab into the group land on its checked button, whichever button the mouse or
// the program chose last, so that the arrows then change the choice.
void tab_lands_on_checked(QButtonGroup* group);

// A framed group of radio items, one of them chosen, read and set by its index. An
// item without caption is named after the group for a screen reader.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton* item(int index) const { return items_.at(size_t(index)); }

signals:
    // Another item was chosen, by the user or by setItemIndex().
    void itemIndexChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> items_;
};
