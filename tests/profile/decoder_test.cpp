#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "profile/profile_decoder.h"
#include "support/profile_bytes.h"

namespace {

// A dive whose profile is `header` bytes of 0x11 followed by `body`.
Timmersione dive_with_profile(int32_t computer, std::size_t header, const std::string& body) {
    Timmersione dive;
    dive.computer = computer;
    dive.profilo = std::string(header, '\x11') + body;
    dive.lung_profilo = static_cast<uint32_t>(dive.profilo.size());
    return dive;
}

// Groups of `group_length` bytes whose samples each read 0.625 m deeper than the last.
std::string rising_groups(std::size_t groups, std::size_t group_length = 7) {
    std::vector<ProfileSample> samples(groups * 3);
    for (std::size_t k = 0; k < samples.size(); ++k) samples[k].depth = double(k + 1) * 4 * 0.15625;
    return profile_bytes(samples, 0, group_length);
}

DecodedProfile decoded(const Timmersione& dive) {
    DecodedProfile profile;
    decode_profile(dive, profile);
    return profile;
}

}  // namespace

TEST(ProfileDecoder, FinalShortGroupYieldsItsWholePairs) {
    const std::string ten_groups = rising_groups(10);
    EXPECT_EQ(decoded(dive_with_profile(30, 22, ten_groups)).n, 30u);
    EXPECT_EQ(decoded(dive_with_profile(30, 22, ten_groups + "\x01\x02")).n, 31u);
    EXPECT_EQ(decoded(dive_with_profile(30, 22, ten_groups + "\x01\x02\x03")).n, 31u);
    EXPECT_EQ(decoded(dive_with_profile(30, 22, ten_groups + "\x01\x02\x03\x04")).n, 32u);
    EXPECT_EQ(decoded(dive_with_profile(30, 22, ten_groups + "\x01\x02\x03\x04\x05\x06")).n, 33u);

    // The two samples of a 4-byte tail are each counted once in the sum.
    const DecodedProfile p = decoded(dive_with_profile(30, 22, ten_groups + std::string("\x28\x00\x28\x00", 4)));
    EXPECT_DOUBLE_EQ(p.depth[31], 40 * 4 * 0.15625);
    EXPECT_DOUBLE_EQ(p.depth[32], 40 * 4 * 0.15625);
    double sum = 0;
    for (std::size_t k = 1; k <= p.n; ++k) sum += p.depth[k];
    EXPECT_DOUBLE_EQ(p.sum, sum);
}

TEST(ProfileDecoder, HeaderAndGroupLengthFollowTheModel) {
    // Model 164: 25 header bytes, 8-byte groups; the second group's first sample is at 33.
    const DecodedProfile o2 = decoded(dive_with_profile(164, 25, rising_groups(2, 8)));
    ASSERT_EQ(o2.n, 6u);
    for (std::size_t k = 1; k <= 6; ++k) EXPECT_DOUBLE_EQ(o2.depth[k], k * 4 * 0.15625) << k;

    for (int32_t nitrox : {244, 255}) {
        const DecodedProfile p = decoded(dive_with_profile(nitrox, 24, rising_groups(1)));
        ASSERT_EQ(p.n, 3u) << nitrox;
        EXPECT_DOUBLE_EQ(p.depth[1], 4 * 0.15625) << nitrox;
    }
    // With a 22-byte header the same bytes would put the header's 0x11 into sample 1.
    EXPECT_DOUBLE_EQ(decoded(dive_with_profile(30, 24, rising_groups(1))).depth[1], 0x11 * 4 * 0.15625);
    EXPECT_EQ(decoded(dive_with_profile(30, 22, "")).n, 0u);
    EXPECT_EQ(decoded(dive_with_profile(30, 21, "")).n, 0u);
}

