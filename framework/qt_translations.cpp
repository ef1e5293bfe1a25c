#include "framework/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QTranslator* install_qt_translations(QCoreApplication& app, const QLocale& locale)
{
    // "qtbase" holds every dialog and widget text the program shows; the "qt" catalogue
    // would also pull in modules the program does not use.
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}
