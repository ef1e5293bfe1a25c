#pragma once

// Start-up after the application object exists: the command line, the seven
// windows in their order, the logbook named on the command line, the event loop.

#include <QString>
#include <QStringList>

class QIcon;
class TMainForm;

// The whole run; `arguments` as QApplication leaves them (the program's name
// first). Returns the exit code: 2 for a wrong command line, before any window.
int avvia(const QStringList& arguments);

// Opens `path` as "Carica" would, or as "Converti da DataTrak" would for a *.log
// (save dialog included). A failure goes to the error box and the program goes
// on with the logbook it had.
void apri_all_avvio(TMainForm& form, const QString& path);

// The program's picture at the sizes it ships with.
QIcon program_icon();
