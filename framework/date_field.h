#pragma once

// The date field: a fixed ten-character pattern "DD/MM/YYYY" in which a missing
// leading digit shows as a blank, and a drop-down calendar that Alt+Down opens and Esc
// closes without a change. changedByUser() follows
// every real change of the text by typing or by the calendar, never the program's fill.

#include "framework/change_gate.h"

#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

class DateField : public QWidget {
    Q_OBJECT
public:
    explicit DateField(QWidget* parent = nullptr);

    // All ten characters, blanks included.
    QString text() const;

    // The program shows a date without a changedByUser().
    void fill(int giorno, int mese, int anno);

    void setBackgroundColour(const QColor& colour);

    // For tests and for the drop-down button.
    QLineEdit* edit() const { return edit_; }
    QToolButton* dropButton() const { return button_; }
    QCalendarWidget* calendar() const { return calendar_; }

    void showCalendar();

signals:
    void changedByUser();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeText(const QString& text);
    void onTextChanged();
    void onDatePicked(const QDate& date);

    QLineEdit* edit_;
    QToolButton* button_;
    QWidget* popup_;
    QCalendarWidget* calendar_;
    ChangeGate gate_;
};
