#include <gtest/gtest.h>

#include <QBuffer>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "every_kind_logbook.h"
#include "export/uddf_export.h"
#include "export/uddf_index.h"
#include "file_size_limit.h"
#include "framework/core/errors.h"
#include "temp_dir.h"

namespace {

const QString ns = "http://www.streit.cc/uddf/3.2/";

// What a reader of the file needs: every element by its path from the root, with the
// text of its leaf elements, the ids declared and the references made.
struct Element {
    QString path, text;
    QXmlStreamAttributes attributes;
};

struct Parsed {
    std::vector<Element> elements;
    std::set<QString> ids;
    std::vector<QString> refs;
    QString error;

    std::vector<const Element*> all(const QString& path) const {
        std::vector<const Element*> out;
        for (const Element& e : elements)
            if (e.path == path) out.push_back(&e);
        return out;
    }
    // The texts of the elements with this path inside the n-th dive.
    std::vector<QString> in_dive(int n, const QString& sub) const {
        const QString dive_path = "uddf/profiledata/repetitiongroup/dive";
        std::vector<QString> out;
        int seen = -1;
        for (const Element& e : elements) {
            if (e.path == dive_path) ++seen;
            else if (seen == n && e.path == dive_path + "/" + sub) out.push_back(e.text);
        }
        return out;
    }
};

Parsed parse(const QByteArray& xml) {
    Parsed p;
    QXmlStreamReader r(xml);
    QStringList stack;
    std::vector<std::size_t> open;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            EXPECT_EQ(r.namespaceUri().toString(), ns) << r.name().toString().toStdString();
            stack << r.name().toString();
            open.push_back(p.elements.size());
            p.elements.push_back({stack.join('/'), {}, r.attributes()});
            if (r.attributes().hasAttribute("id")) {
                const bool fresh = p.ids.insert(r.attributes().value("id").toString()).second;
                EXPECT_TRUE(fresh) << "duplicate id";
            }
            if (r.attributes().hasAttribute("ref")) p.refs.push_back(r.attributes().value("ref").toString());
        } else if (r.isCharacters() && !open.empty()) {
            p.elements[open.back()].text += r.text();
        } else if (r.isEndElement()) {
            stack.removeLast();
            open.pop_back();
        }
    }
    if (r.hasError()) p.error = r.errorString();
    return p;
}

QByteArray uddf_of(const Clogbook& lb) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    scrivi_uddf(lb, out, "2026-12-07T15:04:05");
    return out.data();
}

}  // namespace

TEST(UddfExport, WellFormedWithEveryDiveSiteAndBuddyAndResolvingReferences) {
    const QByteArray xml = uddf_of(every_kind_logbook());
    const Parsed p = parse(xml);
    ASSERT_TRUE(p.error.isEmpty()) << p.error.toStdString();
    for (const char* never : {">nan", ">-nan", ">inf", ">-inf", "e+300"}) EXPECT_FALSE(xml.contains(never)) << never;

    EXPECT_EQ(p.elements.front().attributes.value("version").toString(), "3.2.1");
    EXPECT_EQ(p.all("uddf/generator/name").front()->text, "Quorvel");
    EXPECT_EQ(p.all("uddf/generator/datetime").front()->text, "2026-12-07T15:04:05");
    EXPECT_EQ(p.all("uddf/profiledata/repetitiongroup/dive").size(), 5u);
    EXPECT_EQ(p.all("uddf/diver/owner").size(), 1u);

    // Two buddies (one line repeated), split into first and last name.
    const auto lastnames = p.all("uddf/diver/buddy/personal/lastname");
    ASSERT_EQ(lastnames.size(), 2u);
    EXPECT_EQ(lastnames[0]->text, "Rossi");
    EXPECT_EQ(p.all("uddf/diver/buddy/personal/firstname")[1]->text, "Paolo");

    // Two sites: one place at two points; the texts read back as they were typed.
    const auto sites = p.all("uddf/divesite/site/name");
    ASSERT_EQ(sites.size(), 2u);
    EXPECT_EQ(sites[0]->text, QString::fromUtf8("Capo \"Rosso\" & <Sud>; scèglio, est"));
    EXPECT_EQ(p.all("uddf/divesite/site/notes/para")[0]->text, QString::fromUtf8("Secca d'àrco"));

    for (const QString& ref : p.refs) EXPECT_TRUE(p.ids.count(ref)) << ref.toStdString();
    EXPECT_EQ(p.in_dive(1, "informationbeforedive/link").size(), 3u) << "site and two buddies";
    EXPECT_EQ(p.in_dive(0, "informationbeforedive/link").size(), 0u);

    // A logbook without dives: the owner alone, no empty sections.
    const Parsed empty = parse(uddf_of(Clogbook(0)));
    EXPECT_TRUE(empty.error.isEmpty());
    EXPECT_EQ(empty.elements.size(), 10u) << "uddf; generator and its 3; diver, owner, personal and its 2";
}

