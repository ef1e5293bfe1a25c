#include "export/uddf_import.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <cmath>

#include "every_kind_logbook.h"
#include "export/uddf_export.h"
#include "framework/core/errors.h"
#include "profile/profile_decoder.h"

namespace {

std::unique_ptr<Clogbook> import_text(const QByteArray& text) {
    QBuffer in;
    in.setData(text);
    in.open(QIODevice::ReadOnly);
    return leggi_uddf(in);
}

QByteArray exported(const Clogbook& lb) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    scrivi_uddf(lb, out, "2026-12-07T15:04:05");
    return out.data();
}

// A dive with its profile as the samples it decodes to, the bytes left out.
Timmersione with_samples_only(Timmersione d, std::vector<std::pair<double, int>>& samples) {
    DecodedProfile p;
    decode_profile(d, p);
    samples.clear();
    for (std::size_t k = 1; k <= p.n; ++k) samples.emplace_back(p.depth[k], p.flags[k] & 0x1F);
    d.profilo.clear();
    d.lung_profilo = 0;
    d.computer = 0;
    return d;
}

}  // namespace

TEST(UddfImport, AQuorvelLogbookComesBackFieldForField) {
    const Clogbook original = every_kind_logbook();
    const auto back = import_text(exported(original));
    ASSERT_EQ(back->num_imm, original.num_imm);
    EXPECT_EQ(back->base_num, 0);
    for (uint32_t i = 0; i < original.num_imm; ++i) {
        Timmersione expected = original.immersioni[i];
        // What UDDF cannot carry: the bytes no text may hold, values that are not real
        // (an impossible depth is the deepest sample), a profile without a sample.
        expected.commenti = without_unwritable(expected.commenti);
        expected.lung_commenti = uint32_t(expected.commenti.size());
        if (i == 3) expected.prof = 2.5, expected.t_acqua = 0, expected.t_aria = 0, expected.bar = 0;
        if (i == 4) expected.prof = 0, expected.profilo.clear(), expected.lung_profilo = 0;
        std::vector<std::pair<double, int>> want, got;
        const Timmersione e = with_samples_only(expected, want), g = with_samples_only(back->immersioni[i], got);
        EXPECT_EQ(got, want) << "dive " << i;
        EXPECT_EQ(back->immersioni[i].computer, expected.computer) << "dive " << i;
        EXPECT_TRUE(g == e) << "dive " << i << ": " << g.commenti << "|" << g.compagni;
    }
}

namespace {

std::vector<std::pair<double, int>> samples_of(const Timmersione& d) {
    std::vector<std::pair<double, int>> s;
    with_samples_only(d, s);
    return s;
}

double step(double metres) { return std::round(metres / 0.15625) * 0.15625; }

}  // namespace

