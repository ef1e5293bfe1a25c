#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "profile/profile_decoder.h"

namespace {

// A dive whose profile is `header` bytes of 0x11 followed by `body`.
Timmersione dive_with_profile(int32_t computer, std::size_t header, const std::string& body) {
    Timmersione dive;
    dive.computer = computer;
    dive.profilo = std::string(header, '\x11') + body;
    dive.lung_profilo = static_cast<uint32_t>(dive.profilo.size());
    return dive;
}

// Groups of 7 bytes whose samples all read one metre step deeper than the last.
std::string rising_groups(std::size_t groups, std::size_t group_length = 7) {
    std::string body;
    int step = 0;
    for (std::size_t g = 0; g < groups; ++g) {
        for (int s = 0; s < 3; ++s) {
            ++step;
            body += static_cast<char>(step);
            body += '\x00';
        }
        body.append(group_length - 6, '\x33');
    }
    return body;
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

TEST(ProfileTexts, ConsumptionAtTheSurface) {
    Timmersione dive;
    dive.lbomb = 12;
    dive.bar = 150.0;
    dive.min_dur = 50;
    DecodedProfile p;
    p.n = 2;
    p.sum = 20.0;  // mean 10 m, two atmospheres
    EXPECT_EQ(consumption_text(dive, p, '.'), "18");

    p.sum = 2 * 12.3456;  // the mean at full precision, not its cut text
    EXPECT_EQ(consumption_text(dive, p, '.'), "16.1");  // 36 / 2.23456 = 16.11...

    dive.bar = 0.0;
    EXPECT_EQ(consumption_text(dive, p, '.'), "0");
}

TEST(ProfileTexts, ConsumptionThatCannotBeComputedIsZero) {
    Timmersione dive;
    dive.lbomb = 12;
    dive.bar = 150.0;
    DecodedProfile p;
    p.n = 3;
    p.sum = 30;
    EXPECT_EQ(consumption_text(dive, p, '.'), "0");  // no minutes
    dive.min_dur = 40;
    p.n = 0;
    p.sum = 0;
    EXPECT_EQ(consumption_text(dive, p, '.'), "0");  // no sample
    p.n = 3;
    p.sum = 30;
    dive.bar = std::numeric_limits<double>::infinity();
    EXPECT_EQ(consumption_text(dive, p, '.'), "0");
    dive.bar = std::nan("");
    EXPECT_EQ(consumption_text(dive, p, '.'), "0");
    // Minutes and litres are unsigned: -1 litre is a very large tank, not a negative one.
    dive.bar = 1.0;
    dive.lbomb = -1;
    EXPECT_EQ(consumption_text(dive, p, '.'), "5368");  // 4294967295 / 40 / 2
}
