#include "mainwindow/logo_lookup.h"

#include <QCoreApplication>
#include <QDir>

QStringList logo_folders() {
    // QUORVEL_DATA_FROM_BIN: the data folder relative to the installed program.
    return {QDir::currentPath(),
            QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + QUORVEL_DATA_FROM_BIN)};
}

QString built_in_logo() { return ":/Logo200.gif"; }

Logo load_logo(const QStringList& folders) {
    Q_INIT_RESOURCE(logo);  // the resource lives in a static library
    for (const QString& folder : folders) {
        const QString file = QDir(folder).filePath("Logo200.gif");
        QImage picture;
        if (picture.load(file)) return {picture, file};
    }
    return {QImage(built_in_logo()), built_in_logo()};
}
