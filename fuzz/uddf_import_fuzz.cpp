// The UDDF reader on whatever bytes: the program's error or a logbook whose strings
// agree with their lengths and whose profiles decode to at most what the graph holds.

#include <QBuffer>

#include "export/uddf_import.h"
#include "export/uddf_import_map.h"
#include "fuzz/fuzz_file.h"
#include "profile/profile_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    try {
        const auto log = leggi_uddf(in);
        check_lengths(*log);
        for (const Timmersione& d : log->immersioni)
            if (d.profilo.find('\0') != std::string::npos ||
                profile_sample_count(d.computer, d.profilo.size()) > uddf_in::campioni_massimi ||
                !std::isfinite(d.prof) || !std::isfinite(d.t_acqua) || !std::isfinite(d.bar))
                std::abort();
    } catch (const QuorvelError&) {
    }
    return 0;
}
