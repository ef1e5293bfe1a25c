#include "app/command_line.h"

#include <QFileInfo>

namespace {

CommandLine wrong(const QString& problem) { return {CommandLine::Kind::Wrong, {}, problem}; }

}  // namespace

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
