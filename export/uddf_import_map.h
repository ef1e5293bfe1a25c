#pragma once

// The UDDF import's Qt-free half: the values the reader finds, in UDDF's units and
// texts, turned into the record's fields, and the dives, sites and buddies put together
// into a logbook once the whole file is read (a file may declare its sites after the
// dives that link to them).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "logbook/Clogbook.h"

namespace uddf_in {

// The model whose profile layout imported profiles are written in (22-byte header,
// groups of three samples in 7 bytes).
inline constexpr int32_t modello_importato = 30;
// Samples the graph and the page can hold: a dive's profile stops there.
inline constexpr std::size_t campioni_massimi = 2047;
// Bytes kept of one text: a longer one is cut.
inline constexpr std::size_t testo_massimo = 65535;

// A number as UDDF writes it (xs:float/xs:double), finite only.
std::optional<double> numero(std::string_view testo);

// Day, month, year, hour and minute of an xs:dateTime or xs:date, as written (the
// wall-clock time; a zone is ignored).
struct DataOra {
    int32_t giorno, mese, anno, ora, min;
};
std::optional<DataOra> data_ora(std::string_view testo);

// Waypoints of any spacing as the logbook's samples, one every 20 seconds: the depth
// at each 20-second mark interpolated between its neighbours, the alarms of the
// 20 seconds up to the mark set on its sample. Depths below 0 count as 0, those below
// the deepest a sample can hold as that depth; a dive longer than campioni_massimi
// samples keeps its first ones.
class Ricampionatore {
public:
    // Waypoints in time order: one earlier than the last one is left out; a depth of
    // NaN means the waypoint has none (its alarms still count).
    void punto(double secondi, double metri, uint8_t allarmi);
    // The profile bytes in the layout of model `computer` (every 0 stored as 255), empty
    // without any sample; starts over.
    std::string profilo(int32_t computer);
    bool vuoto() const { return !visto_; }
    double ultimo_tempo() const { return t_; }
    double piu_profondo() const { return massimo_; }

private:
    void campione(double metri);
    std::vector<uint16_t> passi_;  // per sample: depth in steps, flags in the top bits
    std::vector<uint8_t> allarmi_;
    double t_ = 0, metri_ = 0, massimo_ = 0;
    uint8_t in_attesa_ = 0;
    bool visto_ = false;
};

// The sample flag of an alarm keyword; 0 for one the profile has no flag for.
uint8_t bit_allarme(std::string_view parola);

// One dive as the reader collects it.
struct ImmersioneLetta {
    Timmersione d;
    std::vector<std::string> link;
    std::optional<DataOra> data;
    std::optional<int64_t> numero;
    std::optional<double> greatestdepth, durata_s, intervallo_s, t_acqua_k, t_aria_k, altitudine_m, calo_pa;
    std::optional<double> volume, pressione_inizio, pressione_fine;
    bool intervallo_infinito = false;
    std::string note;  // UTF-8, paragraphs joined by line ends
    Ricampionatore campioni;
};

class CostruttoreLogbook {
public:
    void compagno(std::string id, std::string nome);  // UTF-8 name as shown
    void sito(std::string id, std::string nome, std::optional<std::string> luogo);
    // Keeps the dive, unless it holds no date, no depth and no sample (a placeholder).
    void immersione(ImmersioneLetta& letta);
    std::size_t immersioni() const { return dive_.size(); }
    // The logbook, the links resolved; numbered by divenumber when the numbers run on
    // from the first one, by position otherwise.
    std::unique_ptr<Clogbook> logbook();

private:
    struct Sito {
        std::string posto, punto;  // Windows-1252
    };
    std::unordered_map<std::string, std::string> compagni_;  // id -> Windows-1252 name
    std::unordered_map<std::string, Sito> siti_;
    std::vector<Timmersione> dive_;
    std::vector<std::vector<std::string>> link_;
    std::vector<bool> compagni_nelle_note_;
    std::vector<std::optional<int64_t>> numeri_;
};

}  // namespace uddf_in
