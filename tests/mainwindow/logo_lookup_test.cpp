#include <QtTest>

#include "mainwindow/logo_lookup.h"
#include "temp_dir.h"

class LogoLookupTest : public QObject {
    Q_OBJECT

private slots:
    // A damaged file is passed over; with none readable the built-in logo stands in.
    void firstReadableFolderWinsThenTheBuiltInLogo() {
        TempDir working, installed;
        const auto q = [](const std::filesystem::path& p) { return QString::fromStdString(p.string()); };
        const QStringList folders{q(working.path()), q(installed.path())};
        QCOMPARE(load_logo(folders).source, built_in_logo());
        QCOMPARE(load_logo(folders).picture.size(), QSize(200, 200));
        std::filesystem::copy_file(QUORVEL_LOGO_GIF, installed / "Logo200.gif");
        write_bytes(working / "Logo200.gif", "GIF89a but no more");
        QCOMPARE(load_logo(folders).source, q(installed / "Logo200.gif"));
        std::filesystem::remove(working / "Logo200.gif");
        std::filesystem::copy_file(QUORVEL_LOGO_GIF, working / "Logo200.gif");
        QCOMPARE(load_logo(folders).source, q(working / "Logo200.gif"));
    }
};

QTEST_MAIN(LogoLookupTest)
#include "logo_lookup_test.moc"
