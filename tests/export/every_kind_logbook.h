#pragma once

// A logbook with every kind of value the exports must survive: a new dive (zero date),
// negative and fractional temperatures, texts with XML and CSV specials, line breaks,
// Windows-1252 letters and bytes no text may carry, buddies repeated and on one line,
// a dive without profile, one whose samples carry every alarm flag, and depths of NaN
// and 1e300.

#include <algorithm>
#include <limits>
#include <string>

#include "logbook/Clogbook.h"
#include "profile_bytes.h"

// A `computer` 30 profile of these samples, stored as the logbook holds it: every zero
// byte as 255.
inline std::string profile_of(const std::vector<ProfileSample>& samples) {
    std::string bytes = profile_bytes(samples);
    std::replace(bytes.begin(), bytes.end(), '\0', '\xFF');
    return bytes;
}

// A text without the bytes no export text carries: control characters but tab, LF and
// CR, DEL, and the five bytes Windows-1252 leaves undefined.
inline std::string without_unwritable(std::string s) {
    std::erase_if(s, [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7F || b == 0x81 || b == 0x8D ||
               b == 0x8F || b == 0x90 || b == 0x9D;
    });
    return s;
}

inline Clogbook every_kind_logbook() {
    using namespace std::string_literals;
    const std::string place = "Capo \"Rosso\" & <Sud>; sc\xe8glio, est", point = "Secca d'\xe0rco";
    const Timmersione dives[] = {
        // A new dive, as Insert leaves it.
        {.posto = "", .punto = "", .altro = "", .compagni = "", .commenti = "", .profilo = ""},
        // A typed dive with texts that need escaping and quoting.
        {.alt = 1, .meteo = 5, .muta = 3, .lbomb = 15, .giorno = 29, .mese = 2, .anno = 2024, .ora_imm = 9,
         .min_imm = 5, .ora_int = 2, .min_int = 30, .ora_dur = 1, .min_dur = 5, .tipo_bit = 0x84, .gas = 1,
         .att_bit1 = 0x11, .att_bit2 = 0x10, .allarmi_bit = 0x21, .prof = 18.5, .t_acqua = -1.5, .t_aria = -7.25,
         .bar = 150.5, .posto = place, .punto = point, .altro = "pesca",
         .compagni = "Anna Rossi\r\nPaolo Bianchi\r\n\r\n  Anna Rossi  ",
         .commenti = "=1+1 visto un polpo\r\nseconda riga \x80 \x00\x7F\x81\x8D\x8F\x90\x9D" "fine"s, .profilo = ""},
        // A profile whose samples carry every flag, at the same place.
        {.computer = 30, .giorno = 1, .mese = 3, .anno = 2024, .ora_imm = 14, .min_imm = 40, .min_dur = 1,
         .prof = 3.125, .t_acqua = 12.75, .posto = place, .punto = point, .altro = "", .compagni = "Paolo Bianchi, Markus",
         .commenti = "",
         .profilo = profile_of({{1.25, 0x01}, {2.5, 0x02}, {3.125, 0x04}, {1.875, 0x08}, {0.625, 0x10}, {0.15625, 0x20}})},
        // Values that are not numbers or not real, and hour 24, at another point of the place.
        {.computer = 30, .giorno = 2, .mese = 3, .anno = 2024, .ora_imm = 24,
         .prof = std::numeric_limits<double>::quiet_NaN(), .t_acqua = std::numeric_limits<double>::infinity(),
         .t_aria = 1e300, .bar = -3, .posto = place, .punto = "Altro punto", .altro = "", .compagni = "",
         .commenti = "", .profilo = profile_of({{2.5, 0}, {1.25, 0}})},
        // 1e300 metres on 31 February, a profile without a whole sample.
        {.computer = 30, .giorno = 31, .mese = 2, .anno = 2024, .prof = 1e300, .posto = "", .punto = "", .altro = "",
         .compagni = "", .commenti = "", .profilo = std::string(22, '\x01')},
    };
    Clogbook lb(std::size(dives));
    for (lb.corrente = 0; lb.corrente < lb.num_imm; ++lb.corrente) {
        const Timmersione& d = dives[lb.corrente];
        lb.attuale() = d;
        lb.set_nimm();
        lb.set_posto(d.posto);  // the setters keep each length with its text
        lb.set_punto(d.punto);
        lb.set_altro(d.altro);
        lb.set_compagni(d.compagni);
        lb.set_commenti(d.commenti);
        lb.set_profilo(d.profilo);
    }
    lb.corrente = 0;
    return lb;
}
