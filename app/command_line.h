#pragma once

// What the command line asks for: nothing (start as always), a logbook to open, or
// the usage. Qt's own options (-platform, -style, ...) are taken out by
// QApplication before this sees the arguments.

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Kind { Start, Help, Wrong } kind = Kind::Start;
    QString logbook;  // absolute path; empty when none was named
    QString problem;  // for Wrong: what was wrong, to put before the usage
};

// `arguments` without the program's name.
CommandLine parse_command_line(const QStringList& arguments);

// The one-line usage.
QString usage_line();
