#include <gtest/gtest.h>

#include <limits>

#include "profile/graph_panels.h"
#include "profile/profile_readout.h"

namespace {

DecodedProfile profile_of(std::size_t n) {
    DecodedProfile p;
    p.n = n;
    p.depth.assign(n + 1, 0.0);
    p.flags.assign(n + 1, 0);
    for (std::size_t k = 1; k <= n; ++k) p.depth[k] = k * 0.15625;
    return p;
}

}  // namespace

TEST(ProfileReadout, MinutesAndSecondsAreCutNotRounded) {
    EXPECT_EQ(readout_time_text(0.0), "Tempo:0:0");
    EXPECT_EQ(readout_time_text(2.5), "Tempo:2:30");
    EXPECT_EQ(readout_time_text(1.0 / 3.0), "Tempo:0:20");  // a minute is 60.0024 seconds
    EXPECT_EQ(readout_time_text(12.05), "Tempo:12:3");
    EXPECT_EQ(readout_time_text(0.999), "Tempo:0:59");
    EXPECT_EQ(readout_time_text(1234.99), "Tempo:1234:5");  // 13 characters cut to 12
}

TEST(ProfileReadout, DepthTextCutToElevenCharacters) {
    EXPECT_EQ(readout_depth_text(12.65625, '.'), "Prof:12.656");
    EXPECT_EQ(readout_depth_text(5.3125, '.'), "Prof:5.3125");
    EXPECT_EQ(readout_depth_text(5.3125, ','), "Prof:5,3125");
    EXPECT_EQ(readout_depth_text(0.0, '.'), "Prof:0");
}

TEST(ProfileReadout, MouseIsKeptWithinThePlot) {
    const DecodedProfile p = profile_of(30);
    const double x15 = 684.0 / 30 * 15;  // a 734-pixel graph

    const ProfileReadout start = read_profile_at(0, 734, x15, p, '.');
    EXPECT_EQ(start.x, 0);
    EXPECT_EQ(start.testo_tempo, "Tempo:0:0");
    EXPECT_EQ(start.testo_prof, "Prof:0");

    const ProfileReadout mid = read_profile_at(171, 734, x15, p, '.');  // a quarter: 2.5 minutes
    EXPECT_EQ(mid.testo_tempo, "Tempo:2:30");
    EXPECT_EQ(mid.sample, 7u);
    EXPECT_EQ(mid.testo_prof, "Prof:1.0937");  // 1.09375 cut

    // Right of the frame reads its edge: sample N, which the curve never reaches.
    for (const int x : {684, 700, 5000}) {
        const ProfileReadout edge = read_profile_at(x, 734, x15, p, '.');
        EXPECT_EQ(edge.x, 684);
        EXPECT_EQ(edge.sample, 30u);
        EXPECT_EQ(edge.testo_tempo, "Tempo:10:0");
        EXPECT_EQ(edge.testo_prof, "Prof:4.6875");
    }
    // A drag that started on the graph reads left of it as its start.
    const ProfileReadout left = read_profile_at(-40, 734, x15, p, '.');
    EXPECT_EQ(left.x, 0);
    EXPECT_EQ(left.sample, 0u);
}

TEST(ProfileReadout, SampleStaysInTheTableWhateverTheScale) {
    const DecodedProfile p = profile_of(30);
    // No sample, no paint yet, or a scale from a wider graph than the one given.
    EXPECT_EQ(read_profile_at(300, 734, 0.0, DecodedProfile{}, '.').testo_prof, "Prof:0");
    EXPECT_EQ(read_profile_at(300, 734, std::numeric_limits<double>::infinity(), p, '.').testo_tempo, "Tempo:0:0");
    EXPECT_EQ(read_profile_at(300, 734, std::numeric_limits<double>::quiet_NaN(), p, '.').sample, 0u);
    const ProfileReadout stale = read_profile_at(600, 734, 1e-300, p, '.');
    EXPECT_EQ(stale.sample, 30u);
    EXPECT_EQ(stale.testo_tempo.substr(0, 6), "Tempo:");
    // A window narrower than the frame's margin.
    EXPECT_EQ(read_profile_at(20, 30, 5.0, p, '.').x, 0);
}

TEST(GraphPanels, LabelsAndValuesWithoutSeparator) {
    GraphPanelValues v{.testo_tempo = "Tempo:2:30", .testo_prof = "Prof:12.656", .prof = 18.5,
                       .testo_media = "12.3", .testo_consumo = "18", .nimm = 12};
    const auto panels = graph_panel_texts(v, ',');
    EXPECT_EQ(panels[0], "Tempo:2:30");
    EXPECT_EQ(panels[1], "Prof:12.656");
    EXPECT_EQ(panels[2], "Prof.Max:18,5");  // not cut
    EXPECT_EQ(panels[3], "Prof.Media:12.3");
    EXPECT_EQ(panels[4], "Consumo Aria: 18");
    EXPECT_EQ(panels[5], "Imm.n\xB0:12");
    v.nimm = -1;
    EXPECT_EQ(graph_panel_texts(v, '.')[5], "Imm.n\xB0:4294967295");
}
