// One fuzzed dive (every field, texts of any bytes, a profile of any bytes up to some
// hundred samples) exported to CSV and UDDF in memory. A finding: UDDF that is not
// well-formed XML or that writes a number as "nan"/"inf", CSV that does not read back
// as a header and one row of as many fields.

#include <QBuffer>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "export/csv_export.h"
#include "export/uddf_export.h"
#include "fuzz/fuzz_dive.h"

namespace {

[[noreturn]] void finding(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "finding: %s %s\n", what, detail.c_str());
    std::abort();
}

// RFC 4180 records ended by CR LF; a quoted field doubles its quotes. Anything else
// (a stray quote, a bare line break) is a finding.
std::vector<std::size_t> fields_per_record(std::string_view text, char separator) {
    std::vector<std::size_t> records;
    std::size_t fields = 1;
    std::size_t p = 0;
    while (p < text.size()) {
        if (text[p] == '"') {
            for (++p;; ++p) {
                if (p >= text.size()) finding("CSV: unterminated quote");
                if (text[p] != '"') continue;
                if (p + 1 < text.size() && text[p + 1] == '"') {
                    ++p;
                    continue;
                }
                ++p;
                break;
            }
        } else {
            while (p < text.size() && text[p] != separator && text[p] != '\r') {
                if (text[p] == '"' || text[p] == '\n') finding("CSV: quote or line feed in a bare field");
                ++p;
            }
        }
        if (p >= text.size()) finding("CSV: last record not ended");
        if (text[p] == separator) {
            ++fields;
            ++p;
        } else if (text.substr(p, 2) == "\r\n") {
            records.push_back(fields);
            fields = 1;
            p += 2;
        } else {
            finding("CSV: field followed by neither separator nor CR LF");
        }
    }
    return records;
}

void check_csv(const Clogbook& log, char decimal_separator) {
    const CsvFormat format = formato_csv(decimal_separator);
    const std::string text = testo_csv(log, format);
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (std::string_view(text).substr(0, bom.size()) != bom) finding("CSV: no byte-order mark");
    const auto records = fields_per_record(std::string_view(text).substr(bom.size()), format.separatore);
    if (records.size() != 2 || records[0] != records[1])
        finding("CSV: not a header and one row alike", std::to_string(records.size()) + " records");
}

QByteArray uddf_of(const Clogbook& log) {
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    scrivi_uddf(log, out, QStringLiteral("2026-12-07T15:04:05"));
    return bytes;
}

void check_well_formed(const QByteArray& document) {
    // Qt 6.4's reader reallocates its token buffer at every token for as long as no
    // token has been longer than 256 characters (it reserves 256 on a capacity of 256),
    // which under the address sanitizer took half the time of an input. A long comment
    // right after the declaration gives the buffer room once; between the declaration
    // and the root element a comment cannot make a document well-formed or not.
    const qsizetype declaration_end = document.indexOf("?>") + 2;
    if (!document.startsWith("<?xml ") || declaration_end < 2) finding("UDDF: no XML declaration");
    static const QByteArray room = "<!--" + QByteArray(600, ' ') + "-->";
    QXmlStreamReader xml;
    xml.addData(document.first(declaration_end));
    xml.addData(room);
    xml.addData(document.sliced(declaration_end));
    while (!xml.atEnd()) xml.readNext();
    if (xml.hasError()) finding("UDDF: not well-formed", xml.errorString().toStdString());
}

// No "nan" or "inf" in character data or attribute values; element names such as
// <infinity/> are markup. Reading the bytes is enough for a document known to be
// well-formed, and far cheaper than a second reader.
void check_numbers(const QByteArray& document) {
    const std::string_view text(document.constData(), static_cast<std::size_t>(document.size()));
    for (const std::string_view word : {"nan", "inf"})
        for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
            const std::size_t open = text.rfind('<', at), close = text.rfind('>', at);
            const bool in_tag = open != std::string_view::npos && (close == std::string_view::npos || open > close);
            const bool in_value =
                in_tag && std::count(text.begin() + static_cast<std::ptrdiff_t>(open), text.begin() + static_cast<std::ptrdiff_t>(at), '"') % 2 == 1;
            if (!in_tag || in_value)
                finding("UDDF: not finite", std::string(text.substr(at > 40 ? at - 40 : 0, 80)));
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const char decimal_separator = in.ConsumeBool() ? ',' : '.';
    // Half the inputs keep their texts' bytes as they are; the other half turn every
    // "n" into "N", so that any "nan" or "inf" left in the document is a number's.
    const bool numbers_only = in.ConsumeBool();
    Clogbook log(1);
    Timmersione& d = log.immersioni[0];
    d = fuzzed_dive(in);
    // Some hundred samples: the markup of each is alike, and reading back a document
    // of thousands would take most of the time.
    constexpr std::size_t profile_bytes = 1024;
    if (d.profilo.size() > profile_bytes) d.profilo.resize(profile_bytes);
    d.lung_profilo = static_cast<uint32_t>(d.profilo.size());
    if (numbers_only)
        for (std::string* text : {&d.posto, &d.punto, &d.altro, &d.compagni, &d.commenti})
            std::replace(text->begin(), text->end(), 'n', 'N');
    check_csv(log, decimal_separator);
    const QByteArray document = uddf_of(log);
    check_well_formed(document);
    if (numbers_only) check_numbers(document);
    return 0;
}
