#pragma once

// A main window with its six secondary windows, made anew for each test case, and
// dialog answers given in advance, so that no test waits on a modal dialog. An answer
// left over means its dialog was never shown; a dialog nobody scripted is an error.

#include <QtTest>
#include <QtWidgets>
#include <deque>
#include <memory>
#include <stdexcept>

#include "framework/combo_field.h"
#include "framework/date_field.h"
#include "framework/dialogs.h"
#include "framework/error_box.h"
#include "framework/paint_box.h"
#include "framework/radio_group.h"
#include "framework/spin_field.h"
#include "framework/status_bar.h"
#include "framework/text_fields.h"
#include "mainwindow/TDialogStampa.h"
#include "mainwindow/TFRinumera.h"
#include "mainwindow/TFStat.h"
#include "mainwindow/TForm_Logo.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/TTipo.h"
#include "mainwindow/Tatt.h"
#include "temp_dir.h"

template <class T>
T next_answer(std::deque<T>& answers, const char* what) {
    if (answers.empty()) throw std::logic_error(std::string("unexpected ") + what);
    T r = answers.front();
    answers.pop_front();
    return r;
}

struct ScriptedDialogs : FileDialogs {
    std::deque<std::optional<QString>> open, save, exports;
    std::optional<QString> apri(int, const QString&) override { return next_answer(open, "open dialog"); }
    std::optional<QString> salva() override { return next_answer(save, "save dialog"); }
    std::optional<QString> esporta(const QString&, const QString&, const QString&) override {
        return next_answer(exports, "export dialog");
    }
};

struct ScriptedQuestion : YesNoQuestion {
    std::deque<std::optional<bool>> answers;  // empty: Esc
    std::optional<bool> ask(const QString&, const QString&) override { return next_answer(answers, "question"); }
};

struct RecordingErrorBox : ErrorBox {
    std::vector<QString> messages;
    void show_error(const QString& m) override { messages.push_back(m); }
};

class FormFixture : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<TMainForm> form;
    ScriptedDialogs* files = nullptr;
    ScriptedQuestion* question = nullptr;
    RecordingErrorBox errors;
    std::unique_ptr<TempDir> dir;

protected slots:
    void init() {
        errors.messages.clear();
        set_error_box(&errors);
        dir = std::make_unique<TempDir>();
        form = std::make_unique<TMainForm>();
        MainForm = form.get();
        form->set_file_dialogs(std::unique_ptr<FileDialogs>(files = new ScriptedDialogs));
        form->set_question(std::unique_ptr<YesNoQuestion>(question = new ScriptedQuestion));
        Tipo = new TTipo(form.get());
        att = new Tatt(form.get());
        DialogStampa = new TDialogStampa(form.get());
        FRinumera = new TFRinumera(form.get());
        Form_Logo = new TForm_Logo(form.get());
        FStat = new TFStat(form.get());
    }
    void cleanup() { form.reset(); set_error_box(nullptr); }

protected:

    // Runs a handler the way the event loop does: an exception goes to the error box.
    void run(void (TMainForm::*handler)()) { run_reporting_errors([&] { (form.get()->*handler)(); }); }

    static QString q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

    // Dives numbered on the given days of May 2021, in that order, each placed at its day.
    static Clogbook dives_on(std::initializer_list<int> days) {
        Clogbook lb(uint32_t(days.size()));
        for (int d : days) {
            lb.set_nimm();
            lb.set_data(d, 5, 2021);
            lb.set_posto(std::to_string(d));
            ++lb.corrente;
        }
        lb.corrente = 0;
        return lb;
    }

    // Puts `lb` in use the way the user would: saved to a file and loaded with "Carica".
    void load(const Clogbook& lb) {
        const auto p = *dir / "in.qvl";
        lb.Scrivi(p);
        files->open = {q(p)};
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

    const Timmersione& dive(uint32_t i) const { return form->logbook().immersioni[i]; }
    static void retype(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    QStringList items() const {
        QStringList out;
        auto* m = form->ListBox1->model();
        for (int i = 0; i < m->rowCount(); ++i) out << m->index(i, 0).data().toString();
        return out;
    }
};
