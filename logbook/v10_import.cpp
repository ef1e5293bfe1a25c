// Logbooks of version 1.0: a 4-byte dive count, then per dive the current block
// without its dive-computer fields (codice_dt, computer, computer_extra).

#include "logbook/Clogbook.h"
#include "logbook/byte_reader.h"
#include "logbook/file_io.h"
#include "logbook/native_layout.h"

void Clogbook::Leggi_V10(const std::filesystem::path& path) {
    const MappedFile file(path);
    ByteReader r(file.bytes());
    r.require(4 + kV10FixedDiveSize * uint64_t(num_imm));
    r.u32();  // the count, taken by the caller's peek
    for (corrente = 0; corrente < num_imm; ++corrente) {
        // Version 1.0 knew no dive computers: those fields are those of a new dive.
        set_codice_dt(0, 0, 0, 0);
        set_computer(0);
        set_computer_extra(0);
        read_dive_after_prefix(*this, r);
    }
    corrente = 0;
}
