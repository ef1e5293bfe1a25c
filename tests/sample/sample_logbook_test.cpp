// The sample logbook that ships with Quorvel reads back as a logbook a diver would
// keep: dated, placed and numbered dives in the list's order, profiles that decode
// over the whole dive down to its maximum depth, one dive typed by hand.

#include <gtest/gtest.h>

#include <algorithm>

#include "logbook/Clogbook.h"
#include "logbook/count_peek.h"
#include "profile/profile_decoder.h"

namespace {

bool has_accented_letter(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xC0; });
}

}  // namespace

TEST(SampleLogbook, ReadsBackWithItsDivesAndProfiles) {
    const std::filesystem::path file = QUORVEL_SAMPLE_LOGBOOK;
    Clogbook log(peek_native_count(file));
    log.Leggi(file);
    ASSERT_GE(log.num_imm, 6u);

    unsigned with_profile = 0;
    bool accents = false;
    DecodedProfile profile;
    for (uint32_t i = 0; i < log.num_imm; ++i) {
        const Timmersione& d = log.immersioni[i];
        SCOPED_TRACE(d.punto);
        EXPECT_EQ(d.nimm, int32_t(i + 1));
        EXPECT_FALSE(d.posto.empty());
        EXPECT_GT(d.anno, 2000);
        EXPECT_GT(d.prof, 10.0);
        const int minutes = d.ora_dur * 60 + d.min_dur;
        EXPECT_GT(minutes, 20);
        accents = accents || has_accented_letter(d.compagni) || has_accented_letter(d.commenti);
        if (d.lung_profilo == 0) continue;
        ++with_profile;
        EXPECT_EQ(std::count(d.profilo.begin(), d.profilo.end(), '\0'), 0);
        decode_profile(d, profile);
        EXPECT_EQ(profile.n, std::size_t(minutes) * 3) << "one sample every 20 seconds";
        const double deepest = *std::max_element(profile.depth.begin() + 1, profile.depth.begin() + profile.n + 1);
        EXPECT_NEAR(deepest, d.prof, 0.16);
    }
    EXPECT_GE(with_profile, 5u);
    EXPECT_LT(with_profile, log.num_imm);
    EXPECT_TRUE(accents);

    // Already in date order: the list's sort on focus leaves every dive in place.
    Clogbook sorted(log);
    sorted.Ordina();
    for (uint32_t i = 0; i < log.num_imm; ++i) EXPECT_EQ(sorted.immersioni[i], log.immersioni[i]) << i;

    const auto deepest = std::max_element(log.immersioni.begin(), log.immersioni.end(),
                                          [](const auto& a, const auto& b) { return a.prof < b.prof; });
    EXPECT_EQ(Clogbook::Testo_Allarmi(deepest->allarmi_bit, deepest->allarmi_alto), "Risalita, Decompressione, ");
    EXPECT_TRUE(std::any_of(log.immersioni.begin(), log.immersioni.end(), [](const Timmersione& d) {
        return Clogbook::Testo_Attivita(d.att_bit1, d.att_bit2).find("Notturna") != std::string::npos;
    }));
}
