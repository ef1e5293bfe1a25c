#pragma once

// Each widget test file registers its QtTest object here; one executable runs them all.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

std::vector<std::function<std::unique_ptr<QObject>()>>& widget_tests();

template <class Test>
struct RegisterWidgetTest {
    RegisterWidgetTest() { widget_tests().push_back([] { return std::make_unique<Test>(); }); }
};

// Types any characters, also those QTest::keyClicks cannot (outside Latin-1).
inline void type_text(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(widget, &event);
        }
}
