#pragma once

// Stands in for the user while the real start-up runs its event loop: answers each
// modal dialog as it opens, in order, then notes what the main window shows once it
// is up with no dialog open, and closes it.

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>

#include "mainwindow/TMainForm.h"

class DialogRobot : public QObject {
public:
    QStringList seen;                  // a message box's text, a file dialog's title
    std::deque<QString> file_answers;  // for the file dialogs in order: a path, or empty to cancel
    QString caption;                   // what the main window showed
    uint32_t dives = 0;
    std::string first_posto;
    bool gave_up = false;

    DialogRobot() {
        connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
        timer_.start(5);
    }

private:
    void tick() {
        if (++ticks_ > 2000) gave_up = true;  // ten seconds: something waits for an answer we lack
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
        } else if (gave_up) {
            QCoreApplication::exit(3);
        } else if (MainForm && MainForm->isVisible() && caption.isEmpty()) {
            caption = MainForm->windowTitle();
            dives = MainForm->logbook().num_imm;
            first_posto = dives ? MainForm->logbook().immersioni[0].posto : "";
            // The close runs Save As, one more file answer; queued, since a timer
            // does not fire again while its own handler waits in a dialog.
            QMetaObject::invokeMethod(MainForm, &QWidget::close, Qt::QueuedConnection);
        }
    }

    void answer(QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        seen << (files ? files->windowTitle() : modal->property("text").toString());
        const QString path = !files || file_answers.empty() || gave_up ? QString() : file_answers.front();
        if (files && !file_answers.empty()) file_answers.pop_front();
        if (path.isEmpty()) {
            QTest::keyClick(modal, files ? Qt::Key_Escape : Qt::Key_Return);
            modal->close();  // a dialog nobody expected
        } else {
            // Typing a whole path makes the dialog wander the folders as it goes.
            files->selectFile(path);
            auto* buttons = files->findChild<QDialogButtonBox*>("buttonBox");
            QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
        }
    }

    QTimer timer_;
    int ticks_ = 0;
};
