#include <QProcess>
#include <QtTest>

#include "app/command_line.h"
#include "app/startup.h"
#include "dialog_robot.h"
#include "framework/error_box.h"
#include "import_writers.h"
#include "logbook/count_peek.h"
#include "temp_dir.h"

namespace {

QString q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    // A logbook named relative to the current folder, a DataTrak log offered for
    // saving, nothing, and a logbook that cannot be read (after its error box).
    void opensTheFileNamedOrStartsUntitled() {
        TempDir dir;
        Clogbook logbook(2);
        logbook.set_posto("Portofino");
        logbook.Scrivi(dir / "mare.qvl");
        DataTrakDive dive;
        dive.posto = "Capo Noli";
        write_bytes(dir / "download.LOG", datatrak_bytes({}, {dive, dive}));
        const QString save = "Salva in formato Quorvel", untitled = "Quorvel >>> untitled.qvl";
        const struct {
            QStringList arguments;
            std::deque<QString> file_answers;  // the closing Save As is cancelled
            QString seen, caption;
            uint32_t dives;
            std::string first_posto;
        } cases[] = {
            {{"mare.qvl"}, {""}, save, "Quorvel >>> " + q(dir / "mare.qvl"), 2, "Portofino"},
            {{"download.LOG"}, {q(dir / "saved.qvl"), ""}, save + " | " + save, "Quorvel >>> " + q(dir / "saved.qvl"),
             2, "Capo Noli"},
            {{}, {""}, save, untitled, 1, ""},
            {{"missing.qvl"}, {""}, "Cannot open file " + q(dir / "missing.qvl") + " | " + save, untitled, 1, ""},
        };
        const QString before = QDir::currentPath();
        QDir::setCurrent(q(dir.path()));
        for (const auto& c : cases) {
            DialogRobot robot;
            robot.file_answers = c.file_answers;
            QCOMPARE(avvia(QStringList{"quorvel"} + c.arguments), 0);
            QVERIFY(!robot.gave_up);
            QCOMPARE(robot.seen.join(" | "), c.seen);
            QCOMPARE(robot.caption, c.caption);
            QCOMPARE(robot.dives, c.dives);
            QCOMPARE(robot.first_posto, c.first_posto);
        }
        QDir::setCurrent(before);
        QCOMPARE(peek_native_count(dir / "saved.qvl"), 2u);
    }

    void wrongCommandLineEndsBeforeAnyWindow() {
        QCOMPARE(avvia({"quorvel", "a.qvl", "b.qvl"}), 2);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());

        QProcess program;
        program.start(QUORVEL_PROGRAM, {"--bogus", "mare.qvl"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
        // The usage closes standard error, after whatever Qt itself had to say.
        const QByteArray error = "\n" + program.readAllStandardError();
        QVERIFY2(error.endsWith("\nquorvel: opzione sconosciuta \"--bogus\". " + usage_line().toUtf8() + "\n"),
                 error.constData());
        program.start(QUORVEL_PROGRAM, {"--help"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardOutput(), (usage_line() + "\n").toUtf8());
    }

    void commandLineWords() {
        // After "--" a name that starts with a dash is a file; help wins over a file.
        const CommandLine dashed = parse_command_line({"--", "-a.qvl"});
        QCOMPARE(dashed.kind, CommandLine::Kind::Start);
        QCOMPARE(dashed.logbook, QDir::currentPath() + "/-a.qvl");
        QCOMPARE(parse_command_line({"/x/../y/b.qvl"}).logbook, QString("/y/b.qvl"));
        QCOMPARE(parse_command_line({"a.qvl", "-h"}).kind, CommandLine::Kind::Help);
        QCOMPARE(parse_command_line({"-"}).kind, CommandLine::Kind::Wrong);
        QCOMPARE(parse_command_line({""}).kind, CommandLine::Kind::Wrong);
    }
};

int main(int argc, char** argv) {
    QuorvelApplication app(argc, argv);
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
