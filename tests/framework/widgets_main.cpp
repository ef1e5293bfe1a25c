#include "widget_tests.h"

#include <QApplication>
#include <QTest>

std::vector<WidgetTestFactory>& widget_tests()
{
    static std::vector<WidgetTestFactory> tests;
    return tests;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    for (const auto& make : widget_tests()) {
        const auto test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
