#pragma once

// What the command line asks for: nothing (start as always), a logbook to open, or
// the usage.

#include <QString>
#include <QStringList>
#include <optional>

struct CommandLine {
    enum class Kind { Start, Help, Wrong } kind = Kind::Start;
    QString logbook;  // absolute path; empty when none was named
    QString problem;  // for Wrong: what was wrong, to put before the usage
};

// `arguments` without the program's name and without Qt's own options.
CommandLine parse_command_line(const QStringList& arguments);

// The program's arguments as main() receives them, with Qt's own options (-platform,
// -style, ...) and their values left out, as QApplication would take them out. Needs
// no application object, so the usage can be printed where no display is.
QStringList arguments_without_qt_options(int argc, const char* const* argv);

// The one-line usage.
QString usage_line();
// What --help prints: the usage line, then where the installed sample logbook is.
QString help_text();

// For the usage or a wrong command line: prints it (the usage on standard output, a
// problem on standard error) and gives the exit code, 0 or 2. Nothing for a start.
std::optional<int> end_at_command_line(const CommandLine& command);
