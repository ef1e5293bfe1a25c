#pragma once

#include <QLocale>

class QCoreApplication;
class QTranslator;

// Qt's own texts (file dialogs, the overwrite question, message box buttons, the print
// dialog, context menus) in the language of `locale`, from the translations the system's
// Qt ships. The program's own captions do not go through translation and stay as they are.
// The installed translator, owned by `app`; nullptr when the system has no translation
// for that language, and Qt then speaks English.
QTranslator* install_qt_translations(QCoreApplication& app, const QLocale& locale = QLocale());
