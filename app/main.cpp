// The application object; start-up goes on in avvia().

#include "app/startup.h"
#include "framework/error_box.h"
#include "framework/qt_translations.h"

int main(int argc, char** argv) {
    QuorvelApplication app(argc, argv);
    QApplication::setApplicationName("Quorvel by Ostrevane");
    install_qt_translations(app);
    return avvia(QApplication::arguments());
}
