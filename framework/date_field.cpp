#include "framework/date_field.h"

#include "framework/core/date_pieces.h"
#include "framework/edit_background.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kMask = QStringLiteral("99/99/9999; ");
}

DateField::DateField(QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      button_(new QToolButton(this)),
      popup_(new QWidget(this, Qt::Popup)),
      calendar_(new QCalendarWidget(popup_))
{
    edit_->setInputMask(kMask);
    button_->setArrowType(Qt::DownArrow);
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setAccessibleName("Calendario");  // Alt+Down opens it from the keyboard
    setFocusProxy(edit_);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(edit_);
    row->addWidget(button_);

    auto* popupLayout = new QVBoxLayout(popup_);
    popupLayout->setContentsMargins(0, 0, 0, 0);
    popupLayout->addWidget(calendar_);

    setBackgroundColour(kEditBackground);
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, &DateField::onTextChanged);
    connect(button_, &QToolButton::clicked, this, &DateField::showCalendar);
    connect(calendar_, &QCalendarWidget::clicked, this, &DateField::onDatePicked);
    connect(calendar_, &QCalendarWidget::activated, this, &DateField::onDatePicked);
    fill(0, 0, 0);
}

QString DateField::text() const
{
    return edit_->displayText();
}

void DateField::setBackgroundColour(const QColor& colour)
{
    set_edit_background(edit_, colour);
}

// setText() on a masked edit moves digits past blanks (" 1" becomes "1 "), so each
// digit goes to its own position.
void DateField::placeText(const QString& text)
{
    edit_->clear();
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == u' ' || text.at(i) == u'/')
            continue;
        edit_->setCursorPosition(i);
        edit_->insert(QString(text.at(i)));
    }
    edit_->setCursorPosition(0);
}

void DateField::fill(int giorno, int mese, int anno)
{
    gate_.fill([&] { placeText(QString::fromStdString(date_text(giorno, mese, anno))); });
}

void DateField::showCalendar()
{
    const QDate shown = QDate::fromString(text().simplified().remove(u' '), u"d/M/yyyy");
    calendar_->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    popup_->adjustSize();
    popup_->move(mapToGlobal(QPoint(0, height())));
    popup_->show();
    calendar_->setFocus();
}

bool DateField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The platform's key for a drop-down.
        if (key->key() == Qt::Key_Down && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier) {
            showCalendar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DateField::onDatePicked(const QDate& date)
{
    popup_->hide();
    const QString before = gate_.last();
    // One change for the whole date, not one per digit placed.
    gate_.fill([&] {
        placeText(QString::fromStdString(date_text(date.day(), date.month(), date.year())));
    });
    if (gate_.last() != before)
        emit changedByUser();
    edit_->setFocus();
}

void DateField::onTextChanged()
{
    if (gate_.passes(text()))
        emit changedByUser();
}
