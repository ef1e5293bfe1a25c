#include "widget_tests.h"

#include <QApplication>
#include <QTest>

std::vector<std::function<std::unique_ptr<QObject>()>>& widget_tests()
{
    static std::vector<std::function<std::unique_ptr<QObject>()>> tests;
    return tests;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    for (const auto& make : widget_tests())
        failures += QTest::qExec(make().get(), argc, argv);
    return failures == 0 ? 0 : 1;
}
