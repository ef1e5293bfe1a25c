#include "framework/dialogs.h"
#include "widget_tests.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

// Once Qt's next file dialog is up, notes its name box and filter, then cancels it or
// accepts it with `choice` typed in.
static void answer_next(QString& seen, const QString& choice = {}) {
    QTimer::singleShot(0, [&seen, choice] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        seen = d->findChild<QLineEdit*>("fileNameEdit")->text() + "|" + d->selectedNameFilter();
        if (choice.isEmpty())
            return d->reject();
        d->selectFile(choice);
        QMetaObject::invokeMethod(d, "accept");
    });
}

TEST(FileDialogs, OpenKeepsPatternOrLastFileAndSaveAddsTheExtension) {
    QTemporaryDir dir;
    const QString chosen = dir.filePath("diario.qvl");
    ASSERT_TRUE(QFile(chosen).open(QIODevice::WriteOnly));
    QWidget parent;
    QtFileDialogs dialogs(&parent);
    QString seen;
    answer_next(seen);
    EXPECT_FALSE(dialogs.apri(2, "*.log"));
    EXPECT_EQ(seen, "*.log|Datatrak Logbook (*.log)");
    answer_next(seen, chosen);
    EXPECT_EQ(dialogs.apri(1, "*.qvl").value_or(QString()), chosen);
    EXPECT_EQ(seen, "*.qvl|Quorvel Logbook (*.qvl)");
    for (int i = 0; i < 2; ++i) { // a cancelled dialog leaves the box as it was
        answer_next(seen);
        EXPECT_FALSE(dialogs.apri(1, QString()));
        EXPECT_EQ(seen, "diario.qvl|Quorvel Logbook (*.qvl)");
    }

    answer_next(seen, dir.filePath("nuovo")); // save dialogs add their extension
    EXPECT_EQ(dialogs.salva().value_or(QString()), dir.filePath("nuovo.qvl"));
    answer_next(seen, dir.filePath("diario"));
    EXPECT_EQ(dialogs.esporta("Esporta in CSV", "CSV (*.csv)", "csv").value_or(QString()), dir.filePath("diario.csv"));
    EXPECT_EQ(seen, "|CSV (*.csv)");
}

// The question's own keys and close box: Yes and No answer, Esc and the close box do not.
TEST(YesNoQuestion, EscAndTheCloseBoxAnswerNeither) {
    QtYesNoQuestion question(nullptr);
    std::vector<std::optional<bool>> got;
    for (int answer = 0; answer < 3; ++answer) {
        QTimer::singleShot(0, [answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            if (answer == 0) QTest::keyClick(box, Qt::Key_Escape);
            if (answer == 1) box->close();
            if (answer == 2) QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });
        got.push_back(question.ask("ATTENZIONE", "Unisco solo le immersioni diverse?"));
    }
    EXPECT_EQ(got, (std::vector<std::optional<bool>>{std::nullopt, std::nullopt, false}));
}
