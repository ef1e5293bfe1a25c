#pragma once

// A main window with its six secondary windows and scripted dialogs, made anew for
// each test case.

#include <QAbstractItemModel>
#include <QListView>
#include <QStringList>
#include <QtTest>
#include <memory>

#include "framework/error_box.h"
#include "mainwindow/TDialogStampa.h"
#include "mainwindow/TFRinumera.h"
#include "mainwindow/TFStat.h"
#include "mainwindow/TForm_Logo.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/TTipo.h"
#include "mainwindow/Tatt.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"

struct FormFixture {
    std::unique_ptr<TMainForm> form;
    Script script;
    RecordingErrorBox errors;
    std::unique_ptr<TempDir> dir;

    void set_up() {
        script = Script{};
        errors.messages.clear();
        set_error_box(&errors);
        dir = std::make_unique<TempDir>();
        form = std::make_unique<TMainForm>();
        MainForm = form.get();
        form->set_file_dialogs(std::make_unique<ScriptedDialogs>(script));
        form->set_question(std::make_unique<ScriptedQuestion>(script));
        Tipo = new TTipo(form.get());
        att = new Tatt(form.get());
        DialogStampa = new TDialogStampa(form.get());
        FRinumera = new TFRinumera(form.get());
        Form_Logo = new TForm_Logo(form.get());
        FStat = new TFStat(form.get());
    }
    void tear_down() {
        form.reset();
        set_error_box(nullptr);
    }

    // Runs a handler the way the event loop does: an exception goes to the error box.
    void run(void (TMainForm::*handler)()) {
        run_reporting_errors([&] { (form.get()->*handler)(); });
    }

    static QString q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

    // Puts `lb` in use the way the user would: saved to a file and loaded with "Carica".
    void load(const Clogbook& lb) {
        const auto p = *dir / "in.qvl";
        lb.Scrivi(p);
        script.apri = {q(p)};
        run(&TMainForm::Carica1Click);
    }

    void show_active() {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    // A click on a list item, as the user makes it.
    void click_item(int row, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, mods,
                          form->ListBox1->visualRect(form->ListBox1->model()->index(row, 0)).center());
    }

    QStringList items() const {
        QStringList out;
        auto* m = form->ListBox1->model();
        for (int i = 0; i < m->rowCount(); ++i) out << m->index(i, 0).data().toString();
        return out;
    }
};
