#include <QtTest>
#include <QtWidgets>
#include <deque>

#include "app/command_line.h"
#include "app/startup.h"
#include "export/uddf_export.h"
#include "framework/error_box.h"
#include "import_writers.h"
#include "logbook/count_peek.h"
#include "mainwindow/TMainForm.h"
#include "temp_dir.h"

namespace {

QString q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

// Stands in for the user while the real start-up runs its event loop: answers each
// modal dialog as it opens, in order, then notes what the main window shows once it
// is up with no dialog open, and closes it.
class DialogRobot : public QObject {
public:
    QStringList seen;                  // a message box's text, a file dialog's title
    std::deque<QString> file_answers;  // for the file dialogs in order: a path, or empty to cancel
    QString shown;                     // the main window's caption, dive count and first place
    bool gave_up = false;

    DialogRobot() {
        connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
        timer_.start(5);
    }

private:
    void tick() {
        if (++ticks_ > 2000) gave_up = true;  // ten seconds: something waits for an answer we lack
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
        } else if (gave_up) {
            QCoreApplication::exit(3);
        } else if (MainForm && MainForm->isVisible() && shown.isEmpty()) {
            const Clogbook& lb = MainForm->logbook();
            shown = MainForm->windowTitle() + " | " + QString::number(lb.num_imm) + " | " +
                    QString::fromStdString(lb.num_imm ? lb.immersioni[0].posto : "");
            // The close runs Save As, one more file answer; queued, since a timer
            // does not fire again while its own handler waits in a dialog.
            QMetaObject::invokeMethod(MainForm, &QWidget::close, Qt::QueuedConnection);
        }
    }

    void answer(QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        seen << (files ? files->windowTitle() : modal->property("text").toString());
        const QString path = !files || file_answers.empty() || gave_up ? QString() : file_answers.front();
        if (files && !file_answers.empty()) file_answers.pop_front();
        if (path.isEmpty()) {
            QTest::keyClick(modal, files ? Qt::Key_Escape : Qt::Key_Return);
            modal->close();  // a dialog nobody expected
        } else {
            // Typing a whole path makes the dialog wander the folders as it goes.
            files->selectFile(path);
            auto* buttons = files->findChild<QDialogButtonBox*>("buttonBox");
            QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
        }
    }

    QTimer timer_;
    int ticks_ = 0;
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    // A logbook named relative to the current folder, a DataTrak log and a UDDF file
    // offered for saving, nothing, and a logbook that cannot be read (after its error box).
    void opensTheFileNamedOrStartsUntitled() {
        TempDir dir;
        Clogbook logbook(2);
        logbook.set_posto("Portofino");
        logbook.Scrivi(dir / "mare.qvl");
        DataTrakDive dive;
        dive.posto = "Capo Noli";
        write_bytes(dir / "download.LOG", datatrak_bytes({}, {dive, dive}));
        Clogbook other(1);
        other.set_posto("Ustica");
        esporta_uddf(other, dir / "altro.uddf", "2026-12-07T15:04:05");
        const QString save = "Salva in formato Quorvel", untitled = "Quorvel >>> untitled.qvl | 1 | ";
        const struct {
            QStringList arguments;
            std::deque<QString> file_answers;  // the closing Save As is cancelled
            QString seen, shown;
        } cases[] = {
            {{"mare.qvl"}, {""}, save, "Quorvel >>> " + q(dir / "mare.qvl") + " | 2 | Portofino"},
            {{"download.LOG"}, {q(dir / "saved.qvl"), ""}, save + " | " + save,
             "Quorvel >>> " + q(dir / "saved.qvl") + " | 2 | Capo Noli"},
            {{"altro.uddf"}, {"", ""}, save + " | " + save, "Quorvel >>> untitled.qvl | 1 | Ustica"},
            {{}, {""}, save, untitled},
            {{"missing.qvl"}, {""}, "Cannot open file " + q(dir / "missing.qvl") + " | " + save, untitled},
        };
        const QString before = QDir::currentPath();
        QDir::setCurrent(q(dir.path()));
        for (const auto& c : cases) {
            DialogRobot robot;
            robot.file_answers = c.file_answers;
            QCOMPARE(avvia(QStringList{"quorvel"} + c.arguments), 0);
            QVERIFY(!robot.gave_up);
            QCOMPARE(robot.seen.join(" | "), c.seen);
            QCOMPARE(robot.shown, c.shown);
        }
        QDir::setCurrent(before);
        QCOMPARE(peek_native_count(dir / "saved.qvl"), 2u);
        // The program's picture, for window lists and task switchers.
        QCOMPARE(QApplication::windowIcon().availableSizes(), (QList<QSize>{{48, 48}, {128, 128}}));
    }

    void helpOrAWrongCommandLineEndsBeforeAnyWindow() {
        QCOMPARE(avvia({"quorvel", "a.qvl", "b.qvl"}), 2);
        QCOMPARE(avvia({"quorvel", "--help"}), 0);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());

        // The real program on a machine without a display.
        QProcessEnvironment no_display = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) no_display.remove(v);
        const auto run = [&](const QStringList& arguments) {
            QProcess program;
            program.setProcessEnvironment(no_display);
            program.start(QUORVEL_PROGRAM, arguments);
            if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) return QString("crash");
            return QString::number(program.exitCode()) + "|" + QString::fromUtf8(program.readAllStandardOutput()) + "|" +
                   QString::fromUtf8(program.readAllStandardError());
        };
        const QString usage = usage_line() + "\n";
        const QString help = help_text() + "\n";
        QCOMPARE(run({"--help"}), "0|" + help + "|");
        // Qt's own options and their values are Qt's.
        QCOMPARE(run({"-platform", "offscreen", "-style=fusion", "-reverse", "-h"}), "0|" + help + "|");
        QCOMPARE(run({"--bogus", "mare.qvl"}), "2||quorvel: opzione sconosciuta \"--bogus\". " + usage);
        QCOMPARE(run({"a.qvl", "b.qvl"}), "2||quorvel: un solo logbook alla volta. " + usage);
    }

    void commandLineWords() {
        // After "--" a name that starts with a dash is a file; help wins over a file.
        QCOMPARE(parse_command_line({"--", "-a.qvl"}).logbook, QDir::currentPath() + "/-a.qvl");
        QCOMPARE(parse_command_line({"a.qvl", "-h"}).kind, CommandLine::Kind::Help);
        QCOMPARE(parse_command_line({""}).kind, CommandLine::Kind::Wrong);
    }
};

int main(int argc, char** argv) {
    QuorvelApplication app(argc, argv);
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
