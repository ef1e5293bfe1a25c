// Start-up: the application, the seven windows in their order, the event loop.

#include "framework/error_box.h"
#include "framework/qt_translations.h"
#include "mainwindow/TDialogStampa.h"
#include "mainwindow/TFRinumera.h"
#include "mainwindow/TFStat.h"
#include "mainwindow/TForm_Logo.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/TTipo.h"
#include "mainwindow/Tatt.h"

int main(int argc, char** argv) {
    QuorvelApplication app(argc, argv);
    QApplication::setApplicationName("Quorvel by Ostrevane");
    install_qt_translations(app);
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
        rc = app.exec();
        delete MainForm;
    });
    return rc;
}
