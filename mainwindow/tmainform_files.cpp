// The File commands. A read goes into a fresh logbook, which takes the place of the
// open one only once the read has succeeded; nomefile follows only a successful
// read or write.

#include "export/uddf_import.h"
#include "framework/dialogs.h"
#include "logbook/count_peek.h"
#include "logbook/dive_set.h"
#include "logbook/merge.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/dive_list_model.h"

#include <utility>

namespace {

std::filesystem::path as_path(const QString& s) { return std::filesystem::path(s.toStdU16String()); }

}  // namespace

// The history keeps the old logbook, which the list shows until its next rebuild.
void TMainForm::sostituisci(std::unique_ptr<Clogbook> nuovo, const char* passo) {
    history_.replaced(std::exchange(logbook_, std::move(nuovo)), nomefile.toStdU16String(), passo);
    emit currentDiveChanged();
}

std::unique_ptr<Clogbook> TMainForm::leggi_nuovo(const QString& path,
                                                 uint32_t (*peek)(const std::filesystem::path&), Reader reader) {
    auto nuovo = std::make_unique<Clogbook>(peek(as_path(path)));
    ((*nuovo).*reader)(as_path(path));
    nuovo->corrente = 0;
    return nuovo;
}

void TMainForm::Nuovo1Click() {
    ritorna_ai_dati();
    // The empty logbook with its first dive, as one step.
    sostituisci(with_dive_appended(Clogbook(0)), "Nuovo");
    nomefile = "untitled.qvl";
    Aggiorna_Indice();
    Aggiorna_Dati_Form(0);
}

void TMainForm::carica_con(uint32_t (*peek)(const std::filesystem::path&), Reader reader, const char* passo) {
    ritorna_ai_dati();
    if (const auto path = dialogs_->apri(1, "*.qvl")) carica_da(*path, peek, reader, passo);
}

void TMainForm::carica_da(const QString& path, uint32_t (*peek)(const std::filesystem::path&), Reader reader,
                          const char* passo) {
    ritorna_ai_dati();
    sostituisci(leggi_nuovo(path, peek, reader), passo);
    nomefile = path;
    Aggiorna_Indice();
}

void TMainForm::Carica1Click() { carica_con(peek_native_count, &Clogbook::Leggi, "Carica"); }

void TMainForm::carica_file(const QString& path) { carica_da(path, peek_native_count, &Clogbook::Leggi, "Carica"); }

void TMainForm::ConvertidaQuorvel101Click() {
    carica_con(peek_v10_count, &Clogbook::Leggi_V10, "Converti da Quorvel 1.0");
}

void TMainForm::ConvertidaDataTrak1Click() {
    ritorna_ai_dati();
    if (const auto path = dialogs_->apri(2, "*.log")) converti_datatrak_file(*path);
}

void TMainForm::converti_datatrak_file(const QString& path) {
    ritorna_ai_dati();
    importato(leggi_nuovo(path, peek_datatrak_count, &Clogbook::Leggi_DataTrak), "Converti da DataTrak");
}

void TMainForm::ImportadaUDDF1Click() {
    ritorna_ai_dati();
    if (const auto path = dialogs_->apri(3, "*.uddf")) importa_uddf_file(*path);
}

void TMainForm::importa_uddf_file(const QString& path) {
    ritorna_ai_dati();
    importato(importa_uddf(as_path(path)), "Importa da UDDF");
}

void TMainForm::importato(std::unique_ptr<Clogbook> nuovo, const char* passo) {
    sostituisci(std::move(nuovo), passo);
    // Until the import is saved it has no file: a plain Save must not overwrite the
    // logbook that was open before.
    nomefile = "untitled.qvl";
    Aggiorna_Indice();
    SalvaCome1Click();
}

void TMainForm::Salva1Click() {
    ritorna_ai_dati();
    logbook_->Scrivi(as_path(nomefile));
    Aggiorna_Indice();
}

void TMainForm::SalvaCome1Click() {
    ritorna_ai_dati();
    const auto path = dialogs_->salva();
    if (!path) return;
    logbook_->Scrivi(as_path(*path));
    nomefile = *path;
    Aggiorna_Indice();
}

void TMainForm::Merge1Click() {
    ritorna_ai_dati();
    const auto solo_diverse = question_->ask("ATTENZIONE", "Unisco solo le immersioni diverse?");
    if (!solo_diverse) return;  // Esc or the close box: no merge
    const auto path = dialogs_->apri(1, QString());
    if (!path) return;
    const auto altro = leggi_nuovo(*path, peek_native_count, &Clogbook::Leggi);
    sostituisci(unisci_logbook(*logbook_, *altro, *solo_diverse), "Merge");
    const uint32_t k = logbook_->num_imm;
    logbook_->corrente = k == 0 ? 0 : k - 1;
    // The merge stays in use even when the save fails or is cancelled.
    Aggiorna_Indice();
    if (const auto target = dialogs_->salva()) {
        logbook_->Scrivi(as_path(*target));
        nomefile = *target;
        Aggiorna_Indice();
    }
}
