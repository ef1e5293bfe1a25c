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

TEST(UddfExport, ReadsBackEveryDiveSiteBuddyValueAndSample) {
    const std::vector<Element> doc = read_back(every_kind_logbook());
    EXPECT_EQ(texts(doc, "uddf/profiledata/repetitiongroup/dive").size(), 5u);
    // Two buddies (one line repeated), split into first and last name; two sites, one
    // place at two points; the texts read back as they were typed.
    EXPECT_EQ(texts(doc, "uddf/diver/buddy/personal/lastname"), (Texts{"Rossi", "Bianchi"}));
    EXPECT_EQ(texts(doc, "uddf/diver/buddy/personal/firstname"), (Texts{"Anna", "Paolo"}));
    EXPECT_EQ(texts(doc, "uddf/divesite/site/name"), Texts(2, QString::fromUtf8("Capo \"Rosso\" & <Sud>; scèglio, est")));
    std::set<QString> ids;
    for (const Element& e : doc) EXPECT_TRUE(e.id.isEmpty() || ids.insert(e.id).second) << "id twice";
    std::size_t refs = 0;
    for (const Element& e : doc) EXPECT_TRUE(e.ref.isEmpty() || (++refs, ids.count(e.ref))) << e.ref.toStdString();
    EXPECT_EQ(refs, 6u) << "the sites and buddies of dives 1, 2 and 3";
    // A logbook without dives: the owner alone, no empty sections.
    EXPECT_EQ(read_back(Clogbook(0)).size(), 10u) << "uddf; generator and its 3; diver, owner, personal and its 2";

    // Values and samples in SI units, absent where not real.
    const std::tuple<int, const char*, Texts> values[] = {
        {1, "informationbeforedive/datetime", {"2024-02-29T09:05:00"}},
        {1, "informationbeforedive/airtemperature", {"265.9"}},
        {1, "informationbeforedive/surfaceintervalbeforedive/passedtime", {"9000"}},
        {1, "informationafterdive/pressuredrop", {"15050000"}},
        {1, "samples", {}},  // a dive without profile
        // A new dive: no date, no interval means not repetitive.
        {0, "informationbeforedive/datetime", {}},
        {0, "informationbeforedive/surfaceintervalbeforedive/infinity", {""}},
        // NaN, infinity and a negative pressure are left out; hour 24 keeps the date.
        {3, "informationafterdive/greatestdepth", {}},
        {3, "informationafterdive/lowesttemperature", {}},
        {3, "informationafterdive/pressuredrop", {}},
        {3, "informationbeforedive/datetime", {"2024-03-02"}},
        {4, "informationbeforedive/datetime", {}},  // 31 February
    };
    for (const auto& [dive, path, expected] : values) EXPECT_EQ(texts(doc, path, dive), expected) << dive << " " << path;
    const Texts notes = texts(doc, "informationafterdive/notes/para", 1);
    EXPECT_EQ(Texts(notes.begin(), notes.begin() + std::min<std::size_t>(2, notes.size())),
              (Texts{QString::fromUtf8("=1+1 visto un polpo\nseconda riga € fine"),
                     "Tipo di immersione: In Curva,Acqua Salata, Nitrox"}));
    // Samples at their times and depths with their alarms.
    EXPECT_EQ(texts(doc, "samples/waypoint/divetime", 2), (Texts{"0", "20", "40", "60", "80", "100", "120"}));
    EXPECT_EQ(texts(doc, "samples/waypoint/depth", 2), (Texts{"0", "1.25", "2.5", "3.125", "1.875", "0.625", "0.15625"}));
    // One alarm per flag bit that has a keyword; the transmitter bit has none.
    EXPECT_EQ(texts(doc, "samples/waypoint/alarm", 2), (Texts{"deco", "rbt", "ascent", "error", "breath"}));
    // A profile not longer than its header: the surface point alone.
    EXPECT_EQ(texts(doc, "samples/waypoint/divetime", 4), Texts{"0"});
}
