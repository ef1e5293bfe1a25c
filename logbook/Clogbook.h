#pragma once

// The dive record and the logbook that every window works on.
//
// Strings are byte strings of Windows-1252 characters; zero bytes are allowed and
// each string's lung_* field always equals its byte count (the setters keep them
// together). A logbook never changes its number of dives: commands that add or
// remove dives build a new logbook and put it in place of the old one.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Which dive a record is while the program runs: a copy of a record is the same dive,
// a record made anew is a new one. It lets a change be found again after the sort has
// moved its dive. It is no part of the record's value (never saved, and records that
// differ only in it compare equal), so the defaulted comparison ignores it.
struct DiveId {
    uint64_t value = next();
    bool operator==(const DiveId&) const { return true; }

private:
    static uint64_t next();
};

struct Timmersione {
    int32_t alt = 0;     // altitude class 0..3, -1 none
    int32_t meteo = 0;   // weather 0..5, -1 none
    int32_t muta = 0;    // suit 0..5, -1 none
    int32_t lbomb = 0;   // tank capacity, whole litres
    int32_t nimm = 0;    // dive number shown to the user
    uint32_t lung_posto = 0;
    uint32_t lung_punto = 0;
    uint32_t lung_altro = 0;
    uint32_t lung_compagni = 0;
    uint32_t lung_commenti = 0;
    uint32_t lung_profilo = 0;  // 0: the dive has no profile
    int32_t computer = 0;       // dive-computer model code, 0 for dives typed by hand
    int32_t computer_extra = 0;
    int32_t codice_dt[4] = {0, 0, 0, 0};
    int32_t giorno = 0, mese = 0, anno = 0;
    int32_t ora_imm = 0, min_imm = 0;  // start time
    int32_t ora_int = 0, min_int = 0;  // surface interval
    int32_t ora_dur = 0, min_dur = 0;  // duration
    int32_t tipo_bit = 0, gas = 0;
    int32_t att_bit1 = 0, att_bit2 = 0;
    int32_t allarmi_bit = 0, allarmi_alto = 0;
    double prof = 0;     // maximum depth, metres
    double t_acqua = 0;  // water temperature, degrees Celsius
    double t_aria = 0;   // air temperature, degrees Celsius
    double bar = 0;      // tank pressure used, bar
    std::string posto;
    std::string punto;
    std::string altro;
    std::string compagni;
    std::string commenti;
    std::string profilo;  // raw profile bytes, every 0 stored as 255
    DiveId id{};

    bool operator==(const Timmersione&) const = default;
};

class Clogbook {
public:
    explicit Clogbook(uint32_t n);
    // Copies header and dives; the dives are renumbered from base_num + 1 and
    // corrente ends at 0.
    Clogbook(const Clogbook& other);
    Clogbook& operator=(const Clogbook&) = delete;

    uint32_t num_imm;
    int32_t base_num = 0;
    int32_t seriale[4] = {0, 0, 0, 0};   // serial number, one byte per element, low first
    int32_t seriale2[4] = {0, 0, 0, 0};  // second header value of DataTrak, carried only
    uint32_t corrente = 0;
    std::vector<Timmersione> immersioni;

