#include <gtest/gtest.h>

#include <QBuffer>
#include <QXmlStreamReader>
#include <set>

#include "every_kind_logbook.h"
#include "export/uddf_export.h"

namespace {

using Texts = std::vector<QString>;

// Every element by its path from the root, with the text of its leaf elements.
struct Element { QString path, text, id, ref; };

std::vector<Element> read_back(const Clogbook& lb) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    scrivi_uddf(lb, out, "2026-12-07T15:04:05");
    for (const char* never : {">nan", ">-nan", ">inf", ">-inf", "e+300"}) EXPECT_FALSE(out.data().contains(never)) << never;
    std::vector<Element> doc;
    std::vector<std::size_t> open;  // the elements not yet ended, innermost last
    QXmlStreamReader r(out.data());
    while (r.readNext() != QXmlStreamReader::EndDocument && !r.hasError()) {
        if (r.isStartElement()) {
            EXPECT_EQ(r.namespaceUri().toString(), "http://www.streit.cc/uddf/3.2/");
            const QString path = (open.empty() ? QString() : doc[open.back()].path + "/") + r.name().toString();
            open.push_back(doc.size());
            doc.push_back({path, {}, r.attributes().value("id").toString(), r.attributes().value("ref").toString()});
        } else if (r.isCharacters() && !open.empty()) {
            doc[open.back()].text += r.text();
        } else if (r.isEndElement()) {
            open.pop_back();
        }
    }
    EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
    return doc;
}

// The texts of the elements at `path`, within the n-th dive if `dive` is not negative.
Texts texts(const std::vector<Element>& doc, const QString& path, int dive = -1) {
    const QString dive_path = "uddf/profiledata/repetitiongroup/dive";
    Texts out;
    int seen = -1;
    for (const Element& e : doc) {
        seen += e.path == dive_path;
        if (dive < 0 ? e.path == path : seen == dive && e.path == dive_path + "/" + path) out.push_back(e.text);
    }
    return out;
}

}  // namespace

// The links of the n-th dive, in their order.
Texts refs(const std::vector<Element>& doc, int dive) {
    Texts out;
    int seen = -1;
    for (const Element& e : doc) {
        seen += e.path == "uddf/profiledata/repetitiongroup/dive";
        if (seen == dive && !e.ref.isEmpty()) out.push_back(e.ref);
    }
    return out;
}

