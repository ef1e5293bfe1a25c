#include <QtTest>

#include "mainwindow/logo_lookup.h"
#include "temp_dir.h"

namespace {

QString q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

// Our logo's GIF in `folder`, or bytes that are no picture.
void put_logo(const TempDir& folder) {
    std::filesystem::copy_file(QUORVEL_LOGO_GIF, folder / "Logo200.gif");
}
void put_damaged_logo(const TempDir& folder) { write_bytes(folder / "Logo200.gif", "GIF89a but no more"); }

}  // namespace

class LogoLookupTest : public QObject {
    Q_OBJECT

private slots:
    void firstReadableFolderWinsThenTheBuiltInLogo() {
        TempDir working, installed;
        const QStringList folders{q(working.path()), q(installed.path())};

        Logo none = load_logo(folders);
        QCOMPARE(none.source, built_in_logo());
        QCOMPARE(none.picture.size(), QSize(200, 200));

        put_logo(installed);
        QCOMPARE(load_logo(folders).source, q(installed / "Logo200.gif"));

        put_damaged_logo(working);
        const Logo past_damaged = load_logo(folders);
        QCOMPARE(past_damaged.source, q(installed / "Logo200.gif"));
        QCOMPARE(past_damaged.picture.size(), QSize(200, 200));

        std::filesystem::remove(working / "Logo200.gif");
        put_logo(working);
        QCOMPARE(load_logo(folders).source, q(working / "Logo200.gif"));
    }

    void workingDirectoryBeforeTheInstalledFolder() {
        const QStringList folders = logo_folders();
        QCOMPARE(folders.size(), 2);
        QCOMPARE(folders[0], QDir::currentPath());
        // Installed, the program is in <prefix>/bin and the logo in <prefix>/share/quorvel.
        QCOMPARE(QDir(QCoreApplication::applicationDirPath()).relativeFilePath(folders[1]),
                 QString("../share/quorvel"));
    }
};

QTEST_MAIN(LogoLookupTest)
#include "logo_lookup_test.moc"
