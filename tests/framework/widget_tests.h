#pragma once

// The widget tests are GoogleTest cases run inside one QApplication (widgets_main.cpp).

#include <QString>
#include <gtest/gtest.h>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
