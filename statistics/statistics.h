#pragma once

// The figures of the statistics window, counted over the whole logbook or over the
// dives selected in the list.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "logbook/Clogbook.h"

// The rows below the first one, in the order the window lists them.
enum class Category : std::size_t {
    multiple_dives,
    depth_0_10,
    depth_10_20,
    depth_20_30,
    depth_30_40,
    depth_40_50,
    depth_over_50,
    scr,
    nitrox,
    within_curve,
    decompression,
    multiple_ascents,
    single_ascent,
    fresh_water,
    sea_water,
    observation,
    group,
    course,
    training,
    night,
    cave,
    under_ice,
    search,
    wreck,
    river,
    current,
    photo_video,
    other,
};
inline constexpr std::size_t category_count = std::size_t(Category::other) + 1;

// Most shares are rounded down; these three rows round up.
bool rounds_up(Category c);

struct HoursMinutes {
    int64_t hours = 0;
    int64_t minutes = 0;
};

struct Statistics {
    uint32_t counted = 0;         // N, the dives counted
    uint32_t counted_share = 0;   // N against the whole logbook, percent rounded down
    std::array<uint64_t, category_count> count{};
    std::array<uint32_t, category_count> share{};  // percent of N, rounded per row
    HoursMinutes total_time;
    HoursMinutes mean_time;  // cut to whole minutes, never rounded

    uint64_t count_of(Category c) const { return count[std::size_t(c)]; }
    uint32_t share_of(Category c) const { return share[std::size_t(c)]; }
};

// Every dive of the logbook counts.
Statistics count_statistics(const Clogbook& logbook);
// The dive at position i counts when selected[i] is true; positions past the end of
// `selected` do not count.
Statistics count_statistics(const Clogbook& logbook, const std::vector<bool>& selected);
