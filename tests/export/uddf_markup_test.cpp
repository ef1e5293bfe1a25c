#include "export/uddf_markup.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>

// Depths are written from integers, not by the general shortest form: every depth a
// sample can hold must still come out as that form's text, and read back exactly.
TEST(UddfMarkup, EveryDepthStepIsWrittenInItsShortestForm) {
    constexpr std::size_t steps = 1024;  // ten bits of depth
    DecodedProfile profilo;
    profilo.n = steps;
    profilo.depth.assign(steps + 1, 0.0);
    profilo.flags.assign(steps + 1, 0);
    for (std::size_t s = 0; s < steps; ++s) profilo.depth[s + 1] = sample_depth(uint8_t(s >> 2), uint8_t((s & 3) << 6));

    std::string markup;
    uddf::campioni(markup, profilo);
    std::size_t at = 0;
    for (std::size_t k = 0; k <= steps; ++k) {
        at = markup.find("<depth>", at) + 7;
        const std::string testo = markup.substr(at, markup.find('<', at) - at);
        char atteso[32];
        const std::string_view shortest(atteso, std::to_chars(atteso, atteso + 32, profilo.depth[k]).ptr);
        ASSERT_EQ(testo, shortest) << "sample " << k;
        ASSERT_EQ(std::strtod(testo.c_str(), nullptr), profilo.depth[k]);
    }
    // Times are whole seconds, never in exponent form.
    EXPECT_NE(markup.find("<divetime>20480</divetime></waypoint></samples>"), std::string::npos);
}
