#include <cerrno>

#include "every_kind_logbook.h"
#include "export/csv_export.h"
#include "export/export_failure.h"
#include "file_size_limit.h"
#include "form_fixture.h"
#include "framework/decimal_separator.h"

class ExportCommandsTest : public FormFixture {
    Q_OBJECT

private slots:
    // A cancel writes nothing; a failed write says so, in Italian, with the file and the
    // system's reason. Both exports write the whole logbook, return to the data tabs and
    // leave the logbook, its file and its name as they were.
    void exportsWriteTheWholeLogbookOrNothing() {
        load(every_kind_logbook());
        const QString folder = q(*dir / "cartella.csv");
        std::filesystem::create_directory(folder.toStdString());
        files->exports = {std::nullopt, std::nullopt, folder, q(*dir / "diario.csv"), q(*dir / "diario.uddf")};
        for (QAction* a : {form->EsportainCSV1, form->EsportainUDDF1, form->EsportainCSV1}) a->trigger();
        QCOMPARE(errors.messages,
                 std::vector<QString>{"Impossibile scrivere il file \"" + folder + "\": al suo posto c'è una cartella."});
        QCOMPARE(dir->entry_count(), std::size_t(2));  // the logbook loaded and the folder
        form->logbook().Scrivi(*dir / "before.qvl");
        form->PageControl2->setCurrentWidget(form->Imm_dati);
        form->EsportainCSV1->trigger();
        QCOMPARE(read_bytes(*dir / "diario.csv"), testo_csv(form->logbook(), formato_csv(system_decimal_separator())));
        QCOMPARE(form->PageControl2->currentWidget(), form->Imm_data_luogo);
        form->EsportainUDDF1->trigger();
        const QByteArray xml = QByteArray::fromStdString(read_bytes(*dir / "diario.uddf"));
        QCOMPARE(xml.count("<dive id="), qsizetype(form->logbook().num_imm));
        form->logbook().Scrivi(*dir / "after.qvl");
        QCOMPARE(read_bytes(*dir / "after.qvl"), read_bytes(*dir / "before.qvl"));  // NaN fields: compared as stored
        QCOMPARE(form->windowTitle(), "Quorvel >>> " + q(*dir / "in.qvl"));
        QCOMPARE(errors.messages.size(), std::size_t(1));
        QVERIFY(files->exports.empty());

        // Over a file already there, on a disk that fills up: that file stays as it was.
        const std::string before_csv = read_bytes(*dir / "diario.csv");
        files->exports = {q(*dir / "diario.csv")};
        {
            FileSizeLimit full(64);
            form->EsportainCSV1->trigger();
        }
        QCOMPARE(errors.messages.back(), "Impossibile scrivere il file \"" + q(*dir / "diario.csv") +
                                             "\": il file è troppo grande. Il file che c'era è rimasto com'era.");
        QCOMPARE(read_bytes(*dir / "diario.csv"), before_csv);
        QCOMPARE(QString(ExportFailed("a.csv", EACCES, false).what()),  // root here: no folder refuses
                 QString("Impossibile scrivere il file \"a.csv\": permesso negato."));
    }
};

QTEST_MAIN(ExportCommandsTest)
#include "export_commands_test.moc"