TEST(UddfExport, ValuesInSiUnitsAndAbsentWhereNotReal) {
    const Parsed p = parse(uddf_of(every_kind_logbook()));
    using V = std::vector<QString>;
    // The typed dive.
    EXPECT_EQ(p.in_dive(1, "informationbeforedive/divenumber"), V{"2"});
    EXPECT_EQ(p.in_dive(1, "informationbeforedive/datetime"), V{"2024-02-29T09:05:00"});
    EXPECT_EQ(p.in_dive(1, "informationbeforedive/airtemperature"), V{"265.9"});
    EXPECT_EQ(p.in_dive(1, "informationbeforedive/surfaceintervalbeforedive/passedtime"), V{"9000"});
    EXPECT_EQ(p.in_dive(1, "informationbeforedive/altitude"), V{"900"});
    EXPECT_EQ(p.in_dive(1, "informationafterdive/greatestdepth"), V{"18.5"});
    EXPECT_EQ(p.in_dive(1, "informationafterdive/lowesttemperature"), V{"271.65"});
    EXPECT_EQ(p.in_dive(1, "informationafterdive/pressuredrop"), V{"15050000"});
    EXPECT_EQ(p.in_dive(1, "informationafterdive/diveduration"), V{"3900"});
    const V notes = p.in_dive(1, "informationafterdive/notes/para");
    ASSERT_GE(notes.size(), 5u);
    EXPECT_EQ(notes[0], QString::fromUtf8("=1+1 visto un polpo\nseconda riga € fine"));
    EXPECT_EQ(notes[1], "Tipo di immersione: In Curva,Acqua Salata, Nitrox");
    EXPECT_TRUE(notes.end() != std::find(notes.begin(), notes.end(), "Bombola: 15 l"));
    EXPECT_TRUE(notes.end() != std::find(notes.begin(), notes.end(), "Muta: Umida"));

    // The new dive: no date, no number-less values; no interval means not repetitive.
    EXPECT_TRUE(p.in_dive(0, "informationbeforedive/datetime").empty());
    EXPECT_TRUE(p.in_dive(0, "informationbeforedive/airtemperature").empty());
    EXPECT_EQ(p.in_dive(0, "informationbeforedive/surfaceintervalbeforedive/infinity").size(), 1u);
    EXPECT_EQ(p.in_dive(0, "informationafterdive/greatestdepth"), V{"0"});
    EXPECT_TRUE(p.in_dive(0, "samples").empty());
    EXPECT_TRUE(p.in_dive(1, "samples").empty()) << "a dive without profile has no samples";

    // NaN, infinity, 1e300 and a negative pressure are left out; hour 24 keeps the date.
    for (const char* sub : {"informationafterdive/greatestdepth", "informationafterdive/lowesttemperature",
                            "informationbeforedive/airtemperature", "informationafterdive/pressuredrop"})
        EXPECT_TRUE(p.in_dive(3, sub).empty()) << sub;
    EXPECT_EQ(p.in_dive(3, "informationbeforedive/datetime"), V{"2024-03-02"});
    EXPECT_TRUE(p.in_dive(4, "informationafterdive/greatestdepth").empty());
    EXPECT_TRUE(p.in_dive(4, "informationbeforedive/datetime").empty()) << "31 February";
}

TEST(UddfExport, SamplesAtTheirTimesAndDepthsWithTheirAlarms) {
    const Parsed p = parse(uddf_of(every_kind_logbook()));
    using V = std::vector<QString>;
    EXPECT_EQ(p.in_dive(2, "samples/waypoint/divetime"), (V{"0", "20", "40", "60", "80", "100", "120"}));
    EXPECT_EQ(p.in_dive(2, "samples/waypoint/depth"), (V{"0", "1.25", "2.5", "3.125", "1.875", "0.625", "0.15625"}));
    // One alarm per flag bit that has a keyword; the transmitter bit has none.
    EXPECT_EQ(p.in_dive(2, "samples/waypoint/alarm"), (V{"deco", "rbt", "ascent", "error", "breath"}));
    // A profile not longer than its header: the surface point alone.
    EXPECT_EQ(p.in_dive(4, "samples/waypoint/divetime"), V{"0"});
}

TEST(UddfExport, BuddyLinesAndSitesAreCountedOnce) {
    const std::vector<std::string_view> lines = righe_non_vuote(" A \r\n\r\nB\nC D\r");
    EXPECT_EQ(lines, (std::vector<std::string_view>{"A", "B", "C D"}));

    Clogbook lb(3);
    const char* places[][2] = {{"Elba", "Secca"}, {"Elb", "aSecca"}, {" Elba ", "Secca"}};
    for (uint32_t i = 0; i < 3; ++i) {
        lb.corrente = i;
        lb.set_posto(places[i][0]);
        lb.set_punto(places[i][1]);
    }
    const IndiceUddf index = indicizza(lb);
    EXPECT_EQ(index.posti.size(), 2u) << "a place and point that only join alike stay apart";
    EXPECT_EQ(index.posto_di, (std::vector<uint32_t>{0, 1, 0}));
}

TEST(UddfExport, WrittenWholeOrNotAtAll) {
    TempDir dir;
    const auto target = dir / "diario.uddf";
    const Clogbook lb = every_kind_logbook();
    esporta_uddf(lb, target, "2026-12-07T15:04:05");
    EXPECT_EQ(QByteArray::fromStdString(read_bytes(target)), uddf_of(lb));

    write_bytes(target, "vecchio");
    {
        FileSizeLimit limit(100);
        EXPECT_THROW(esporta_uddf(lb, target, "2026-12-07T15:04:05"), StreamWriteError);
    }
    EXPECT_EQ(read_bytes(target), "vecchio");
    EXPECT_EQ(dir.entry_count(), 1u);
    EXPECT_THROW(esporta_uddf(lb, dir / "no-such-folder" / "x.uddf", ""), CannotCreateFile);
}
