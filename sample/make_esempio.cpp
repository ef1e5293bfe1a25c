// Writes the sample logbook that ships with Quorvel: a summer of dives with the
// profiles their dive computer would have recorded, one typed by hand, a night
// dive, a deep one with decompression and ascent alarms, a lake.
//   make_esempio FILE.qvl

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "logbook/Clogbook.h"
#include "support/profile_bytes.h"

namespace {

// Stored texts are Windows-1252; the texts below are UTF-8 with accents only from
// Latin-1, which maps one to one.
std::string cp1252(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            out.push_back(static_cast<char>((c & 0x03) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3F)));
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

// Activity bits as the two flag bytes hold them.
constexpr int kOsservazione = 0x0001, kInGruppo = 0x0002, kCorso = 0x0004, kNotturna = 0x0010,
              kInGrotta = 0x0020, kRelitto = 0x0100, kFotoVideo = 0x0800;
// Dive-type bits.
constexpr int kDecompressione = 0x08, kRisalitaUnica = 0x10, kRisaliteMultiple = 0x20, kAcquaDolce = 0x40,
              kAcquaSalata = 0x80;
constexpr int kComputer = 30;  // the model code of the DataTrak downloads

struct Plan {
    int giorno, mese, ora, min;
    int ora_int, min_int;  // surface interval
    const char* posto;
    const char* punto;
    int minutes;     // duration
    double deepest;  // metres
    bool profile;    // false: typed by hand
    bool alarms;     // the computer raised DECO, ascent and transmitter alarms
    int tipo, gas, attivita;
    int meteo, muta, lbomb;
    double t_acqua, t_aria, bar;
    const char* compagni;
    const char* commenti;
};

const Plan kPlans[] = {
    {8, 6, 9, 40, 0, 0, "Isola d'Elba", "Secca di Capo Poro", 52, 31.5, true, false,
     kRisalitaUnica | kAcquaSalata, 0, kOsservazione | kInGruppo, 0, 3, 15, 19, 27, 150, "Anna Rossi",
     "Cernie e murene sotto la secca.\r\nVisibilità oltre 20 m."},
    {9, 6, 10, 15, 23, 35, "Isola d'Elba", "Relitto dello Elviscot", 46, 26.0, true, false,
     kRisalitaUnica | kAcquaSalata, 0, kRelitto | kFotoVideo, 1, 3, 15, 18, 25, 140, "Anna Rossi",
     "Scafo coricato sul fianco, elica intatta a 24 m."},
    {9, 6, 21, 30, 10, 29, "Isola d'Elba", "Scoglio della Paolina", 48, 20.5, true, false,
     kRisalitaUnica | kAcquaSalata, 0, kNotturna | kOsservazione, 0, 3, 12, 20, 22, 120,
     "Anna Rossi\r\nLuca Bianchi", "Polpi a caccia e un gamberetto pulitore sulla torcia."},
    {14, 7, 11, 0, 0, 0, "Ustica", "Grotta Azzurra", 40, 18.0, false, false, kRisalitaUnica | kAcquaSalata, 0,
     kInGrotta, 0, 3, 12, 22, 29, 110, "Niccolò Sanfilippo",
     "Inserita a mano: il computer era scarico.\r\nLuce blu all'uscita della grotta."},
    {15, 7, 9, 20, 22, 20, "Ustica", "Scoglio del Medico", 58, 38.5, true, true,
     kDecompressione | kRisaliteMultiple | kAcquaSalata, 0, kOsservazione, 0, 3, 15, 17, 28, 190,
     "Niccolò Sanfilippo",
     "Tappa di decompressione di 3 minuti a 6 m.\r\nRisalita troppo veloce dai 20 m: l'allarme è suonato."},
    {3, 8, 10, 30, 0, 0, "Portofino", "Cristo degli Abissi", 41, 21.0, true, false,
     kRisalitaUnica | kAcquaSalata, 1, kCorso | kInGruppo, 1, 4, 12, 21, 30, 130, "Giulia Ferrè\r\nMarco Neri",
     "Uscita del corso Nitrox: la statua è a 17 m."},
    {4, 8, 8, 50, 21, 41, "Capo Noli", "Punta Crena", 63, 22.0, true, false, kRisalitaUnica | kAcquaSalata, 0,
     kFotoVideo | kOsservazione, 0, 3, 15, 22, 31, 160, "Giulia Ferrè", "Gorgonie rosse e un pesce luna al largo."},
    {21, 9, 14, 10, 0, 0, "Lago di Garda", "Punta San Vigilio", 35, 24.0, true, false,
     kRisalitaUnica | kAcquaDolce, 0, kOsservazione, 2, 5, 12, 9, 19, 100, "Luca Bianchi",
     "Acqua dolce a 9 °C, muta stagna.\r\nLuccio fermo tra le alghe a 12 m."},
};

void add_dive(Clogbook& log, const Plan& p) {
    log.set_data(p.giorno, p.mese, 2024);
    log.set_orario(p.ora, p.min);
    log.set_intervallo(p.ora_int, p.min_int);
    log.set_durata(p.minutes / 60, p.minutes % 60);
    log.set_nimm();
    log.set_posto(cp1252(p.posto));
    log.set_punto(cp1252(p.punto));
    log.set_compagni(cp1252(p.compagni));
    log.set_commenti(cp1252(p.commenti));
    log.set_tipo(p.tipo, p.gas);
    log.set_attivita(p.attivita & 0xFF, p.attivita >> 8);
    log.set_alt(0);
    log.set_meteo(p.meteo);
    log.set_muta(p.muta);
    log.set_lbomb(p.lbomb);
    log.set_t_acqua(p.t_acqua);
    log.set_t_aria(p.t_aria);
    log.set_bar(p.bar);
    log.set_prof(p.deepest);
    if (!p.profile) return;

    // One sample every 20 seconds; the seed keeps each dive's shape from build to build.
    std::vector<ProfileSample> samples =
        realistic_dive(std::size_t(p.minutes) * 3, p.deepest, unsigned(p.giorno * 100 + p.mese));
    if (!p.alarms) {
        for (ProfileSample& s : samples) s.flags = 0;
    }
    // The curve's deepest point is the dive's maximum depth.
    double deepest = 0;
    for (const ProfileSample& s : samples) deepest = std::max(deepest, s.depth);
    for (ProfileSample& s : samples) s.depth *= p.deepest / deepest;
    if (p.alarms) log.set_allarmi(0x01 | 0x08, 0);  // "Risalita", "Decompressione"
    log.set_computer(kComputer);
    std::string bytes = profile_bytes(samples);
    // A stored profile holds 255 where the computer wrote 0.
    std::replace(bytes.begin(), bytes.end(), '\0', '\xFF');
    log.set_profilo(bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.qvl\n", argv[0]);
        return 2;
    }
    Clogbook log(std::size(kPlans));
    log.set_seriale(0x2A, 0x51, 0x01, 0x00);
    for (const Plan& p : kPlans) {
        add_dive(log, p);
        ++log.corrente;
    }
    log.corrente = 0;
    try {
        log.Scrivi(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
