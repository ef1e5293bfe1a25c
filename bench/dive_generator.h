#pragma once

// Logbooks of plausible dives for the benchmarks: places and sites, buddies on
// several lines, comments, and a 300-byte profile on most dives.

#include <map>
#include <memory>
#include <random>
#include <string>

#include "logbook/Clogbook.h"

inline Clogbook make_plausible_logbook(uint32_t n, unsigned seed = 42) {
    static const char* const places[] = {"Elba", "Portofino", "Ustica", "Sharm el-Sheikh", "Lampedusa",
                                         "Isola del Giglio", "Capo Noli", "Marettimo"};
    static const char* const sites[] = {"Secca di Capo Poro", "Relitto", "Grotta azzurra", "Scoglio della Formica",
                                        "Punta Fetovaia", ""};
    static const char* const buddies[] = {"Anna Rossi", "Paolo Bianchi", "Giulia Verdi", "Marco Neri", "Luca Gallo"};
    std::mt19937 rng(seed);
    Clogbook log(n);
    log.set_seriale(0x12, 0x34, 0x56, 0x78);
    for (uint32_t i = 0; i < n; ++i) {
        log.corrente = i;
        log.set_data(1 + rng() % 28, 1 + rng() % 12, 1990 + rng() % 30);
        log.set_orario(rng() % 24, rng() % 60);
        log.set_intervallo(rng() % 5, rng() % 60);
        log.set_durata(0, 20 + rng() % 40);
        log.set_prof((rng() % 4000) * 0.01);
        log.set_t_acqua(10 + (rng() % 1500) * 0.01);
        log.set_t_aria(15 + (rng() % 2000) * 0.01);
        log.set_bar(100 + rng() % 120);
        log.set_lbomb(rng() % 2 ? 12 : 15);
        log.set_muta(rng() % 6);
        log.set_meteo(rng() % 6);
        log.set_alt(0);
        log.set_tipo(0x40 << (rng() % 2), rng() % 2);
        log.set_attivita(rng() % 256, rng() % 16);
        log.set_posto(places[rng() % 8]);
        log.set_punto(sites[rng() % 6]);
        log.set_compagni(std::string(buddies[rng() % 5]) + "\r\n" + buddies[rng() % 5]);
        log.set_commenti("Buona visibilita', corrente debole da nord. Visti due polpi e una murena.");
        if (rng() % 10 != 0) {
            log.set_computer(28 + rng() % 4);
            std::string profile(300, '\0');
            for (char& c : profile) c = char(1 + rng() % 255);
            log.set_profilo(profile);
        }
        log.set_nimm();
    }
    log.corrente = 0;
    return log;
}

// One plausible logbook per size, made once for the whole benchmark run.
inline const Clogbook& logbook_of(uint32_t n) {
    static std::map<uint32_t, std::unique_ptr<Clogbook>> cache;
    auto& slot = cache[n];
    if (!slot) slot = std::make_unique<Clogbook>(make_plausible_logbook(n));
    return *slot;
}