// Another program's file: the 3.2 namespace, 2-second waypoints with alarms, buddies
// with a middle name, a site with geography and one without, a placeholder dive.
TEST(UddfImport, AnotherProgramsFileWithNamespace) {
    QByteArray waypoints;
    for (int t = 0; t <= 100; t += 2) {
        waypoints += "<waypoint>";
        if (t == 34) waypoints += "<alarm>deco</alarm>";
        if (t == 40) waypoints += "<alarm>ascent</alarm><alarm>surface</alarm>";
        if (t == 42) waypoints += "<alarm>breath</alarm>";
        waypoints += "<divetime>" + QByteArray::number(t) + "</divetime><depth>" +
                     QByteArray::number(t <= 60 ? t / 10.0 : (100 - t) * 0.15) + "</depth></waypoint>";
    }
    const QByteArray file = R"(<?xml version="1.0" encoding="UTF-8"?>
<uddf xmlns="http://www.streit.cc/uddf/3.2/" version="3.2.0">
 <generator><name>AltroLog</name></generator>
 <profiledata><repetitiongroup id="g">
  <dive id="a"><informationbeforedive><link ref="b1"/><link ref="s1"/><link ref="b2"/><divenumber>41</divenumber>
    <datetime>2019-08-03T10:15:30+02:00</datetime><airtemperature>300.15</airtemperature>
    <surfaceintervalbeforedive><infinity/></surfaceintervalbeforedive><altitude>1800</altitude></informationbeforedive>
   <samples>)" + waypoints + R"(</samples>
   <tankdata><tankvolume>0.012</tankvolume><tankpressurebegin>20000000</tankpressurebegin>
    <tankpressureend>5000000</tankpressureend></tankdata>
   <informationafterdive><lowesttemperature>295.15</lowesttemperature><greatestdepth>6.1</greatestdepth>
    <diveduration>100</diveduration><notes><para>Polpo &amp; murena</para><para>Bella</para></notes></informationafterdive></dive>
  <dive id="placeholder"><informationbeforedive><link ref="s1"/></informationbeforedive><informationafterdive/></dive>
  <dive id="c"><informationbeforedive><link ref="s2"/><divenumber>42</divenumber><datetime>2019-08-03</datetime>
    <surfaceintervalbeforedive><passedtime>5430</passedtime></surfaceintervalbeforedive></informationbeforedive>
   <informationafterdive><greatestdepth>12</greatestdepth></informationafterdive></dive>
 </repetitiongroup></profiledata>
 <diver><owner id="me"><personal><firstname>Io</firstname><lastname>Stesso</lastname></personal></owner>
  <buddy id="b1"><personal><lastname>Rossi</lastname><middlename>Maria</middlename><firstname>Anna</firstname></personal></buddy>
  <buddy id="b2"><personal><firstname>Fabio</firstname><lastname></lastname></personal></buddy></diver>
 <divesite><site id="s1"><name>Blue Hole</name><geography><location>Dahab, Egitto</location></geography></site>
  <site id="s2"><name>Secca &#8220;Grande&#8221; &#x2603;</name></site></divesite>
</uddf>)";
    const auto lb = import_text(file);
    ASSERT_EQ(lb->num_imm, 2u) << "the placeholder is skipped";
    EXPECT_EQ(lb->base_num, 40);
    const Timmersione& a = lb->immersioni[0];
    EXPECT_EQ(std::tie(a.nimm, a.giorno, a.mese, a.anno, a.ora_imm, a.min_imm), std::tuple(41, 3, 8, 2019, 10, 15));
    EXPECT_EQ(std::tie(a.posto, a.punto, a.compagni, a.commenti),
              std::tuple("Dahab, Egitto", "Blue Hole", "Anna Maria Rossi\r\nFabio", "Polpo & murena\r\nBella"));
    EXPECT_EQ(std::tie(a.t_aria, a.t_acqua, a.prof, a.bar, a.lbomb), std::tuple(27.0, 22.0, 6.1, 150.0, 12));
    EXPECT_EQ(std::tie(a.ora_dur, a.min_dur, a.ora_int, a.min_int, a.alt, a.muta, a.meteo), std::tuple(0, 2, 0, 0, 2, -1, -1));
    // Five 20-second samples, each the depth at its mark; the alarms of each window on it.
    EXPECT_EQ(samples_of(a), (std::vector<std::pair<double, int>>{
                                 {step(2), 0}, {step(4), 0x01 | 0x04}, {step(6), 0x10}, {step(3), 0}, {step(0), 0}}));
    EXPECT_EQ(a.computer, 30);
    const Timmersione& c = lb->immersioni[1];
    EXPECT_EQ(std::tie(c.nimm, c.ora_imm, c.prof, c.ora_int, c.min_int, c.lung_profilo), std::tuple(42, 0, 12.0, 1, 31, 0u));
    EXPECT_EQ(c.posto, "Secca \x93Grande\x94 ?");  // a character outside the code page
    EXPECT_EQ(c.punto, "");
}

// UDDF 3.3 without a namespace, irregular waypoints, no duration and no greatest depth:
// both from the samples; numbers that do not run on: numbered by position.
TEST(UddfImport, VersionWithoutNamespaceAndIrregularWaypoints) {
    const auto lb = import_text(R"(<uddf version="3.3.0"><profiledata><repetitiongroup>
      <dive><informationbeforedive><divenumber>7</divenumber><datetime>2021-01-02T03:04</datetime></informationbeforedive>
       <samples><waypoint><divetime>0</divetime><depth>0</depth></waypoint>
        <waypoint><divetime>7</divetime><depth>7</depth></waypoint>
        <waypoint><divetime>33</divetime><depth>20</depth><alarm>error</alarm></waypoint>
        <waypoint><divetime>30</divetime><depth>99</depth></waypoint>
        <waypoint><divetime>61.5</divetime><depth>-3</depth></waypoint>
        <waypoint><divetime>95</divetime><depth>500</depth><alarm>rbt</alarm></waypoint></samples>
       <informationafterdive/></dive>
      <dive><informationbeforedive><divenumber>3</divenumber><datetime>2021-01-03T00:00:00Z</datetime></informationbeforedive>
       <informationafterdive><greatestdepth>nan</greatestdepth><lowesttemperature>-5</lowesttemperature>
       <diveduration>-60</diveduration><pressuredrop>INF</pressuredrop></informationafterdive></dive>
    </repetitiongroup></profiledata></uddf>)");
    ASSERT_EQ(lb->num_imm, 2u);
    EXPECT_EQ(lb->base_num, 0);
    EXPECT_EQ(lb->immersioni[1].nimm, 2);
    const Timmersione& d = lb->immersioni[0];
    // 20 s: between 7 s (7 m) and 33 s (20 m); 40 s and 60 s toward 0 at 61.5 s (below
    // the surface counts as 0, the waypoint out of order left out); 80 s toward the
    // deepest a sample holds; the last waypoint after 80 s makes a sample of its own.
    EXPECT_EQ(samples_of(d), (std::vector<std::pair<double, int>>{{step(13.5), 0},
                                                                   {step(20 - 20 * 7 / 28.5), 0x08},
                                                                   {step(20 - 20 * 27 / 28.5), 0},
                                                                   {159.21875, 0},
                                                                   {159.21875, 0x02}}));
    EXPECT_EQ(std::tie(d.ora_dur, d.min_dur, d.prof), std::tuple(0, 2, 500.0)) << "the samples' time and depth";
    const Timmersione& e = lb->immersioni[1];
    EXPECT_EQ(std::tie(e.prof, e.t_acqua, e.ora_dur, e.min_dur, e.bar), std::tuple(0.0, 0.0, 0, 0, 0.0));
}

