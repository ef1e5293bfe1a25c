#include <gtest/gtest.h>

#include <limits>

#include "profile/profile_readout.h"

TEST(ProfileReadout, TextsAreCutAndSamplesWithinThePlot) {
    EXPECT_EQ(readout_time_text(1.0 / 3.0), "Tempo:0:20");       // 60.0024 s a minute
    EXPECT_EQ(readout_time_text(45 - 1e-5), "Tempo:44:59");     // but never a 60th second
    EXPECT_EQ(readout_time_text(1234.99), "Tempo:1234:5");      // 13 characters cut to 12
    EXPECT_EQ(readout_depth_text(5.3125, ','), "Prof:5,3125");  // 12 characters
    // Mouse and sample stay within the plot whatever the scale.
    DecodedProfile p{.depth = std::vector<double>(31), .flags = {}, .n = 30};
    for (std::size_t k = 1; k <= 30; ++k) p.depth[k] = k * 0.15625;
    const double x15 = 684.0 / 30 * 15;  // a 734-pixel graph
    // Mouse, width, scale; the marker, the sample and the texts.
    const std::tuple<int, int, double, int, std::size_t, const char*, const char*> cases[] = {
        {171, 734, x15, 171, 7, "Tempo:2:30", "Prof:1.0937"},   // a quarter; 1.09375 cut
        {700, 734, x15, 684, 30, "Tempo:10:0", "Prof:4.6875"},  // right of the frame: its edge, sample N
        {-40, 734, x15, 0, 0, "Tempo:0:0", "Prof:0"},           // a drag from the graph, left of it
        {300, 734, std::numeric_limits<double>::infinity(), 300, 0, "Tempo:0:0", "Prof:0"},
        {300, 734, std::numeric_limits<double>::quiet_NaN(), 300, 0, "Tempo:0:0", "Prof:0"},
        {600, 734, 1e-300, 600, 30, "Tempo:11:0", "Prof:4.6875"},  // a scale from a wider graph
        {20, 30, 5.0, 0, 0, "Tempo:0:0", "Prof:0"},                // a window narrower than the margin
    };
    for (const auto& [mouse, width, scale, x, sample, time, depth] : cases) {
        const ProfileReadout r = read_profile_at(mouse, width, scale, p, '.');
        EXPECT_EQ(std::tuple(r.x, r.sample, r.testo_tempo, r.testo_prof), std::tuple(x, sample, time, depth)) << mouse;
    }
    EXPECT_EQ(read_profile_at(300, 734, 0.0, DecodedProfile{}, '.').testo_prof, "Prof:0");
}
