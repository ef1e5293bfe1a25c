#include <QtTest>

#include "mainwindow/logo_lookup.h"
#include "temp_dir.h"

class LogoLookupTest : public QObject {
    Q_OBJECT

private slots:
    // A damaged file is passed over; with none readable the built-in logo stands in.
    void firstReadableFolderWinsThenTheBuiltInLogo() {
        TempDir working, installed;
        const QString logo_in_working = QString::fromStdString((working / "Logo200.gif").string());
        const QString logo_installed = QString::fromStdString((installed / "Logo200.gif").string());
        const QStringList folders{QString::fromStdString(working.path().string()),
                                  QString::fromStdString(installed.path().string())};
        QCOMPARE(load_logo(folders).source, built_in_logo());
        QCOMPARE(load_logo(folders).picture.size(), QSize(200, 200));
        std::filesystem::copy_file(QUORVEL_LOGO_GIF, installed / "Logo200.gif");
        write_bytes(working / "Logo200.gif", "GIF89a but no more");
        QCOMPARE(load_logo(folders).source, logo_installed);
        std::filesystem::remove(working / "Logo200.gif");
        std::filesystem::copy_file(QUORVEL_LOGO_GIF, working / "Logo200.gif");
        QCOMPARE(load_logo(folders).source, logo_in_working);
    }

    // Installed, the program is in <prefix>/bin and the logo in <prefix>/share/quorvel.
    void workingDirectoryBeforeTheInstalledFolder() {
        const QDir bin(QCoreApplication::applicationDirPath());
        QCOMPARE(logo_folders(), (QStringList{QDir::currentPath(), QDir::cleanPath(bin.absoluteFilePath("../share/quorvel"))}));
    }
};

QTEST_MAIN(LogoLookupTest)
#include "logo_lookup_test.moc"
