#pragma once

// Logbooks for the tests, and reading a file the way the program does: peek the
// count, then fill a logbook of that size.

#include <gtest/gtest.h>

#include "framework/core/errors.h"
#include "logbook/Clogbook.h"
#include "logbook/count_peek.h"
#include "support/temp_dir.h"

// Every field of every record set to a value of its own, the dive-computer ones
// included; nimm is not the position's number, so reading must renumber.
inline Clogbook sample_logbook(uint32_t n) {
    using namespace std::string_literals;
    Clogbook log(n);
    log.base_num = 99;
    log.set_seriale(0x78, 0x56, 0x34, 0xFF);
    log.set_seriale2(1, 2, 3, 4);
    for (uint32_t i = 0; i < n; ++i) {
        const int32_t k = int32_t(i) * 100;
        log.corrente = i;
        log.attuale() = {.alt = k + 1, .meteo = -1, .muta = k + 3, .lbomb = k + 4, .nimm = 77, .computer = 255,
                         .computer_extra = k + 6, .codice_dt = {k + 7, 8, 9, -10}, .giorno = k + 11, .mese = 12,
                         .anno = 1913, .ora_imm = 14, .min_imm = 15, .ora_int = 16, .min_int = 17, .ora_dur = 18,
                         .min_dur = 19, .tipo_bit = 0x1FC, .gas = 3, .att_bit1 = 0xFF, .att_bit2 = 0x1F,
                         .allarmi_bit = 0x39, .allarmi_alto = 0xFF, .prof = 12.34, .t_acqua = -0.5,
                         .t_aria = 327.65, .bar = 123.45,
                         .posto = {}, .punto = {}, .altro = {}, .compagni = {}, .commenti = {}, .profilo = {}};
        log.set_posto("Elba \xe8 bella"s);
        log.set_punto("Scoglio\0dello Scorfano"s);
        log.set_compagni("Anna\r\nPaolo\r\n"s + std::to_string(i));
        log.set_commenti(std::string(100 * (i % 4), '\xff'));
        log.set_profilo("\xff\x12\xff\x01\x80"s);
    }
    log.corrente = 0;
    return log;
}

using Peek = uint32_t (*)(const std::filesystem::path&);
using Reader = void (Clogbook::*)(const std::filesystem::path&);

inline Clogbook read_file(const std::filesystem::path& path, Peek peek = peek_native_count,
                          Reader read = &Clogbook::Leggi) {
    Clogbook log(peek(path));
    (log.*read)(path);
    return log;
}
