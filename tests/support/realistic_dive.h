#pragma once

// One dive as a DataTrak import leaves it: every field set, and 45 minutes of profile
// from a dive computer (descent, bottom near 24 m, slow ascent, safety stop at 5 m).

#include <cmath>
#include <string>

#include "logbook/Clogbook.h"

// Depth in metres at minute t of the dive.
inline double realistic_depth(double t) {
    if (t < 2) return 12.0 * t;
    if (t < 22) return 23.0 + std::sin(t) * 1.2;
    if (t < 35) return 23.0 - (t - 22) * 11.0 / 13.0;
    if (t < 40) return 12.0 - (t - 35) * 7.0 / 5.0;
    if (t < 43) return 5.0;
    return 5.0 - (t - 43) * 2.5;
}

// Fills the dive at lb.corrente.
inline void fill_realistic_dive(Clogbook& lb) {
    lb.set_data(14, 6, 2003);
    lb.set_orario(10, 35);
    lb.set_intervallo(1, 45);
    lb.set_durata(0, 45);
    lb.set_prof(24.2);
    lb.set_t_acqua(16.5);
    lb.set_t_aria(27.0);
    lb.set_lbomb(15);
    lb.set_bar(160.0);
    lb.set_alt(0);
    lb.set_meteo(0);
    lb.set_muta(3);
    lb.set_tipo(0x80 | 0x10, 0);
    lb.set_attivita(0x01 | 0x02, 0x08);
    lb.set_allarmi(0x01, 0);
    lb.set_posto("Isola d'Elba");
    lb.set_punto("Secca di Capo Poro");
    lb.set_altro("Foto");
    lb.set_compagni("Anna Rossi\r\nPaolo Bianchi");
    lb.set_commenti(
        "Discesa lungo la catena fino alla secca; visibilit\xE0 ottima, corrente debole da nord. "
        "Sul pianoro a 23 metri due cernie e un grosso polpo nella sua tana, poi risalita lenta "
        "lungo la parete con sosta di sicurezza a 5 metri.\r\nAcqua a 16 gradi sotto il termoclino.");
    lb.set_computer(28);
    std::string profile(22, '\x11');
    for (int k = 1; k <= 135; ++k) {
        const int steps = static_cast<int>(realistic_depth(k / 3.0) / 0.15625);
        profile += static_cast<char>(steps / 4);
        profile += static_cast<char>((steps % 4) << 6);
        if (k % 3 == 0) profile += '\x40';
    }
    lb.set_profilo(profile);
}
