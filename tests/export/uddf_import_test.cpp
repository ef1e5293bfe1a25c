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
        EXPECT_TRUE(g == e) << "dive " << i << ": " << g.commenti << "|" << g.compagni << "|" << g.posto << "|" << g.punto
                            << "|" << g.giorno << "/" << g.mese << "/" << g.anno << " " << g.ora_imm << ":" << g.min_imm
                            << " prof " << g.prof << " acqua " << g.t_acqua << " aria " << g.t_aria << " bar " << g.bar
                            << " muta " << g.muta << " meteo " << g.meteo << " alt " << g.alt << " lbomb " << g.lbomb
                            << " dur " << g.ora_dur << ":" << g.min_dur << " int " << g.ora_int << ":" << g.min_int
                            << " tipo " << g.tipo_bit << "/" << g.gas << " att " << g.att_bit1 << "/" << g.att_bit2
                            << " all " << g.allarmi_bit << " nimm " << g.nimm;
    }
}
