#include "export/uddf_import_map.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "export/dive_texts.h"
#include "export/uddf_notes.h"
#include "profile/profile_decoder.h"

namespace uddf_in {

namespace {

constexpr double secondi_per_campione = 20;
constexpr double metri_per_passo = 0.15625;
// 1019 steps: a high byte of 255 would read as 0.
constexpr unsigned passi_massimi = 1019;

std::string_view senza_spazi(std::string_view s) {
    auto spazio = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && spazio(s.front())) s.remove_prefix(1);
    while (!s.empty() && spazio(s.back())) s.remove_suffix(1);
    return s;
}

std::optional<int32_t> intero(std::string_view& s, std::size_t cifre_minime) {
    int32_t n = 0;
    const auto [fine, errore] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (errore != std::errc() || std::size_t(fine - s.data()) < cifre_minime) return std::nullopt;
    s.remove_prefix(std::size_t(fine - s.data()));
    return n;
}

bool separatore(std::string_view& s, char c) {
    if (s.empty() || s.front() != c) return false;
    s.remove_prefix(1);
    return true;
}

// Whole minutes of a count of seconds; nothing for one that is not a real duration.
std::optional<int32_t> minuti_di(std::optional<double> secondi) {
    if (!secondi || *secondi < 0 || *secondi > 1e9) return std::nullopt;
    return int32_t(std::lround(*secondi / 60));
}

void ore_e_minuti(int32_t minuti, int32_t& ore, int32_t& min) { ore = minuti / 60, min = minuti % 60; }

// Units converted back to the logbook's rounded to a millionth, so that the values the
// export wrote come back as typed (271.65 K is -1.5 °C, not -1.4999999999999773).
double arrotondato(double v) { return std::round(v * 1e6) / 1e6; }

std::string testo(std::string_view utf8) {
    std::string t = testo_1252(utf8);
    if (t.size() > testo_massimo) t.resize(testo_massimo);
    return t;
}

int32_t classe_altitudine(double metri) {
    static constexpr double da[] = {900, 1750, 2700};
    int32_t classe = 0;
    for (double limite : da) classe += metri >= limite;
    return classe;
}

}  // namespace

