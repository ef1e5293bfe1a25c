#include <gtest/gtest.h>

#include "every_kind_logbook.h"
#include "export/csv_export.h"
#include "file_size_limit.h"
#include "framework/core/errors.h"
#include "temp_dir.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

// RFC 4180 as a spreadsheet reads it: quoted cells may hold separators, doubled quotes
// and line breaks; rows end with CR LF.
Table parse_csv(std::string_view text, char separator) {
    Table rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& cell = rows.back().back();
        if (quoted) {
            if (c != '"') cell += c;
            else if (i + 1 < text.size() && text[i + 1] == '"') cell += text[++i];
            else quoted = false;
        } else if (c == '"') {
            EXPECT_TRUE(cell.empty()) << "quote inside an unquoted cell at " << i;
            quoted = true;
        } else if (c == separator) {
            rows.back().emplace_back();
        } else if (c == '\r') {
            EXPECT_EQ(text.substr(i, 2), "\r\n") << "bare CR at " << i;
            ++i;
            rows.emplace_back(1);
        } else {
            EXPECT_NE(c, '\n') << "bare LF outside quotes at " << i;
            cell += c;
        }
    }
    EXPECT_FALSE(quoted) << "unterminated quote";
    EXPECT_EQ(rows.back(), std::vector<std::string>(1)) << "last row not ended by CR LF";
    rows.pop_back();
    return rows;
}

Table exported(const Clogbook& lb, CsvFormat f) {
    const std::string text = testo_csv(lb, f);
    EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    return parse_csv(std::string_view(text).substr(3), f.separatore);
}

constexpr std::size_t columns = 22;

}  // namespace

TEST(CsvExport, SeparatorAndDecimalMarkFollowTheLocale) {
    EXPECT_EQ(formato_csv(',').separatore, ';');
    EXPECT_EQ(formato_csv(',').decimale, ',');
    EXPECT_EQ(formato_csv('.').separatore, ',');
    EXPECT_EQ(formato_csv('.').decimale, '.');

    const Clogbook lb = every_kind_logbook();
    for (char decimal : {',', '.'}) {
        const Table t = exported(lb, formato_csv(decimal));
        ASSERT_EQ(t.size(), 1 + lb.num_imm);
        for (const auto& row : t) EXPECT_EQ(row.size(), columns);
        const auto& d = t[2];
        EXPECT_EQ(d[4], decimal == ',' ? "18,5" : "18.5");
        EXPECT_EQ(d[5], decimal == ',' ? "-1,5" : "-1.5");
        EXPECT_EQ(d[6], decimal == ',' ? "-7,25" : "-7.25");
        EXPECT_EQ(d[9], decimal == ',' ? "150,5" : "150.5");
    }
}

TEST(CsvExport, EveryFieldOfADiveInItsColumn) {
    const Table t = exported(every_kind_logbook(), formato_csv(','));
    EXPECT_EQ(t[0][0], "Numero");
    EXPECT_EQ(t[0][4], "Profondità massima (m)");
    EXPECT_EQ(t[0][21], "Profilo");

    const auto& d = t[2];
    const std::vector<std::string> expected = {
        "2", "2024-02-29", "09:05", "65", "18,5", "-1,5", "-7,25", "150", "15", "150,5", "Umida", "Neve",
        "900-1750 mt", "Capo \"Rosso\" & <Sud>; scèglio, est", "Secca d'àrco",
        "Anna Rossi\r\nPaolo Bianchi\r\n\r\n  Anna Rossi  ", "In Curva,Acqua Salata, Nitrox",
        "pesca, Osservazione, Notturna, Altro", "Risalita, SOS",
        // A text a spreadsheet would run as a formula stays text; the zero byte goes.
        "'=1+1 visto un polpo\r\nseconda riga € fine", "Sconosciuto", "no"};
    EXPECT_EQ(d, expected);

    // A new dive: zero date and time give empty cells, the texts of index 0 stand.
    EXPECT_EQ(t[1][1], "");
    EXPECT_EQ(t[1][2], "00:00");
    EXPECT_EQ(t[1][10], "Nessuna");
    // Values that are not numbers give empty cells; 1e300 stays what it is.
    EXPECT_EQ(t[4][4], "");
    EXPECT_EQ(t[4][5], "");
    EXPECT_EQ(t[4][6], "1e+300");
    EXPECT_EQ(t[4][2], "") << "hour 24 is no time of day";
    EXPECT_EQ(t[5][1], "") << "31 February is no date";
    EXPECT_EQ(t[3][20], "Aladin Sport");
    EXPECT_EQ(t[3][21], "sì");
}

TEST(CsvExport, WrittenWholeOrNotAtAll) {
    TempDir dir;
    const auto target = dir / "diario.csv";
    const Clogbook lb = every_kind_logbook();
    esporta_csv(lb, target, formato_csv('.'));
    EXPECT_EQ(read_bytes(target), testo_csv(lb, formato_csv('.')));

    write_bytes(target, "vecchio");
    {
        FileSizeLimit limit(100);
        EXPECT_THROW(esporta_csv(lb, target, formato_csv('.')), StreamWriteError);
    }
    EXPECT_EQ(read_bytes(target), "vecchio");
    EXPECT_EQ(dir.entry_count(), 1u) << "the temporary is removed";
    EXPECT_THROW(esporta_csv(lb, dir / "no-such-folder" / "x.csv", formato_csv('.')), CannotCreateFile);
}
