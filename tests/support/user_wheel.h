#pragma once

// A wheel turned by the user over a point of a widget, delivered as the platform delivers
// it: to the deepest control under the point, marked spontaneous, so that Qt gives the
// focus and passes the event on to the parents as it does for a real wheel.

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

inline void user_wheel(QWidget* widget, QPoint at, int notches)
{
    QWidget* target = widget->childAt(at) ? widget->childAt(at) : widget;
    const QPoint local = target->mapFrom(widget, at);
    QWheelEvent event(local, target->mapToGlobal(local), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(target, &event);
}

inline void user_wheel(QWidget* widget, int notches) { user_wheel(widget, widget->rect().center(), notches); }
