// The native logbook file (*.qvl): a 40-byte header, then per dive a 160-byte fixed
// part followed by its six strings. No magic number, version or checksum.

#include "logbook/Clogbook.h"
#include "logbook/byte_reader.h"
#include "logbook/byte_writer.h"
#include "logbook/file_io.h"
#include "logbook/native_layout.h"

namespace {

void write_dive(ByteWriter& w, const Timmersione& d) {
    for (int32_t c : d.codice_dt) w.i32(c);
    w.i32(d.computer);
    w.i32(d.computer_extra);
    w.i32(d.giorno);
    w.i32(d.mese);
    w.i32(d.anno);
    w.i32(d.ora_imm);
    w.i32(d.min_imm);
    w.i32(d.alt);
    w.i32(d.ora_int);
    w.i32(d.min_int);
    w.i32(d.meteo);
    w.f64(d.t_aria);
    w.i32(d.muta);
    w.i32(d.lbomb);
    w.f64(d.prof);
    w.i32(d.ora_dur);
    w.i32(d.min_dur);
    w.f64(d.t_acqua);
    w.f64(d.bar);
    w.i32(d.tipo_bit);
    w.i32(d.gas);
    w.i32(d.att_bit1);
    w.i32(d.att_bit2);
    w.i32(d.allarmi_bit);
    w.i32(d.allarmi_alto);
    w.i32(d.nimm);
    w.u32(d.lung_posto);
    w.u32(d.lung_punto);
    w.u32(d.lung_altro);
    w.u32(d.lung_compagni);
    w.u32(d.lung_commenti);
    w.u32(d.lung_profilo);
    w.bytes(d.posto);
    w.bytes(d.punto);
    w.bytes(d.altro);
    w.bytes(d.compagni);
    w.bytes(d.commenti);
    w.bytes(d.profilo);
}

}  // namespace

void Clogbook::Scrivi(const std::filesystem::path& path) const {
    AtomicFile file(path);
    ByteWriter w(file);
    w.u32(num_imm);
    w.i32(base_num);
    for (int32_t s : seriale) w.i32(s);
    for (int32_t s : seriale2) w.i32(s);
    for (const Timmersione& d : immersioni) write_dive(w, d);
    w.flush();
    file.commit();
}

void read_dive_after_prefix(Clogbook& L, ByteReader& whole) {
    // The fixed part from a span checked once: within a span of known size the
    // compiler drops the check of every field.
    ByteReader r(whole.bytes(kV10FixedDiveSize));
    int32_t giorno = r.i32(), mese = r.i32(), anno = r.i32();
    L.set_data(giorno, mese, anno);
    int32_t ora = r.i32(), min = r.i32();
    L.set_orario(ora, min);
    L.set_alt(r.i32());
    ora = r.i32();
    min = r.i32();
    L.set_intervallo(ora, min);
    L.set_meteo(r.i32());
    L.set_t_aria(r.f64());
    L.set_muta(r.i32());
    L.set_lbomb(r.i32());
    L.set_prof(r.f64());
    ora = r.i32();
    min = r.i32();
    L.set_durata(ora, min);
    L.set_t_acqua(r.f64());
    L.set_bar(r.f64());
    int32_t a = r.i32(), b = r.i32();
    L.set_tipo(a, b);
    a = r.i32();
    b = r.i32();
    L.set_attivita(a, b);
    a = r.i32();
    b = r.i32();
    L.set_allarmi(a, b);
    r.i32();  // the stored number is not trusted: numbers follow positions
    L.set_nimm();
    uint32_t lengths[6];
    for (uint32_t& n : lengths) n = r.u32();
    L.set_posto(whole.bytes(lengths[0]));
    L.set_punto(whole.bytes(lengths[1]));
    L.set_altro(whole.bytes(lengths[2]));
    L.set_compagni(whole.bytes(lengths[3]));
    L.set_commenti(whole.bytes(lengths[4]));
    L.set_profilo(whole.bytes(lengths[5]));
}

void Clogbook::Leggi(const std::filesystem::path& path) {
    const MappedFile file(path);
    ByteReader r(file.bytes());
    // Every dive needs at least its fixed part: a count the file cannot hold fails
    // before anything is read.
    r.require(kNativeHeaderSize + uint64_t(kNativeFixedDiveSize) * num_imm);
    r.u32();
    base_num = r.i32();
    int32_t s[4];
    for (int32_t& v : s) v = r.i32();
    set_seriale(s[0], s[1], s[2], s[3]);
    for (int32_t& v : s) v = r.i32();
    set_seriale2(s[0], s[1], s[2], s[3]);
    for (corrente = 0; corrente < num_imm; ++corrente) {
        ByteReader prefix(r.bytes(kNativeFixedDiveSize - kV10FixedDiveSize));
        int32_t c[4];
        for (int32_t& v : c) v = prefix.i32();
        set_codice_dt(c[0], c[1], c[2], c[3]);
        set_computer(prefix.i32());
        set_computer_extra(prefix.i32());
        read_dive_after_prefix(*this, r);
    }
    corrente = 0;
}
