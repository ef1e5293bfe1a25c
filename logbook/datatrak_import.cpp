// The DataTrak logbook (*.log): a 12-byte header, then one variable-length record
// per dive of small raw fields, five counted strings and the profile bytes. The
// file is read only; every field is converted into the record's units here.

#include "logbook/Clogbook.h"

#include <cstring>

#include "logbook/byte_reader.h"
#include "logbook/datatrak_date.h"
#include "logbook/datatrak_layout.h"
#include "logbook/file_io.h"

namespace {

// A 2-byte value; DataTrak writes 32766 and above for "no value".
int32_t raw_value(ByteReader& r) {
    const uint16_t v = r.u16();
    return v >= 32766 ? 0 : v;
}

int32_t u24(ByteReader& r) {
    const uint32_t b0 = r.u8();
    const uint32_t b1 = r.u8();
    const uint32_t b2 = r.u8();
    return int32_t(b0 | (b1 << 8) | (b2 << 16));
}

// Class fields hold index + 1, so that 0 means "none" (-1 in the record).
int32_t class_index(ByteReader& r) { return int32_t(r.u8()) - 1; }

std::string_view counted_string(ByteReader& r) { return r.bytes(r.u8()); }

// The setters from raw DataTrak values. Hundredths are multiplied by 0.01, not
// divided by 100: the two differ in the last bit, and saved logbooks hold the
// products.
void set_data_da_giorni(Clogbook& L, int32_t giorni) {
    const CalendarDate d = date_after_1600(uint32_t(giorni));
    L.set_data(d.giorno, d.mese, d.anno);
}
void set_orario_da_minuti(Clogbook& L, int32_t v) { L.set_orario(v / 60, v % 60); }
void set_intervallo_da_minuti(Clogbook& L, int32_t v) { L.set_intervallo(v / 60, v % 60); }
void set_durata_da_minuti(Clogbook& L, int32_t v) { L.set_durata(v / 60, v % 60); }
void set_lbomb_da_centesimi(Clogbook& L, int32_t v) { L.set_lbomb(v / 100); }
void set_prof_da_centimetri(Clogbook& L, int32_t v) { L.set_prof(v * 0.01); }
void set_t_acqua_da_centesimi(Clogbook& L, int32_t v) { L.set_t_acqua(v * 0.01); }
void set_t_aria_da_centesimi(Clogbook& L, int32_t v) { L.set_t_aria(v * 0.01); }
void set_bar_da_centesimi(Clogbook& L, int32_t v) { L.set_bar(v * 0.01); }
// The file's own number, until the next sort or copy renumbers by position.
void set_nimm_da_file(Clogbook& L, int32_t v) { L.attuale().nimm = Clogbook::wrapping_add(L.base_num, static_cast<uint32_t>(v)); }

// Everything that reads a profile takes 255 for 0, so a stored block never holds a
// 0 byte. Sixteen bytes at a time, the compiler leaving a byte loop unvectorised at
// -O2; the last sixteen go again, as turning 0 into 255 twice is turning it once.
void zeros_to_255(std::string& bytes) {
    using Bytes16 = uint8_t __attribute__((vector_size(16)));
    const auto sixteen = [](char* p) {
        Bytes16 v;
        std::memcpy(&v, p, 16);
        v |= Bytes16(v == 0);  // a lane of v == 0 is all ones where the byte is 0
        std::memcpy(p, &v, 16);
    };
    const size_t n = bytes.size();
    if (n < 16) {
        for (char& c : bytes)
            if (c == 0) c = char(255);
        return;
    }
    char* const p = bytes.data();
    for (size_t i = 0; i + 16 <= n; i += 16) sixteen(p + i);
    sixteen(p + n - 16);
}

void read_pair(ByteReader& r, int32_t& a, int32_t& b) {
    a = r.u8();
    b = r.u8();
}

// The fixed runs of fields are read from spans checked once: within a span of known
// size the compiler drops the check of every field.
void read_dive(Clogbook& L, ByteReader& r) {
    ByteReader head(r.bytes(kDataTrakDiveHead));
    head.skip(2);
    set_data_da_giorni(L, u24(head));
    head.skip(1);
    set_orario_da_minuti(L, raw_value(head));
    L.set_posto(counted_string(r));
    L.set_punto(counted_string(r));
    ByteReader middle(r.bytes(kDataTrakDiveMiddle));
    L.set_alt(class_index(middle));
    set_intervallo_da_minuti(L, raw_value(middle));
    L.set_meteo(class_index(middle));
    set_t_aria_da_centesimi(L, raw_value(middle));
    L.set_muta(class_index(middle));
    set_lbomb_da_centesimi(L, raw_value(middle));
    set_prof_da_centimetri(L, raw_value(middle));
    set_durata_da_minuti(L, raw_value(middle));
    set_t_acqua_da_centesimi(L, raw_value(middle));
    set_bar_da_centesimi(L, raw_value(middle));
    int32_t a, b;
    read_pair(middle, a, b);
    L.set_tipo(a, b);
    read_pair(middle, a, b);
    L.set_attivita(a, b);
    L.set_altro(counted_string(r));
    L.set_compagni(counted_string(r));
    L.set_commenti(counted_string(r));
    ByteReader tail(r.bytes(kDataTrakDiveTail));
    read_pair(tail, a, b);
    L.set_allarmi(a, b);
    set_nimm_da_file(L, raw_value(tail));
    int32_t c[4];
    for (int32_t& v : c) v = tail.u8();
    L.set_codice_dt(c[0], c[1], c[2], c[3]);
    L.set_computer(tail.u8());
    L.set_computer_extra(tail.u8());
    tail.skip(6);
    const uint16_t profile_length = tail.u16();
    L.set_profilo(r.bytes(profile_length));
    zeros_to_255(L.attuale().profilo);
}

void read_four(ByteReader& r, int32_t* out) {
    for (int i = 0; i < 4; ++i) out[i] = r.u8();
}

}  // namespace

void Clogbook::Leggi_DataTrak(const std::filesystem::path& path) {
    const MappedFile file(path);
    ByteReader r(file.bytes());
    r.require(kDataTrakHeaderSize + kDataTrakMinDiveSize * uint64_t(num_imm));
    int32_t s[4];
    r.skip(2);
    read_four(r, s);
    set_seriale(s[0], s[1], s[2], s[3]);
    r.skip(2);  // the dive count, taken by the caller's peek
    read_four(r, s);
    set_seriale2(s[0], s[1], s[2], s[3]);
    for (corrente = 0; corrente < num_imm; ++corrente) read_dive(*this, r);
    corrente = 0;
}
