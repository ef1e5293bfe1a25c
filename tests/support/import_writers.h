#pragma once

// Writers of the two import formats from field values, the inverse of the readers,
// so that tests, fuzz seeds and benchmarks go through real files.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "logbook/Clogbook.h"
#include "logbook/byte_reader.h"

// One DataTrak dive record as the file holds it: raw values, before conversion.
struct DataTrakDive {
    uint32_t giorni = 0;  // days after 1 January 1600, 3 bytes
    uint16_t minuti_inizio = 0;
    std::string posto, punto;
    uint8_t alt = 1, meteo = 1, muta = 1;  // index + 1
    uint16_t intervallo = 0, t_aria = 0, lbomb = 0, prof = 0, durata = 0, t_acqua = 0, bar = 0;
    uint8_t tipo_bit = 0, gas = 0, att_bit1 = 0, att_bit2 = 0;
    std::string altro, compagni, commenti;
    uint8_t allarmi_bit = 0, allarmi_alto = 0;
    uint16_t nimm = 0;
    uint8_t codice_dt[4] = {0, 0, 0, 0};
    uint8_t computer = 0, computer_extra = 0;
    std::string profilo;  // as the computer wrote it, zero bytes included
};

struct DataTrakHeader {
    uint8_t seriale[4] = {0, 0, 0, 0};
    uint8_t seriale2[4] = {0, 0, 0, 0};
};

namespace import_writers_detail {

// Bytes the reader must skip get a value of their own, so that reading them as a
// field shows.
inline constexpr char kUnused = '\xA5';

inline void u8(std::string& out, uint32_t v) { out.push_back(char(v & 0xFF)); }
inline void u16(std::string& out, uint32_t v) {
    u8(out, v);
    u8(out, v >> 8);
}
inline void counted(std::string& out, const std::string& s) {
    u8(out, uint32_t(s.size()));
    out += s;
}

inline void append_dive(std::string& out, const DataTrakDive& d) {
    out.append(2, kUnused);
    u16(out, d.giorni);
    u8(out, d.giorni >> 16);
    out.push_back(kUnused);
    u16(out, d.minuti_inizio);
    counted(out, d.posto);
    counted(out, d.punto);
    u8(out, d.alt);
    u16(out, d.intervallo);
    u8(out, d.meteo);
    u16(out, d.t_aria);
    u8(out, d.muta);
    u16(out, d.lbomb);
    u16(out, d.prof);
    u16(out, d.durata);
    u16(out, d.t_acqua);
    u16(out, d.bar);
    u8(out, d.tipo_bit);
    u8(out, d.gas);
    u8(out, d.att_bit1);
    u8(out, d.att_bit2);
    counted(out, d.altro);
    counted(out, d.compagni);
    counted(out, d.commenti);
    u8(out, d.allarmi_bit);
    u8(out, d.allarmi_alto);
    u16(out, d.nimm);
    for (uint8_t c : d.codice_dt) u8(out, c);
    u8(out, d.computer);
    u8(out, d.computer_extra);
    out.append(6, kUnused);
    u16(out, uint32_t(d.profilo.size()));
    out += d.profilo;
}

}  // namespace import_writers_detail

// A whole DataTrak file; the header's count is that of `dives` (its low 16 bits).
inline std::string datatrak_bytes(const DataTrakHeader& h, const std::vector<DataTrakDive>& dives) {
    using namespace import_writers_detail;
    std::string out;
    out.append(2, kUnused);
    for (uint8_t b : h.seriale) u8(out, b);
    u16(out, uint32_t(dives.size()));
    for (uint8_t b : h.seriale2) u8(out, b);
    for (const DataTrakDive& d : dives) append_dive(out, d);
    return out;
}

// A native file's bytes turned into version 1.0: no 40-byte header but the count,
// no 24-byte dive-computer prefix in the blocks.
inline std::string v10_from_native(const std::string& native) {
    ByteReader r(native);
    const uint32_t count = r.u32();
    std::string out = native.substr(0, 4);
    r.skip(36);
    for (uint32_t i = 0; i < count; ++i) {
        r.skip(24);
        ByteReader lengths(std::string_view(native).substr(r.position() + 112, 24));
        uint64_t block = 136;
        for (int k = 0; k < 6; ++k) block += lengths.u32();
        out += r.bytes(block);
    }
    return out;
}

// Writes `log` as a version-1.0 file: every field that format has, from the records.
inline void write_v10_file(const Clogbook& log, const std::filesystem::path& path) {
    log.Scrivi(path);
    std::ifstream in(path, std::ios::binary);
    const std::string native{std::istreambuf_iterator<char>(in), {}};
    in.close();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << v10_from_native(native);
}
