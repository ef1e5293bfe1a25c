#pragma once

// The widget tests are GoogleTest cases run inside one QApplication (widgets_main.cpp),
// driven through real events.

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