    // The number of the dive at `posizione`: base_num + posizione + 1. Dive numbers
    // are 32-bit and wrap around (the list shows them unsigned, the editor signed),
    // and a file may hold any base_num.
    int32_t numero_in(uint32_t posizione) const { return wrapping_add(base_num, posizione + 1u); }
    static int32_t wrapping_add(int32_t a, uint32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) + b); }

    // The record every setter acts on.
    Timmersione& attuale() { return immersioni[corrente]; }
    const Timmersione& attuale() const { return immersioni[corrente]; }

    // Copies record i of `sorgente` over the record at corrente and numbers it by
    // its new position. corrente is not advanced.
    void Copia_Immersione(const Clogbook& sorgente, uint32_t i);

    // Chronological order by year, month, day, hour, minute (compared unsigned);
    // dives with equal keys come out in reverse order of their positions. Every
    // dive is renumbered base_num + position + 1; corrente keeps its value.
    void Ordina();

    static std::string Testo_Tipo(int32_t tipo_bit, int32_t gas);
    static std::string Testo_Attivita(int32_t att_bit1, int32_t att_bit2);
    static std::string Testo_Allarmi(int32_t allarmi_bit, int32_t allarmi_alto);

    // Record setters: each writes the record at corrente.
    void set_alt(int32_t v) { attuale().alt = v; }
    void set_meteo(int32_t v) { attuale().meteo = v; }
    void set_muta(int32_t v) { attuale().muta = v; }
    void set_lbomb(int32_t v) { attuale().lbomb = v; }
    void set_computer(int32_t v) { attuale().computer = v; }
    void set_computer_extra(int32_t v) { attuale().computer_extra = v; }
    void set_prof(double v) { attuale().prof = v; }
    void set_t_acqua(double v) { attuale().t_acqua = v; }
    void set_t_aria(double v) { attuale().t_aria = v; }
    void set_bar(double v) { attuale().bar = v; }
    void set_data(int32_t giorno, int32_t mese, int32_t anno) {
        Timmersione& d = attuale();
        d.giorno = giorno, d.mese = mese, d.anno = anno;
    }
    void set_orario(int32_t ora, int32_t min) { attuale().ora_imm = ora, attuale().min_imm = min; }
    void set_intervallo(int32_t ora, int32_t min) { attuale().ora_int = ora, attuale().min_int = min; }
    void set_durata(int32_t ora, int32_t min) { attuale().ora_dur = ora, attuale().min_dur = min; }
    void set_tipo(int32_t tipo_bit, int32_t gas) { attuale().tipo_bit = tipo_bit, attuale().gas = gas; }
    void set_attivita(int32_t att_bit1, int32_t att_bit2) { attuale().att_bit1 = att_bit1, attuale().att_bit2 = att_bit2; }
    void set_allarmi(int32_t allarmi_bit, int32_t allarmi_alto) {
        attuale().allarmi_bit = allarmi_bit, attuale().allarmi_alto = allarmi_alto;
    }
    void set_codice_dt(int32_t b0, int32_t b1, int32_t b2, int32_t b3) {
        int32_t* c = attuale().codice_dt;
        c[0] = b0, c[1] = b1, c[2] = b2, c[3] = b3;
    }
    // The dive number always follows the position; the argument is ignored.
    void set_nimm(int32_t /*ignored*/ = 0) { attuale().nimm = numero_in(corrente); }
    // Strings, from a text or from an exact byte count (zero bytes kept).
    void set_posto(std::string_view bytes) { store(attuale().posto, attuale().lung_posto, bytes); }
    void set_punto(std::string_view bytes) { store(attuale().punto, attuale().lung_punto, bytes); }
    void set_altro(std::string_view bytes) { store(attuale().altro, attuale().lung_altro, bytes); }
    void set_compagni(std::string_view bytes) { store(attuale().compagni, attuale().lung_compagni, bytes); }
    void set_commenti(std::string_view bytes) { store(attuale().commenti, attuale().lung_commenti, bytes); }
    void set_profilo(std::string_view bytes) { store(attuale().profilo, attuale().lung_profilo, bytes); }

    // Logbook setters.
    void set_seriale(int32_t b0, int32_t b1, int32_t b2, int32_t b3);
    void set_seriale2(int32_t b0, int32_t b1, int32_t b2, int32_t b3);

    // The native file. Scrivi replaces the target only once every byte is on disk;
    // on failure the previous file is untouched and no temporary is left.
    void Scrivi(const std::filesystem::path& path) const;

    // Readers fill a logbook constructed with the count found in the file (see
    // count_peek.h). A file that holds less than it announces fails with "Stream
    // read error" before anything is read past its end. After a failed read the
    // logbook holds a mix of the file's values and new records: discard it.
    void Leggi(const std::filesystem::path& path);
    // A DataTrak logbook (*.log), converting every field.
    void Leggi_DataTrak(const std::filesystem::path& path);
    // A logbook of version 1.0: no header, no dive-computer fields.
    void Leggi_V10(const std::filesystem::path& path);

private:
    static void store(std::string& text, uint32_t& length, std::string_view bytes) {
        text.assign(bytes.data(), bytes.size());
        length = static_cast<uint32_t>(bytes.size());
    }
};
