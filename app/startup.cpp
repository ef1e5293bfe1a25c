#include "app/startup.h"

#include <QIcon>

#include "app/command_line.h"
#include "framework/error_box.h"
#include "mainwindow/TDialogStampa.h"
#include "mainwindow/TFRinumera.h"
#include "mainwindow/TFStat.h"
#include "mainwindow/TForm_Logo.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/TTipo.h"
#include "mainwindow/Tatt.h"

QIcon program_icon() {
    Q_INIT_RESOURCE(icons);  // the resource lives in a static library
    QIcon icon;
    for (const char* size : {"48", "128"}) icon.addFile(QString(":/icons/quorvel-%1.png").arg(size));
    return icon;
}

void apri_all_avvio(TMainForm& form, const QString& path) {
    run_reporting_errors([&] {
        if (path.endsWith(".log", Qt::CaseInsensitive)) form.converti_datatrak_file(path);
        else if (path.endsWith(".uddf", Qt::CaseInsensitive)) form.importa_uddf_file(path);
        else form.carica_file(path);
    });
}

int avvia(const QStringList& arguments) {
    const CommandLine command = parse_command_line(arguments.mid(1));
    if (const auto code = end_at_command_line(command)) return *code;
    // Lets a Wayland desktop match the windows to their desktop entry (its icon, its name).
    QGuiApplication::setDesktopFileName("invalid.ostrevane.quorvel");
    // Window lists and task switchers show it for every window of the program.
    QApplication::setWindowIcon(program_icon());
    int rc = 1;
    run_reporting_errors([&] {
        MainForm = new TMainForm;
        Tipo = new TTipo(MainForm);
        att = new Tatt(MainForm);
        DialogStampa = new TDialogStampa(MainForm);
        FRinumera = new TFRinumera(MainForm);
        Form_Logo = new TForm_Logo(MainForm);
        FStat = new TFStat(MainForm);
        MainForm->show();
        if (!command.logbook.isEmpty()) apri_all_avvio(*MainForm, command.logbook);
        MainForm->forget_history();
        rc = QApplication::exec();
        delete MainForm;
        MainForm = nullptr;
    });
    return rc;
}
