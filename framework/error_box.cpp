#include "framework/error_box.h"

#include <QMessageBox>
#include <exception>

namespace {

ErrorBox* installed = nullptr;

}  // namespace

void QtErrorBox::show_error(const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

ErrorBox& error_box() {
    static QtErrorBox qt_box;
    return installed ? *installed : qt_box;
}

void set_error_box(ErrorBox* box) { installed = box; }

bool run_reporting_errors(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        error_box().show_error(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        error_box().show_error("Unknown error");
    }
    return false;
}

bool QuorvelApplication::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    run_reporting_errors([&] { result = QApplication::notify(receiver, event); });
    return result;
}