std::optional<double> numero(std::string_view t) {
    t = senza_spazi(t);
    if (t.starts_with('+')) t.remove_prefix(1);
    double v = 0;
    const auto [fine, errore] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (errore != std::errc() || fine != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<DataOra> data_ora(std::string_view t) {
    t = senza_spazi(t);
    DataOra d{};
    const auto anno = intero(t, 4);
    if (!anno || !separatore(t, '-')) return std::nullopt;
    const auto mese = intero(t, 2);
    if (!mese || !separatore(t, '-')) return std::nullopt;
    const auto giorno = intero(t, 2);
    if (!giorno) return std::nullopt;
    d.anno = *anno, d.mese = *mese, d.giorno = *giorno;
    if (separatore(t, 'T')) {
        const auto ora = intero(t, 2);
        if (!ora || !separatore(t, ':')) return std::nullopt;
        const auto min = intero(t, 2);
        if (!min) return std::nullopt;
        d.ora = *ora, d.min = *min;
    }
    return d;
}

uint8_t bit_allarme(std::string_view parola) {
    parola = senza_spazi(parola);
    constexpr std::pair<std::string_view, uint8_t> parole[] = {
        {"deco", 0x01}, {"rbt", 0x02}, {"ascent", 0x04}, {"error", 0x08}, {"breath", 0x10}};
    for (const auto& [p, bit] : parole)
        if (p == parola) return bit;
    return 0;
}

void Ricampionatore::campione(double metri) {
    passi_.push_back(uint16_t(std::min<double>(std::lround(metri / metri_per_passo), passi_massimi)));
    allarmi_.push_back(in_attesa_);
    in_attesa_ = 0;
}

void Ricampionatore::punto(double t, double metri, uint8_t allarmi) {
    if (!(t >= t_) || (visto_ && t == t_ && std::isnan(metri) && allarmi == 0)) return;
    if (std::isnan(metri)) metri = metri_;
    if (metri > 1e6) metri = 1e6;  // deeper than any sample holds, without overflow
    metri = std::max(metri, 0.0);
    massimo_ = std::max(massimo_, metri);
    bool preso = false;
    while (passi_.size() < campioni_massimi) {
        const double marca = secondi_per_campione * double(passi_.size() + 1);
        if (marca > t) break;
        if (marca == t) in_attesa_ |= allarmi, preso = true;
        campione(t == t_ ? metri : metri_ + (metri - metri_) * (marca - t_) / (t - t_));
    }
    if (!preso) in_attesa_ |= allarmi;
    t_ = t, metri_ = metri, visto_ = true;
}

std::string Ricampionatore::profilo(int32_t computer) {
    // The last waypoints after the last whole 20 seconds make one more sample.
    if (visto_ && t_ > secondi_per_campione * double(passi_.size()) && passi_.size() < campioni_massimi)
        campione(metri_);
    std::string out;
    if (!passi_.empty()) {
        const std::size_t header = profile_header_length(computer);
        const std::size_t gruppo = profile_group_length(computer);
        out.assign(header, '\xFF');
        for (std::size_t k = 0; k < passi_.size(); ++k) {
            out += char(passi_[k] >> 2);
            out += char((passi_[k] & 3u) << 6 | (allarmi_[k] & 0x1Fu));
            if (k % 3 == 2) out.append(gruppo - 6, '\0');
        }
        std::replace(out.begin(), out.end(), '\0', '\xFF');
    }
    *this = Ricampionatore();
    return out;
}

void CostruttoreLogbook::compagno(std::string id, std::string nome) { compagni_[std::move(id)] = testo(nome); }

void CostruttoreLogbook::sito(std::string id, std::string nome, std::optional<std::string> luogo) {
    Sito s;
    if (luogo) {
        // The export's "place, point" given back as the two fields.
        s.posto = testo(*luogo);
        const std::string n = testo(nome);
        if (n == s.posto) s.punto.clear();
        else if (n.starts_with(s.posto + ", ")) s.punto = n.substr(s.posto.size() + 2);
        else s.punto = n;
    } else {
        s.posto = testo(nome);
    }
    siti_[std::move(id)] = std::move(s);
}

void CostruttoreLogbook::immersione(ImmersioneLetta& l) {
    if (!l.data && !l.greatestdepth && l.campioni.vuoto()) return;  // a placeholder
    Timmersione d;
    d.alt = d.meteo = d.muta = -1;
    if (l.data) std::tie(d.giorno, d.mese, d.anno, d.ora_imm, d.min_imm) = std::tie(l.data->giorno, l.data->mese, l.data->anno, l.data->ora, l.data->min);
    const double profondo = l.campioni.piu_profondo();
    d.prof = l.greatestdepth && *l.greatestdepth >= 0 && *l.greatestdepth <= 1e4 ? *l.greatestdepth : profondo;
    const auto durata = minuti_di(l.durata_s).value_or(minuti_di(l.campioni.ultimo_tempo()).value_or(0));
    ore_e_minuti(durata, d.ora_dur, d.min_dur);
    if (!l.intervallo_infinito) ore_e_minuti(minuti_di(l.intervallo_s).value_or(0), d.ora_int, d.min_int);
    auto celsius = [](std::optional<double> k) {
        return k && *k > 173.15 && *k < 373.15 ? arrotondato(*k - 273.15) : 0.0;
    };
    d.t_acqua = celsius(l.t_acqua_k);
    d.t_aria = celsius(l.t_aria_k);
    if (l.calo_pa && *l.calo_pa > 0 && *l.calo_pa < 1e9) d.bar = arrotondato(*l.calo_pa / 1e5);
    else if (l.pressione_inizio && l.pressione_fine && *l.pressione_inizio > *l.pressione_fine && *l.pressione_inizio < 1e9)
        d.bar = arrotondato((*l.pressione_inizio - *l.pressione_fine) / 1e5);
    // Volumes in cubic metres; one above a cubic metre can only be litres.
    if (l.volume && *l.volume > 0 && *l.volume < 1e4) d.lbomb = int32_t(std::lround(*l.volume <= 1 ? *l.volume * 1000 : *l.volume));
    if (l.altitudine_m && *l.altitudine_m > -1e6 && *l.altitudine_m < 1e6) d.alt = classe_altitudine(*l.altitudine_m);

    const bool compagni_nelle_note = leggi_note(testo_1252(l.note), d);
    // A computer named in the notes keeps its own layout: the samples are written in it.
    if (std::string profilo = l.campioni.profilo(d.computer != 0 ? d.computer : modello_importato); !profilo.empty()) {
        if (d.computer == 0) d.computer = modello_importato;
        d.profilo = std::move(profilo);
    }
    for (std::string* s : {&d.altro, &d.compagni, &d.commenti})
        if (s->size() > testo_massimo) s->resize(testo_massimo);
    dive_.push_back(std::move(d));
    link_.push_back(std::move(l.link));
    compagni_nelle_note_.push_back(compagni_nelle_note);
    numeri_.push_back(l.numero);
}

std::unique_ptr<Clogbook> CostruttoreLogbook::logbook() {
    auto nuovo = std::make_unique<Clogbook>(uint32_t(dive_.size()));
    Clogbook& lb = *nuovo;
    // Numbers that run on from the first are the logbook's numbering.
    bool di_seguito = !numeri_.empty();
    for (std::size_t i = 0; i < numeri_.size() && di_seguito; ++i)
        di_seguito = numeri_[i] && *numeri_[i] == *numeri_[0] + int64_t(i) && *numeri_[0] - 1 >= INT32_MIN &&
                     *numeri_[i] <= INT32_MAX;
    lb.base_num = di_seguito ? int32_t(*numeri_[0] - 1) : 0;
    for (lb.corrente = 0; lb.corrente < lb.num_imm; ++lb.corrente) {
        Timmersione& d = dive_[lb.corrente];
        bool sito = false;
        std::string compagni;
        for (const std::string& ref : link_[lb.corrente]) {
            if (const auto s = siti_.find(ref); s != siti_.end() && !sito) {
                d.posto = s->second.posto, d.punto = s->second.punto, sito = true;
            } else if (const auto c = compagni_.find(ref); c != compagni_.end()) {
                if (!compagni.empty()) compagni += "\r\n";
                compagni += c->second;
            }
        }
        if (!compagni_nelle_note_[lb.corrente]) d.compagni = compagni.substr(0, testo_massimo);
        lb.attuale() = std::move(d);
        lb.set_nimm();
        const Timmersione& r = lb.attuale();
        lb.set_posto(std::string(r.posto));  // the setters keep each length with its text
        lb.set_punto(std::string(r.punto));
        lb.set_altro(std::string(r.altro));
        lb.set_compagni(std::string(r.compagni));
        lb.set_commenti(std::string(r.commenti));
        lb.set_profilo(std::string(r.profilo));
    }
    lb.corrente = 0;
    dive_.clear();
    return nuovo;
}

}  // namespace uddf_in
