#include "framework/dialogs.h"
#include "widget_tests.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Drives Qt's real open and save dialogs: once the next dialog is up, it is looked at,
// then cancelled, or accepted with `choice` typed in.
class FileDialogsTest : public QObject {
    Q_OBJECT

    struct Seen {
        QString title, name_box, filter;
        QStringList filters;
        QString suffix;
    };

    static void answer_next(Seen& seen, const QString& choice = {})
    {
        QTimer::singleShot(0, [&seen, choice] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            seen = {d->windowTitle(), d->findChild<QLineEdit*>("fileNameEdit")->text(),
                    d->selectedNameFilter(), d->nameFilters(), d->defaultSuffix()};
            if (choice.isEmpty())
                return d->reject();
            d->selectFile(choice);
            QMetaObject::invokeMethod(d, "accept");
        });
    }

private slots:
    void openDialogShowsPatternAndFilterElseTheFileChosenLast()
    {
        QTemporaryDir dir;
        const QString chosen = dir.filePath("diario.qvl");
        QVERIFY(QFile(chosen).open(QIODevice::WriteOnly));
        QWidget parent;
        QtFileDialogs dialogs(&parent);
        Seen seen;
        answer_next(seen);
        QVERIFY(!dialogs.apri(2, "*.log"));
        QCOMPARE(seen.name_box, QString("*.log"));
        QCOMPARE(seen.filter, QString("Datatrak Logbook (*.log)"));
        QCOMPARE(seen.filters, QStringList({"Quorvel Logbook (*.qvl)", "Datatrak Logbook (*.log)"}));
        QCOMPARE(seen.suffix, QString("qvl"));

        answer_next(seen, chosen);
        QCOMPARE(dialogs.apri(1, "*.qvl").value_or(QString()), chosen);
        QCOMPARE(seen.name_box, QString("*.qvl"));
        QCOMPARE(seen.filter, QString("Quorvel Logbook (*.qvl)"));
        for (int i = 0; i < 2; ++i) { // a cancelled dialog leaves the box as it was
            answer_next(seen);
            QVERIFY(!dialogs.apri(1, QString()));
            QCOMPARE(seen.name_box, QString("diario.qvl"));
        }
    }

    void saveDialogTitleFilterAndDefaultExtension()
    {
        QTemporaryDir dir;
        QWidget parent;
        QtFileDialogs dialogs(&parent);
        Seen seen;
        answer_next(seen, dir.filePath("nuovo"));
        QCOMPARE(dialogs.salva().value_or(QString()), dir.filePath("nuovo.qvl"));
        QCOMPARE(seen.title, QString("Salva in formato Quorvel"));
        QCOMPARE(seen.filters, QStringList({"Quorvel Logbook (*.qvl)"}));

        answer_next(seen, dir.filePath("diario"));
        QCOMPARE(dialogs.esporta("Esporta in CSV", "CSV (*.csv)", "csv").value_or(QString()), dir.filePath("diario.csv"));
        QCOMPARE(seen.title, QString("Esporta in CSV"));
        QCOMPARE(seen.filters, QStringList({"CSV (*.csv)"}));
        answer_next(seen);
        QVERIFY(!dialogs.esporta("Esporta in UDDF", "UDDF (*.uddf)", "uddf"));
    }
};

static RegisterWidgetTest<FileDialogsTest> registered;

#include "file_dialogs_test.moc"
