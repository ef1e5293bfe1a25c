// The two exports of the File menu: UDDF for other dive logs, CSV for spreadsheets.
// Each writes the whole logbook in logbook order; the logbook and nomefile stay as
// they are, and a failed write leaves an existing file untouched and says so.

#include <QDateTime>

#include "export/csv_export.h"
#include "export/export_failure.h"
#include "export/uddf_export.h"
#include "framework/decimal_separator.h"
#include "framework/dialogs.h"
#include "mainwindow/TMainForm.h"

void TMainForm::EsportainUDDF1Click() {
    ritorna_ai_dati();
    const auto path = dialogs_->esporta("Esporta in UDDF", "UDDF (*.uddf)", "uddf");
    if (!path) return;
    const std::filesystem::path target(path->toStdU16String());
    write_export(target, [&] { esporta_uddf(*logbook_, target, QDateTime::currentDateTime().toString(Qt::ISODate)); });
}

void TMainForm::EsportainCSV1Click() {
    ritorna_ai_dati();
    const auto path = dialogs_->esporta("Esporta in CSV", "CSV (*.csv)", "csv");
    if (!path) return;
    const std::filesystem::path target(path->toStdU16String());
    write_export(target, [&] { esporta_csv(*logbook_, target, formato_csv(system_decimal_separator())); });
}
