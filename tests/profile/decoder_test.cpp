#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "profile/profile_decoder.h"
#include "support/profile_bytes.h"

namespace {

constexpr double step = 0.15625;

// The profile is `header` bytes of 0x11, then `body`; a `length` of 0 counts them all.
// Decoded into the tables of `p`, as the window reuses them from dive to dive.
DecodedProfile decoded(int32_t computer, std::size_t header, const std::string& body, uint32_t length = 0,
                       DecodedProfile p = {}) {
    Timmersione dive;
    dive.computer = computer;
    dive.profilo = std::string(header, '\x11') + body;
    dive.lung_profilo = length ? length : static_cast<uint32_t>(dive.profilo.size());
    decode_profile(dive, p);
    return p;
}

// Groups whose samples each read 4 steps deeper than the last.
std::string rising_groups(std::size_t groups, std::size_t group_length = 7) {
    std::vector<ProfileSample> samples(groups * 3);
    for (std::size_t k = 0; k < samples.size(); ++k) samples[k].depth = double(k + 1) * 4 * step;
    return profile_bytes(samples, 0, group_length);
}

}  // namespace

TEST(ProfileDecoder, HeaderGroupAndFinalShortGroupFollowTheModel) {
    const std::tuple<int32_t, std::size_t, std::size_t> models[] = {{30, 22, 7}, {164, 25, 8}, {244, 24, 7}, {255, 24, 7}};
    for (const auto& [computer, header, group] : models) {
        const DecodedProfile p = decoded(computer, header, rising_groups(2, group));
        ASSERT_EQ(p.n, 6u) << computer;
        for (std::size_t k = 1; k <= 6; ++k) EXPECT_DOUBLE_EQ(p.depth[k], k * 4 * step) << computer;
    }
    // A final short group yields the whole byte pairs among its first six bytes.
    EXPECT_EQ(decoded(30, 22, rising_groups(10) + "\x01\x02\x03").n, 31u);
    EXPECT_EQ(decoded(30, 22, rising_groups(10) + "\x01\x02\x03\x04\x05\x06").n, 33u);
    EXPECT_EQ(decoded(30, 21, "").n, 0u);
    EXPECT_EQ(decoded(30, 22, rising_groups(1), 100000).n, 3u);  // a length beyond the bytes
}

TEST(ProfileDecoder, DepthBitsFlagsStoredZerosAndTheSumInReusedTables) {
    const std::string bytes("\x50\xC5\xFF\xFF\x00\x40\x00" "\x28\x00\x28\x00", 11);
    const DecodedProfile p = decoded(30, 22, bytes, 0, decoded(30, 22, rising_groups(20)));
    EXPECT_EQ(p.depth, (std::vector<double>{0.0, 50.46875, 0.0, step, 25.0, 25.0}));  // 0xFF is a stored zero
    EXPECT_EQ(p.flags, (std::vector<uint8_t>{0, 0xC5, 0, 0x40, 0, 0}));
    EXPECT_DOUBLE_EQ(p.sum, 50.46875 + step + 50.0);
}

TEST(ProfileTexts, MeanDepthAndConsumptionAreCutNotRounded) {
    // Litres, bar, minutes, samples and their sum; the mean depth and consumption texts.
    const std::tuple<int32_t, double, int32_t, std::size_t, double, const char*, const char*> cases[] = {
        {10, 100.0, 10, 2, 2 * 12.3456, "12,3", "44,7"},  // 44.84 from "12.3"
        {12, 0.0, 50, 2, 20.0, "10", "0"}, {12, 150.0, 0, 3, 30.0, "10", "0"}, {12, 150.0, 40, 0, 0.0, "0", "0"},
        {12, std::numeric_limits<double>::infinity(), 40, 3, 30.0, "10", "0"}, {12, std::nan(""), 40, 3, 30.0, "10", "0"},
        {-1, 1.0, 40, 3, 30.0, "10", "5368"},  // litres are unsigned: 4294967295 / 40 / 2
    };
    for (const auto& [litres, bar, minutes, n, sum, mean, consumption] : cases) {
        Timmersione dive;
        std::tie(dive.lbomb, dive.min_dur, dive.bar) = std::tuple(litres, minutes, bar);
        const DecodedProfile p{{}, {}, n, sum};
        EXPECT_EQ(mean_depth_text(p, ',') + " " + consumption_text(dive, p, ','), std::string(mean) + " " + consumption)
            << litres << " l, " << bar << " bar, " << minutes << " min, " << n;
    }
}
