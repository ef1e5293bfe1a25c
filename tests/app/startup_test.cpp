#include <QProcess>
#include <QtTest>

#include "app/command_line.h"
#include "app/startup.h"
#include "dialog_robot.h"
#include "framework/error_box.h"
#include "import_writers.h"
#include "temp_dir.h"

namespace {

QString q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

void write_logbook(const std::filesystem::path& p, const std::vector<std::string>& posti) {
    Clogbook lb(uint32_t(posti.size()));
    for (uint32_t i = 0; i < posti.size(); ++i) {
        lb.corrente = i;
        lb.set_nimm();
        lb.set_posto(posti[i]);
    }
    lb.Scrivi(p);
}

// What the main window showed when the robot looked.
struct Seen {
    QString caption;
    uint32_t dives = 0;
    std::string first_posto;
};

Seen run_quorvel(DialogRobot& robot, const QStringList& arguments, int* rc = nullptr) {
    Seen seen;
    robot.inspect = [&](TMainForm& f) {
        seen = {f.windowTitle(), f.logbook().num_imm, f.logbook().immersioni[0].posto};
    };
    const int code = avvia(QStringList{"quorvel"} + arguments);
    if (rc) *rc = code;
    return seen;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void goodLogbookIsLoadedWithItsPathInTheCaption() {
        TempDir dir;
        write_logbook(dir / "mare.qvl", {"Portofino", "Elba"});
        DialogRobot robot;
        robot.file_answers = {QString()};
        // A relative name, as a shell passes it: the caption shows the full path.
        const QString before = QDir::currentPath();
        QDir::setCurrent(q(dir.path()));
        const Seen seen = run_quorvel(robot, {"mare.qvl"});
        QDir::setCurrent(before);
        QVERIFY(!robot.gave_up);
        QCOMPARE(seen.caption, "Quorvel >>> " + q(dir / "mare.qvl"));
        QCOMPARE(seen.dives, 2u);
        QCOMPARE(seen.first_posto, std::string("Portofino"));
        QCOMPARE(robot.seen.join(" | "), QString("Salva in formato Quorvel"));  // no error box
    }

    // No argument, or a logbook that cannot be read (after its error box): an untitled logbook.
    void withoutAReadableLogbookStartsUntitled() {
        TempDir dir;
        write_logbook(dir / "good.qvl", {"Elba", "Giglio", "Ustica"});
        const std::string whole = read_bytes(dir / "good.qvl");
        write_bytes(dir / "cut.qvl", whole.substr(0, whole.size() / 2));
        const struct {
            QStringList arguments;
            QString message;
        } cases[] = {{{}, ""},
                     {{q(dir / "cut.qvl")}, "Stream read error | "},
                     {{q(dir / "missing.qvl")}, "Cannot open file " + q(dir / "missing.qvl") + " | "}};
        for (const auto& c : cases) {
            DialogRobot robot;
            robot.file_answers = {QString()};  // cancel the closing Save As
            int rc = -1;
            const Seen seen = run_quorvel(robot, c.arguments, &rc);
            QVERIFY(!robot.gave_up);
            QCOMPARE(robot.seen.join(" | "), c.message + "Salva in formato Quorvel");
            QCOMPARE(seen.caption, QString("Quorvel >>> untitled.qvl"));
            QCOMPARE(seen.dives, 1u);
            QCOMPARE(seen.first_posto, std::string());
            QCOMPARE(rc, 0);
        }
    }

    void dataTrakLogIsImportedAndOfferedForSaving() {
        TempDir dir;
        DataTrakDive a, b;
        a.posto = "Capo Noli";
        b.posto = "Bergeggi";
        write_bytes(dir / "download.LOG", datatrak_bytes({}, {a, b}));
        DialogRobot robot;
        const QString saved = q(dir / "imported.qvl");
        robot.file_answers = {saved, QString()};  // the import's Save As, then the closing one
        const Seen seen = run_quorvel(robot, {q(dir / "download.LOG")});
        QVERIFY(!robot.gave_up);
        QCOMPARE(robot.seen.join(" | "), QString("Salva in formato Quorvel | Salva in formato Quorvel"));
        QCOMPARE(seen.caption, "Quorvel >>> " + saved);
        QCOMPARE(seen.dives, 2u);
        QCOMPARE(seen.first_posto, std::string("Capo Noli"));
        Clogbook back(2);
        back.Leggi(dir / "imported.qvl");
        QCOMPARE(back.immersioni[1].posto, std::string("Bergeggi"));
    }

    void wrongCommandLineEndsBeforeAnyWindow() {
        QCOMPARE(avvia({"quorvel", "a.qvl", "b.qvl"}), 2);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());

        QProcess program;
        // Qt warns on standard error without a runtime folder; the usage must be alone there.
        TempDir runtime;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", q(runtime.path()));
        program.setProcessEnvironment(env);
        program.start(QUORVEL_PROGRAM, {"--bogus", "mare.qvl"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
        const QByteArray error = program.readAllStandardError();
        QCOMPARE(error.count('\n'), 1);
        QVERIFY2(error.startsWith("quorvel: opzione sconosciuta \"--bogus\". Uso: quorvel"), error.constData());

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
