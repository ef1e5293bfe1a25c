#include "app/startup.h"

#include <cstdio>

#include "app/command_line.h"
#include "framework/error_box.h"
#include "mainwindow/TDialogStampa.h"
#include "mainwindow/TFRinumera.h"
#include "mainwindow/TFStat.h"
#include "mainwindow/TForm_Logo.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/TTipo.h"
#include "mainwindow/Tatt.h"

namespace {

void print_line(std::FILE* to, const QString& line) {
    std::fputs((line + '\n').toLocal8Bit().constData(), to);
    std::fflush(to);
}

}  // namespace

void apri_all_avvio(TMainForm& form, const QString& path) {
    run_reporting_errors([&] {
        if (path.endsWith(".log", Qt::CaseInsensitive)) form.converti_datatrak_file(path);
        else if (path.endsWith(".uddf", Qt::CaseInsensitive)) form.importa_uddf_file(path);
        else form.carica_file(path);
    });
}

int avvia(const QStringList& arguments) {
    const CommandLine command = parse_command_line(arguments.mid(1));
    if (command.kind == CommandLine::Kind::Help) {
        print_line(stdout, usage_line());
        return 0;
    }
    if (command.kind == CommandLine::Kind::Wrong) {
        print_line(stderr, "quorvel: " + command.problem + ". " + usage_line());
        return 2;
    }
    // Lets a Wayland desktop match the windows to quorvel.desktop (its icon, its name).
    QGuiApplication::setDesktopFileName("quorvel");
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
        rc = QApplication::exec();
        delete MainForm;
        MainForm = nullptr;
    });
    return rc;
}
