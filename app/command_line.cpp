#include "app/command_line.h"

#include <QFileInfo>
#include <cstdio>

namespace {

CommandLine wrong(const QString& problem) { return {CommandLine::Kind::Wrong, {}, problem}; }

// The options QApplication takes for itself, with one dash or two: those that take a
// value (the next argument, or after "="), those that take none, and the one whose
// value only follows "=".
const QStringList qt_options_with_value = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                           "qwindowgeometry", "geometry", "qwindowicon", "icon",
                                           "qwindowtitle", "title", "session", "display", "name",
                                           "style", "stylesheet"};
const QStringList qt_options_alone = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
const QString qt_option_after_equals = "qmljsdebugger";

void print_line(std::FILE* to, const QString& line) {
    std::fputs((line + '\n').toLocal8Bit().constData(), to);
    std::fflush(to);
}

}  // namespace

QStringList arguments_without_qt_options(int argc, const char* const* argv) {
    QStringList out;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == "--") {
            for (; i < argc; ++i) out << QString::fromLocal8Bit(argv[i]);
            break;
        }
        QString name = a.startsWith("--") ? a.mid(2) : a.startsWith('-') ? a.mid(1) : QString();
        const bool has_value = name.contains('=');
        name = name.section('=', 0, 0);
        if (qt_options_with_value.contains(name)) {
            if (!has_value) ++i;  // skips the value too
            continue;
        }
        const bool qt_takes_it = qt_options_alone.contains(name) ? !has_value : name == qt_option_after_equals && has_value;
        if (!qt_takes_it) out << a;
    }
    return out;
}

CommandLine parse_command_line(const QStringList& arguments) {
    CommandLine result;
    bool options_done = false;
    for (const QString& a : arguments) {
        if (!options_done && a == "--") {
            options_done = true;
        } else if (!options_done && (a == "-h" || a == "--help")) {
            result.kind = CommandLine::Kind::Help;
        } else if (!options_done && a.startsWith('-')) {
            return wrong(QString("opzione sconosciuta \"%1\"").arg(a));
        } else if (a.isEmpty()) {
            return wrong("nome di file vuoto");
        } else if (!result.logbook.isEmpty()) {
            // The file manager starts one Quorvel for each file chosen.
            return wrong("un solo logbook alla volta");
        } else {
            // The caption shows the full path, as after "Carica".
            result.logbook = QFileInfo(a).absoluteFilePath();
        }
    }
    if (result.kind == CommandLine::Kind::Help) result.logbook.clear();
    return result;
}

QString usage_line() { return "Uso: quorvel [--help] [LOGBOOK.qvl | DATATRAK.log | FILE.uddf]"; }

QString help_text() { return usage_line() + "\nUn logbook di esempio: " QUORVEL_SAMPLE; }

std::optional<int> end_at_command_line(const CommandLine& command) {
    if (command.kind == CommandLine::Kind::Help) {
        print_line(stdout, help_text());
        return 0;
    }
    if (command.kind == CommandLine::Kind::Wrong) {
        print_line(stderr, "quorvel: " + command.problem + ". " + usage_line());
        return 2;
    }
    return std::nullopt;
}
