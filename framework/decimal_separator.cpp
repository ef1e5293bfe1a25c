#include "framework/decimal_separator.h"

#include <QLocale>

char system_decimal_separator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return char(point.at(0).unicode());
    return '.'; // a separator the number texts cannot carry falls back to the point
}
