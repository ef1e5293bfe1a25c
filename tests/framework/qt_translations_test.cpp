#include "framework/qt_translations.h"
#include "widget_tests.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

TEST(QtTranslations, QtsOwnDialogsSpeakTheLanguageOfTheLocale) {
    const auto cancel_text = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text();
    };
    QTranslator* italian = install_qt_translations(*qApp, QLocale(QLocale::Italian, QLocale::Italy));
    ASSERT_TRUE(italian) << "Debian's qt6-translations-l10n is missing (scripts/setup installs it)";
    const QString translated = cancel_text();
    QCoreApplication::removeTranslator(italian);
    delete italian;
    EXPECT_EQ(translated, "Annulla");
    // A language without Qt texts keeps them English.
    EXPECT_FALSE(install_qt_translations(*qApp, QLocale::c()));
    EXPECT_EQ(cancel_text(), "Cancel");
}
