#include "framework/dialogs.h"
#include "widget_tests.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Drives Qt's real open and save dialogs: once a dialog is up, `answer` looks at it
// and accepts or cancels it.
class FileDialogsTest : public QObject {
    Q_OBJECT

    struct Seen {
        QString title, name_box, filter;
        QStringList filters;
        QString suffix;
    };

    static void when_shown(const std::function<void(QFileDialog*)>& answer)
    {
        QTimer::singleShot(0, [answer] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            answer(d);
        });
    }

    static Seen look(QFileDialog* d)
    {
        return {d->windowTitle(), d->findChild<QLineEdit*>("fileNameEdit")->text(), d->selectedNameFilter(),
                d->nameFilters(), d->defaultSuffix()};
    }

    static QString touch(const QTemporaryDir& dir, const QString& name)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        return path;
    }

private slots:
    void openDialogShowsPatternAndFilterOfEachCommand()
    {
        QWidget parent;
        QtFileDialogs dialogs(&parent);
        Seen seen;
        when_shown([&](QFileDialog* d) { seen = look(d); d->reject(); });
        QVERIFY(!dialogs.apri(2, "*.log"));
        QCOMPARE(seen.name_box, QString("*.log"));
        QCOMPARE(seen.filter, QString("Datatrak Logbook (*.log)"));
        QCOMPARE(seen.filters, QStringList({"Quorvel Logbook (*.qvl)", "Datatrak Logbook (*.log)"}));
        QCOMPARE(seen.suffix, QString("qvl"));

        when_shown([&](QFileDialog* d) { seen = look(d); d->reject(); });
        QVERIFY(!dialogs.apri(1, "*.qvl"));
        QCOMPARE(seen.name_box, QString("*.qvl"));
        QCOMPARE(seen.filter, QString("Quorvel Logbook (*.qvl)"));
    }

    void openDialogWithoutPatternOffersTheFileChosenLast()
    {
        QTemporaryDir dir;
        const QString chosen = touch(dir, "diario.qvl");
        QWidget parent;
        QtFileDialogs dialogs(&parent);
        when_shown([&](QFileDialog* d) { d->selectFile(chosen); QMetaObject::invokeMethod(d, "accept"); });
        QCOMPARE(dialogs.apri(1, "*.qvl").value_or(QString()), chosen);

        Seen seen;
        when_shown([&](QFileDialog* d) { seen = look(d); d->reject(); });
        QVERIFY(!dialogs.apri(1, QString()));
        QCOMPARE(seen.name_box, QString("diario.qvl"));
        // A cancelled dialog leaves the box as it was.
        when_shown([&](QFileDialog* d) { seen = look(d); d->reject(); });
        QVERIFY(!dialogs.apri(1, QString()));
        QCOMPARE(seen.name_box, QString("diario.qvl"));
    }

    void saveDialogTitleFilterAndDefaultExtension()
    {
        QTemporaryDir dir;
        QWidget parent;
        QtFileDialogs dialogs(&parent);
        Seen seen;
        when_shown([&](QFileDialog* d) {
            seen = look(d);
            d->selectFile(dir.filePath("nuovo"));
            QMetaObject::invokeMethod(d, "accept");
        });
        QCOMPARE(dialogs.salva().value_or(QString()), dir.filePath("nuovo.qvl"));
        QCOMPARE(seen.title, QString("Salva in formato Quorvel"));
        QCOMPARE(seen.filters, QStringList({"Quorvel Logbook (*.qvl)"}));
    }
};

static RegisterWidgetTest<FileDialogsTest> file_dialogs_test;

#include "file_dialogs_test.moc"