TEST(UddfExport, ReadsBackEveryDiveSiteBuddyValueAndSample) {
    const std::vector<Element> doc = read_back(every_kind_logbook());
    EXPECT_EQ(texts(doc, "uddf/profiledata/repetitiongroup/dive").size(), 5u);
    // Three buddies: one line repeated, one line of two people; a single word is a
    // first name. Buddies come before the site among a dive's links.
    EXPECT_EQ(texts(doc, "uddf/diver/buddy/personal/lastname"), (Texts{"Rossi", "Bianchi", ""}));
    EXPECT_EQ(texts(doc, "uddf/diver/buddy/personal/firstname"), (Texts{"Anna", "Paolo", "Markus"}));
    EXPECT_EQ(refs(doc, 1), (Texts{"buddy_1", "buddy_2", "site_1"}));
    EXPECT_EQ(refs(doc, 2), (Texts{"buddy_2", "buddy_3", "site_1"}));
    // Two sites, one place at two points: the name carries both, the location the place.
    const QString place = QString::fromUtf8("Capo \"Rosso\" & <Sud>; scèglio, est");
    EXPECT_EQ(texts(doc, "uddf/divesite/site/name"),
              (Texts{place + QString::fromUtf8(", Secca d'àrco"), place + ", Altro punto"}));
    EXPECT_EQ(texts(doc, "uddf/divesite/site/geography/location"), Texts(2, place));
    std::set<QString> ids;
    for (const Element& e : doc) EXPECT_TRUE(e.id.isEmpty() || ids.insert(e.id).second) << "id twice";
    std::size_t all_refs = 0;
    for (const Element& e : doc) EXPECT_TRUE(e.ref.isEmpty() || (++all_refs, ids.count(e.ref))) << e.ref.toStdString();
    EXPECT_EQ(all_refs, 7u);
    // A logbook without dives: the owner alone, no empty sections.
    EXPECT_EQ(read_back(Clogbook(0)).size(), 10u) << "uddf; generator and its 3; diver, owner, personal and its 2";

    // Values and samples in SI units, absent where not real; the date and the greatest
    // depth that every dive must have are brought to the nearest that can be written.
    const std::tuple<int, const char*, Texts> values[] = {
        {1, "informationbeforedive/datetime", {"2024-02-29T09:05:00"}},
        {1, "informationbeforedive/airtemperature", {"265.9"}},
        {1, "informationbeforedive/surfaceintervalbeforedive/passedtime", {"9000"}},
        {1, "informationafterdive/pressuredrop", {"15050000"}},
        {1, "samples", {}},  // a dive without profile
        // A new dive: no interval means not repetitive, no depth is 0.
        {0, "informationbeforedive/datetime", {"0001-01-01T00:00:00"}},
        {0, "informationbeforedive/surfaceintervalbeforedive/infinity", {""}},
        {0, "informationafterdive/greatestdepth", {"0"}},
        // NaN metres: the deepest sample; infinity and a negative pressure left out.
        {3, "informationafterdive/greatestdepth", {"2.5"}},
        {3, "informationafterdive/lowesttemperature", {}},
        {3, "informationafterdive/pressuredrop", {}},
        {3, "informationbeforedive/datetime", {"2024-03-02T23:00:00"}},
        {4, "informationbeforedive/datetime", {"2024-02-29T00:00:00"}},  // 31 February
        {4, "informationafterdive/greatestdepth", {"0"}},  // 1e300 m and no sample
    };
    for (const auto& [dive, path, expected] : values) EXPECT_EQ(texts(doc, path, dive), expected) << dive << " " << path;
    // One paragraph: the comments without the bytes no text carries, then the fields.
    EXPECT_EQ(texts(doc, "informationafterdive/notes/para", 1),
              Texts{QString::fromUtf8("=1+1 visto un polpo\nseconda riga € fine\n\n"
                                      "Compagni: Anna Rossi\nCompagni: Paolo Bianchi\nCompagni: \nCompagni:   Anna Rossi  \n"
                                      "Tipo di immersione: In Curva,Acqua Salata, Nitrox\n"
                                      "Attività: Osservazione, Notturna, Altro\nAltro: pesca\nAllarmi: Risalita, SOS\n"
                                      "Bombola: 15 l\nMuta: Umida\nMeteo: Neve\nAltitudine: 900-1750 mt")});
    EXPECT_EQ(texts(doc, "informationafterdive/notes/para", 4),
              Texts{"Data registrata: 31/2/2024 00:00\nMuta: Nessuna\nMeteo: Sereno\n"
                    "Altitudine: 000-900 mt\nComputer: Aladin Sport (30)"});
    // Samples at their times and depths with their alarms.
    EXPECT_EQ(texts(doc, "samples/waypoint/divetime", 2), (Texts{"0", "20", "40", "60", "80", "100", "120"}));
    EXPECT_EQ(texts(doc, "samples/waypoint/depth", 2), (Texts{"0", "1.25", "2.5", "3.125", "1.875", "0.625", "0.15625"}));
    // One alarm per flag bit that has a keyword; the transmitter bit has none.
    EXPECT_EQ(texts(doc, "samples/waypoint/alarm", 2), (Texts{"deco", "rbt", "ascent", "error", "breath"}));
    // A profile not longer than its header: the surface point alone.
    EXPECT_EQ(texts(doc, "samples/waypoint/divetime", 4), Texts{"0"});
}
