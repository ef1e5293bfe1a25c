#pragma once

// A logbook with every kind of value the exports must survive: a new dive (zero date),
// negative and fractional temperatures, texts with XML and CSV specials, line breaks and
// Windows-1252 letters, a dive without profile, one whose samples carry every alarm
// flag, and depths of NaN and 1e300.

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "logbook/Clogbook.h"
#include "profile_bytes.h"

// A `computer` 30 profile of these (depth steps of 0.15625 m, flags), stored as the
// logbook holds it: every zero byte as 255.
inline std::string profile_of(std::initializer_list<std::pair<unsigned, uint8_t>> samples) {
    std::vector<ProfileSample> dive;
    for (auto [steps, flags] : samples) dive.push_back({steps * 0.15625, flags});
    std::string bytes = profile_bytes(dive);
    std::replace(bytes.begin(), bytes.end(), '\0', '\xFF');
    return bytes;
}

inline Clogbook every_kind_logbook() {
    using namespace std::string_literals;
    Clogbook lb(5);
    // 0: a new dive, as Insert leaves it.
    lb.corrente = 0;
    lb.set_nimm();

    // 1: a typed dive with texts that need escaping and quoting.
    lb.corrente = 1;
    lb.set_nimm();
    lb.set_data(29, 2, 2024);
    lb.set_orario(9, 5);
    lb.set_durata(1, 5);
    lb.set_intervallo(2, 30);
    lb.set_prof(18.5);
    lb.set_t_acqua(-1.5);
    lb.set_t_aria(-7.25);
    lb.set_lbomb(15);
    lb.set_bar(150.5);
    lb.set_muta(3);
    lb.set_meteo(5);
    lb.set_alt(1);
    lb.set_posto("Capo \"Rosso\" & <Sud>; sc\xe8glio, est");
    lb.set_punto("Secca d'\xe0rco");
    lb.set_compagni("Anna Rossi\r\nPaolo Bianchi\r\n\r\n  Anna Rossi  ");
    lb.set_commenti("=1+1 visto un polpo\r\nseconda riga \x80 \x00" "fine"s);
    lb.set_tipo(0x04 | 0x80, 1);
    lb.set_attivita(0x01 | 0x10, 0x10);
    lb.set_altro("pesca");
    lb.set_allarmi(0x01 | 0x20, 0);

    // 2: a dive with a profile whose samples carry every flag, at the same place.
    lb.corrente = 2;
    lb.set_nimm();
    lb.set_data(1, 3, 2024);
    lb.set_orario(14, 40);
    lb.set_durata(0, 1);
    lb.set_prof(3.125);
    lb.set_t_acqua(12.75);
    lb.set_posto("Capo \"Rosso\" & <Sud>; sc\xe8glio, est");
    lb.set_punto("Secca d'\xe0rco");
    lb.set_compagni("Paolo Bianchi");
    lb.set_computer(30);
    lb.set_profilo(profile_of({{8, 0x01}, {16, 0x02}, {20, 0x04}, {12, 0x08}, {4, 0x10}, {1, 0x20}}));

    // 3: depths that are not numbers or not real, at another point of the place.
    lb.corrente = 3;
    lb.set_nimm();
    lb.set_data(2, 3, 2024);
    lb.set_orario(24, 0);
    lb.set_prof(std::numeric_limits<double>::quiet_NaN());
    lb.set_t_acqua(std::numeric_limits<double>::infinity());
    lb.set_t_aria(1e300);
    lb.set_bar(-3);
    lb.set_posto("Capo \"Rosso\" & <Sud>; sc\xe8glio, est");
    lb.set_punto("Altro punto");

    // 4: 1e300 metres, an interval and duration of 0, a profile without a whole sample.
    lb.corrente = 4;
    lb.set_nimm();
    lb.set_data(31, 2, 2024);
    lb.set_prof(1e300);
    lb.set_computer(30);
    lb.set_profilo(std::string(22, '\x01'));
    lb.corrente = 0;
    return lb;
}
