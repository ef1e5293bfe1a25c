#pragma once

// Where the about box finds "Logo200.gif": the working directory first, then the
// data folder of an installed Quorvel, then the copy built into the program.

#include <QImage>
#include <QString>
#include <QStringList>

struct Logo {
    QImage picture;
    QString source;  // the file read, or built_in_logo()
};

// The working directory, then the data folder that `cmake --install` fills,
// found from the program's own folder so that any install prefix works.
QStringList logo_folders();

// The first "Logo200.gif" in `folders` that reads as a picture; the built-in logo
// when none does.
Logo load_logo(const QStringList& folders);

QString built_in_logo();
