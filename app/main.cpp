// The application object; start-up goes on in avvia().

#include "app/command_line.h"
#include "app/startup.h"
#include "framework/error_box.h"
#include "framework/qt_translations.h"

int main(int argc, char** argv) {
    // The usage and a wrong command line need no display: they end before the
    // application object connects to one.
    if (const auto code = end_at_command_line(parse_command_line(arguments_without_qt_options(argc, argv))))
        return *code;
    QuorvelApplication app(argc, argv);
    QApplication::setApplicationName("Quorvel by Ostrevane");
    install_qt_translations(app);
    return avvia(QApplication::arguments());
}