TEST(ProfileDecoder, DepthBitsFlagsAndStoredZeros) {
    const DecodedProfile p = decoded(dive_with_profile(30, 22, std::string("\x50\xC5\xFF\xFF\x00\x40\x00", 7)));
    ASSERT_EQ(p.n, 3u);
    EXPECT_DOUBLE_EQ(p.depth[0], 0.0);
    EXPECT_EQ(p.flags[0], 0);
    EXPECT_DOUBLE_EQ(p.depth[1], 50.46875);
    EXPECT_EQ(p.flags[1], 0xC5);
    EXPECT_DOUBLE_EQ(p.depth[2], 0.0);  // 0xFF is a stored zero
    EXPECT_EQ(p.flags[2], 0);
    EXPECT_DOUBLE_EQ(p.depth[3], 0.15625);
    EXPECT_DOUBLE_EQ(sample_depth(0xFF, 0xFF), 0.0);
    EXPECT_DOUBLE_EQ(sample_depth(0xFE, 0xC0), 1019 * 0.15625);
}

TEST(ProfileDecoder, LongProfilesKeepEverySampleAndTablesAreReused) {
    const std::size_t groups = 9400;  // 28,200 samples, a full DataTrak profile
    const Timmersione dive = dive_with_profile(30, 22, std::string(groups * 7, '\x02'));
    DecodedProfile p;
    decode_profile(dive, p);
    ASSERT_EQ(p.n, groups * 3);
    EXPECT_EQ(p.depth.size(), p.n + 1);
    EXPECT_DOUBLE_EQ(p.depth[p.n], 8 * 0.15625);

    const double* storage = p.depth.data();
    decode_profile(dive_with_profile(30, 22, rising_groups(3)), p);
    EXPECT_EQ(p.n, 9u);
    EXPECT_EQ(p.depth.data(), storage);
    EXPECT_DOUBLE_EQ(p.sum, 45 * 4 * 0.15625);
}

TEST(ProfileDecoder, LengthFieldBeyondTheBytesReadsOnlyTheBytes) {
    Timmersione dive = dive_with_profile(30, 22, rising_groups(1));
    dive.lung_profilo = 100000;
    EXPECT_EQ(decoded(dive).n, 3u);
}

TEST(ProfileTexts, MeanDepthIsCutNotRounded) {
    DecodedProfile p;
    p.n = 1;
    p.sum = 12.3456;
    EXPECT_EQ(mean_depth_text(p, '.'), "12.3");
    p.sum = 9.87654;
    EXPECT_EQ(mean_depth_text(p, '.'), "9.87");
    EXPECT_EQ(mean_depth_text(p, ','), "9,87");
    p.n = 0;
    p.sum = 0;
    EXPECT_EQ(mean_depth_text(p, '.'), "0");
}

TEST(ProfileTexts, ConsumptionAtTheSurfaceOrZeroWhenItCannotBeComputed) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        int32_t litres;
        double bar;
        int32_t minutes;
        std::size_t n;
        double sum;
        const char* text;
    };
    const Case cases[] = {
        {12, 150.0, 50, 2, 20.0, "18"},            // mean 10 m, two atmospheres
        {10, 100.0, 10, 2, 2 * 12.3456, "44.7"},   // the mean at full precision: 44.84 from its cut text
        {12, 0.0, 50, 2, 20.0, "0"},
        {12, 150.0, 0, 3, 30.0, "0"},              // no minutes
        {12, 150.0, 40, 0, 0.0, "0"},              // no sample
        {12, inf, 40, 3, 30.0, "0"},
        {12, std::nan(""), 40, 3, 30.0, "0"},
        {-1, 1.0, 40, 3, 30.0, "5368"},  // litres are unsigned: 4294967295 / 40 / 2
    };
    for (const Case& c : cases) {
        Timmersione dive;
        dive.lbomb = c.litres;
        dive.bar = c.bar;
        dive.min_dur = c.minutes;
        DecodedProfile p;
        p.n = c.n;
        p.sum = c.sum;
        EXPECT_EQ(consumption_text(dive, p, '.'), c.text) << c.litres << " l, " << c.bar << " bar, " << c.minutes;
    }
}
