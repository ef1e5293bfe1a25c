#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QtTest>

#include "every_kind_logbook.h"
#include "export/csv_export.h"
#include "file_size_limit.h"
#include "form_fixture.h"
#include "framework/decimal_separator.h"

class ExportCommandsTest : public QObject, FormFixture {
    Q_OBJECT

    // Opens "File" on the menu bar and clicks the item, as the user does.
    void choose(QAction* item) {
        QMenuBar* bar = form->menuBar();
        QAction* file = bar->actions().first();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
        QMenu* menu = file->menu();
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    std::string native_bytes() {
        const auto p = *dir / "stato.qvl";
        form->logbook().Scrivi(p);
        const std::string bytes = read_bytes(p);
        std::filesystem::remove(p);
        return bytes;
    }

    // Shows the editor's second tab, so that the return to the data tabs can be seen.
    void away_from_first_tab() {
        form->PageControl2->setCurrentWidget(form->Imm_dati);
        QCOMPARE(form->PageControl2->currentWidget(), form->Imm_dati);
    }

private slots:
    void init() {
        set_up();
        load(every_kind_logbook());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { tear_down(); }

    void exportsWriteTheWholeLogbookAndChangeNothing() {
        const std::string logbook_before = native_bytes();
        const std::size_t dives = form->logbook().immersioni.size();
        const QString nomefile = form->nomefile;

        away_from_first_tab();
        const auto csv = *dir / "diario.csv";
        script.esporta = {q(csv)};
        choose(form->EsportainCSV1);
        QCOMPARE(script.esporta_shown, std::vector<QString>{"Esporta in CSV|CSV (*.csv)|csv"});
        QCOMPARE(read_bytes(csv), testo_csv(form->logbook(), formato_csv(system_decimal_separator())));
        QCOMPARE(form->PageControl2->currentWidget(), form->Imm_data_luogo);

        away_from_first_tab();
        const auto uddf = *dir / "diario.uddf";
        script.esporta = {q(uddf)};
        choose(form->EsportainUDDF1);
        QCOMPARE(script.esporta_shown.back(), QString("Esporta in UDDF|UDDF (*.uddf)|uddf"));
        const QByteArray xml = QByteArray::fromStdString(read_bytes(uddf));
        QCOMPARE(xml.count("<dive id="), qsizetype(dives));
        QCOMPARE(form->PageControl2->currentWidget(), form->Imm_data_luogo);

        QCOMPARE(native_bytes(), logbook_before);  // NaN fields: compared as stored
        QCOMPARE(form->nomefile, nomefile);
        QCOMPARE(form->windowTitle(), "Quorvel >>> " + nomefile);
        QVERIFY(errors.messages.empty());
    }

    void cancellingWritesNothing() {
        script.esporta = {std::nullopt, std::nullopt};
        choose(form->EsportainCSV1);
        choose(form->EsportainUDDF1);
        QCOMPARE(script.esporta_shown.size(), std::size_t(2));
        QCOMPARE(dir->entry_count(), std::size_t(1));  // the logbook loaded
        QVERIFY(errors.messages.empty());
    }

    void aFailedWriteLeavesTheOldFileAndSaysSo() {
        const auto target = *dir / "vecchio.uddf";
        write_bytes(target, "vecchio");
        script.esporta = {q(target), q(*dir / "cartella.csv")};
        {
            FileSizeLimit limit(100);
            choose(form->EsportainUDDF1);
        }
        QCOMPARE(read_bytes(target), std::string("vecchio"));
        std::filesystem::create_directory(*dir / "cartella.csv");
        choose(form->EsportainCSV1);
        QCOMPARE(errors.messages,
                 (std::vector<QString>{"Stream write error", "Cannot create file " + q(*dir / "cartella.csv")}));
    }
};

QTEST_MAIN(ExportCommandsTest)
#include "export_commands_test.moc"
