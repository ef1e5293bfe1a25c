#include <gtest/gtest.h>

#include <QBuffer>
#include <functional>

#include "every_kind_logbook.h"
#include "export/csv_export.h"
#include "export/uddf_export.h"
#include "file_size_limit.h"
#include "framework/core/errors.h"
#include "temp_dir.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

// RFC 4180 as a spreadsheet reads it, after the byte order mark: quoted cells may hold
// separators, doubled quotes and line breaks; rows end with CR LF.
Table exported(const Clogbook& lb, char decimal) {
    const CsvFormat f = formato_csv(decimal);
    const std::string text = testo_csv(lb, f) + '\0';
    EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    Table rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 3; i + 1 < text.size(); ++i) {
        std::string& cell = rows.back().back();
        const char c = text[i];
        if (quoted && c == '"' && text[i + 1] == '"') {
            cell += text[++i];
        } else if (c == '"') {  // a stray quote in an unquoted cell upsets every later cell
            quoted = !quoted;
        } else if (quoted || (c != f.separatore && c != '\r' && c != '\n')) {
            cell += c;
        } else if (c == f.separatore) {
            rows.back().emplace_back();
        } else {
            EXPECT_EQ(text.substr(i++, 2), "\r\n") << "bare line end at " << i;
            rows.emplace_back(1);
        }
    }
    EXPECT_FALSE(quoted) << "unterminated quote";
    EXPECT_EQ(rows.back(), std::vector<std::string>(1)) << "last row not ended by CR LF";
    rows.pop_back();
    return rows;
}

}  // namespace

TEST(CsvExport, EveryFieldInItsColumnWithTheLocalesSeparators) {
    const Clogbook lb = every_kind_logbook();
    for (char decimal : {'.', ','}) {
        const Table t = exported(lb, decimal);
        ASSERT_EQ(t.size(), 1 + lb.num_imm);
        for (const auto& row : t) EXPECT_EQ(row.size(), 22u);
        EXPECT_EQ(t[2][6], std::string("-7") + decimal + "25");
    }
    const Table t = exported(lb, ',');
    EXPECT_EQ(t[2], (std::vector<std::string>{
                        "2", "2024-02-29", "09:05", "65", "18,5", "-1,5", "-7,25", "150", "15", "150,5", "Umida", "Neve",
                        "900-1750 mt", "Capo \"Rosso\" & <Sud>; scèglio, est", "Secca d'àrco",
                        "Anna Rossi\r\nPaolo Bianchi\r\n\r\n  Anna Rossi  ", "In Curva,Acqua Salata, Nitrox",
                        "pesca, Osservazione, Notturna, Altro", "Risalita, SOS",
                        // A formula stays text; the zero byte goes.
                        "'=1+1 visto un polpo\r\nseconda riga € fine", "Sconosciuto", "no"}));
    // A new dive's zero date and temperatures never entered; NaN and infinity empty,
    // 1e300 as it is; hour 24 and 31 February are no time and no date.
    EXPECT_EQ((std::vector{t[1][1], t[1][2], t[1][5], t[1][6], t[4][4], t[4][5], t[4][6], t[4][2], t[5][1]}),
              (std::vector<std::string>{"", "00:00", "", "", "", "", "1e+300", "", ""}));
}

TEST(ExportFiles, WrittenWholeOrNotAtAll) {
    const Clogbook lb = every_kind_logbook();
    QBuffer uddf;
    uddf.open(QIODevice::WriteOnly);
    scrivi_uddf(lb, uddf, "2026-12-07T15:04:05");
    const std::pair<std::function<void(const std::filesystem::path&)>, std::string> writers[] = {
        {[&](const auto& path) { esporta_csv(lb, path, formato_csv('.')); }, testo_csv(lb, formato_csv('.'))},
        {[&](const auto& path) { esporta_uddf(lb, path, "2026-12-07T15:04:05"); }, uddf.data().toStdString()}};
    for (const auto& [write, text] : writers) {
        TempDir dir;
        const auto target = dir / "diario";
        write(target);
        EXPECT_EQ(read_bytes(target), text);
        write_bytes(target, "vecchio");
        EXPECT_THROW((FileSizeLimit(100), write(target)), StreamWriteError);  // a full disk while writing
        EXPECT_EQ(read_bytes(target), "vecchio");
        EXPECT_EQ(dir.entry_count(), 1u) << "the temporary is removed";
        EXPECT_THROW(write(dir / "no-such-folder" / "x"), CannotCreateFile);
    }
}