// Files built to break the import fail with the program's message or read what they
// hold, never more: no entity fetched, no entity expanded without bound, no sample past
// what the graph holds.
TEST(UddfImport, HostileFilesFailOrStayBounded) {
    const QByteArray dive = "<dive><informationbeforedive><datetime>2020-01-01T00:00:00</datetime>"
                            "</informationbeforedive><informationafterdive/></dive>";
    QByteArray laughs = R"(<?xml version="1.0"?><!DOCTYPE uddf [<!ENTITY l0 "ha">)";
    for (int i = 1; i < 10; ++i)
        laughs += QByteArray("<!ENTITY l") + QByteArray::number(i) + " \"" +
                  QByteArray("&l") .append(QByteArray::number(i - 1)).append(';').repeated(10) + "\">";
    laughs += "]><uddf><profiledata><repetitiongroup><dive><informationbeforedive><datetime>2020-01-01</datetime>"
              "</informationbeforedive><informationafterdive><notes><para>&l9;</para></notes>"
              "</informationafterdive></dive></repetitiongroup></profiledata></uddf>";
    const QByteArray external = R"(<?xml version="1.0"?><!DOCTYPE uddf [<!ENTITY x SYSTEM "file:///etc/passwd">]>)"
                                "<uddf><profiledata><repetitiongroup>" + dive.left(dive.size() - 30) +
                                "<informationafterdive><notes><para>&x;</para></notes></informationafterdive></dive>"
                                "</repetitiongroup></profiledata></uddf>";
    const QByteArray failing[] = {
        "", "not xml at all", "<html><body/></html>", "<uddf><profiledata><repetitiongroup>" + dive,  // breaks off
        laughs, QByteArray("<uddf>") + QByteArray("<a>").repeated(5000) + QByteArray("</a>").repeated(5000) + "</uddf>"};
    for (const QByteArray& f : failing) EXPECT_THROW(import_text(f), StreamReadError) << f.left(60).toStdString();

    const auto lb = import_text(external);
    ASSERT_EQ(lb->num_imm, 1u);
    EXPECT_EQ(lb->immersioni[0].commenti.find("root"), std::string::npos);

    // Many dives, and a dive of 100,000 waypoints: the profile keeps the first 2047.
    EXPECT_EQ(import_text("<uddf><profiledata><repetitiongroup>" + dive.repeated(20000) +
                          "</repetitiongroup></profiledata></uddf>")->num_imm, 20000u);
    QByteArray long_dive = "<uddf><profiledata><repetitiongroup><dive><informationbeforedive/><samples>";
    for (int t = 0; t < 100000; ++t) long_dive += "<waypoint><divetime>" + QByteArray::number(t) + "</divetime><depth>5</depth></waypoint>";
    long_dive += "</samples><informationafterdive/></dive></repetitiongroup></profiledata></uddf>";
    const auto long_lb = import_text(long_dive);
    ASSERT_EQ(long_lb->num_imm, 1u);
    EXPECT_EQ(samples_of(long_lb->immersioni[0]).size(), 2047u);
    EXPECT_EQ(std::tie(long_lb->immersioni[0].ora_dur, long_lb->immersioni[0].min_dur), std::tuple(27, 47)) << "every sample's time";
}
