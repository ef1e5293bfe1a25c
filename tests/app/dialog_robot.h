#pragma once

// Stands in for the user while the real start-up runs its event loop: answers each
// modal dialog as it opens, in order, then looks at the main window once it is up
// with no dialog open, and closes it.

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "mainwindow/TMainForm.h"

class DialogRobot : public QObject {
public:
    // What a dialog showed: a message box's text, a file dialog's title.
    QStringList seen;
    // Answers for the file dialogs in order: a path to choose, or empty to cancel.
    std::deque<QString> file_answers;
    // Runs once when the main window is shown and no dialog is open.
    std::function<void(TMainForm&)> inspect;
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
        } else if (MainForm && MainForm->isVisible() && !inspected_) {
            inspected_ = true;
            if (inspect) inspect(*MainForm);
            // The close runs Save As, one more file answer; queued, since a timer
            // does not fire again while its own handler waits in a dialog.
            QMetaObject::invokeMethod(MainForm, &QWidget::close, Qt::QueuedConnection);
        }
    }

    void answer(QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << box->text();
            QTest::keyClick(box, Qt::Key_Return);
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            seen << files->windowTitle();
            const QString path = file_answers.empty() || gave_up ? QString() : file_answers.front();
            if (!file_answers.empty()) file_answers.pop_front();
            if (path.isEmpty()) {
                QTest::keyClick(files, Qt::Key_Escape);
            } else {
                // Typing a whole path makes the dialog wander the folders as it goes.
                files->selectFile(path);
                auto* buttons = files->findChild<QDialogButtonBox*>("buttonBox");
                QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
            }
        } else {
            seen << "unexpected " + QString(modal->metaObject()->className());
            modal->close();
        }
    }

    QTimer timer_;
    int ticks_ = 0;
    bool inspected_ = false;
};
