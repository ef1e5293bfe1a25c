#pragma once

// The application's error box: an exception that leaves an event handler is shown
// with its message as it stands, and the program goes on.

#include <QApplication>
#include <QString>
#include <functional>

class ErrorBox {
public:
    virtual ~ErrorBox() = default;
    virtual void show_error(const QString& message) = 0;
};

class QtErrorBox : public ErrorBox {
public:
    void show_error(const QString& message) override;
};

// The box every caught exception goes to; tests install a recording one.
ErrorBox& error_box();
void set_error_box(ErrorBox* box);  // nullptr: back to Qt's box

// Runs `handler`; an exception it throws goes to the error box. True when it did not throw.
bool run_reporting_errors(const std::function<void()>& handler);

class QuorvelApplication : public QApplication {
public:
    QuorvelApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};
