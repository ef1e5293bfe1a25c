#include "framework/qt_translations.h"
#include "widget_tests.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

class QtTranslationsTest : public QObject {
    Q_OBJECT

    static QString cancel_text()
    {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text();
    }

    static QString save_dialog_button_text()
    {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->text();
    }

private slots:
    void qtsOwnDialogsSpeakTheLanguageOfTheLocale()
    {
        QCOMPARE(cancel_text() + "|" + save_dialog_button_text(), QString("Cancel|&Save"));
        QTranslator* italian = install_qt_translations(*qApp, QLocale(QLocale::Italian, QLocale::Italy));
        QVERIFY2(italian, "Debian's qt6-translations-l10n is missing (scripts/setup installs it)");
        const QString translated = cancel_text() + "|" + save_dialog_button_text();
        QCoreApplication::removeTranslator(italian);
        delete italian;
        QCOMPARE(translated, QString("Annulla|&Salva"));

        // A language without Qt texts keeps them English.
        QVERIFY(!install_qt_translations(*qApp, QLocale::c()));
        QCOMPARE(cancel_text(), QString("Cancel"));
    }
};

static RegisterWidgetTest<QtTranslationsTest> registered;

#include "qt_translations_test.moc"
