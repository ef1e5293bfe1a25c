#include "statistics/statistics.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// The flags are counted in byte lanes: spread_table[v] has bit b of the byte v in byte b
// of a 64-bit word, so that one addition counts eight flags of a dive at once and a
// dive costs a few additions whatever its flags. A lane holds 255, so the dives are
// taken in runs of 255 and the lanes emptied into the counts after each run. The
// minutes of a run are summed as whole numbers, which cost less than doubles.
constexpr std::size_t lane_capacity = 255;

constexpr std::array<uint64_t, 256> spread_table = [] {
    std::array<uint64_t, 256> t{};
    for (unsigned v = 0; v < 256; ++v)
        for (unsigned b = 0; b < 8; ++b)
            if (v & (1u << b)) t[v] |= uint64_t(1) << (8 * b);
    return t;
}();

// The four words of lanes: tipo_bit; att_bit1; att_bit2 with gas and the repeat dive
// above it; the depth class.
enum Word : std::size_t { tipo_word, att1_word, misc_word, depth_word, word_count };
constexpr unsigned gas_shift = 5;
constexpr unsigned multiple_bit = 0x80;

struct LaneRow {
    Category category;
    Word word;
    unsigned bit;
};

constexpr LaneRow lane_rows[] = {
    {Category::multiple_dives, misc_word, multiple_bit},
    {Category::depth_0_10, depth_word, 0x01},
    {Category::depth_10_20, depth_word, 0x02},
    {Category::depth_20_30, depth_word, 0x04},
    {Category::depth_30_40, depth_word, 0x08},
    {Category::depth_40_50, depth_word, 0x10},
    {Category::depth_over_50, depth_word, 0x20},
    {Category::scr, misc_word, 0x02 << gas_shift},
    {Category::nitrox, misc_word, 0x01 << gas_shift},
    {Category::within_curve, tipo_word, 0x04},
    {Category::decompression, tipo_word, 0x08},
    {Category::multiple_ascents, tipo_word, 0x20},
    {Category::single_ascent, tipo_word, 0x10},
    {Category::fresh_water, tipo_word, 0x40},
    {Category::sea_water, tipo_word, 0x80},
    {Category::observation, att1_word, 0x01},
    {Category::group, att1_word, 0x02},
    {Category::course, att1_word, 0x04},
    {Category::training, att1_word, 0x08},
    {Category::night, att1_word, 0x10},
    {Category::cave, att1_word, 0x20},
    {Category::under_ice, att1_word, 0x40},
    {Category::search, att1_word, 0x80},
    {Category::wreck, misc_word, 0x01},
    {Category::river, misc_word, 0x02},
    {Category::current, misc_word, 0x04},
    {Category::photo_video, misc_word, 0x08},
    {Category::other, misc_word, 0x10},
};
static_assert(std::size(lane_rows) == category_count);

// The classes are exclusive and cover every depth: 10.0 m still belongs to the first,
// 20.0, 30.0, 40.0 and 50.0 m to the class they open. A depth that is no number fails
// every comparison and so lands in "0..10 mt", beside the dives without a depth.
unsigned depth_class(double prof) {
    return unsigned(prof > 10.0) + unsigned(prof >= 20.0) + unsigned(prof >= 30.0) + unsigned(prof >= 40.0) +
           unsigned(prof >= 50.0);
}

// count × 100 / whole, exact, then to a whole percent; nothing counted is 0 %.
uint32_t percent(uint64_t count, uint64_t whole, bool up) {
    if (whole == 0) return 0;
    const uint64_t scaled = count * 100;
    return uint32_t(up ? (scaled + whole - 1) / whole : scaled / whole);
}

// Cut toward zero. Only a file of absurd durations reaches past 64 bits; it stops at
// the bound instead of overflowing.
int64_t whole_minutes(double minutes) {
    constexpr double bound = 9.2e18;
    if (std::isnan(minutes)) return 0;
    return int64_t(std::clamp(minutes, -bound, bound));
}

HoursMinutes split(int64_t minutes) { return {minutes / 60, minutes % 60}; }

class Tally {
public:
    void add(const Timmersione& d) {
        ++counted_;
        // Exact in 64 bits over a run: 255 dives of the largest durations stay far below 2^53.
        run_minutes_ += int64_t(d.ora_dur) * 60 + d.min_dur;
        const bool multiple = d.ora_int != 0 || d.min_int != 0;
        lanes_[tipo_word] += spread_table[uint8_t(d.tipo_bit)];
        lanes_[att1_word] += spread_table[uint8_t(d.att_bit1)];
        lanes_[misc_word] += spread_table[(uint8_t(d.att_bit2) & 0x1F) | (uint8_t(d.gas) & 0x03) << gas_shift |
                                          (multiple ? multiple_bit : 0)];
        lanes_[depth_word] += uint64_t(1) << (8 * depth_class(d.prof));
    }

    // After at most lane_capacity calls of add.
    void empty_lanes() {
        for (const LaneRow& row : lane_rows)
            count_[std::size_t(row.category)] += (lanes_[row.word] >> (8 * std::countr_zero(row.bit))) & 0xFF;
        lanes_ = {};
        total_minutes_ += double(run_minutes_);
        run_minutes_ = 0;
    }

    Statistics result(uint32_t logbook_size) const {
        Statistics s;
        s.counted = counted_;
        s.counted_share = percent(counted_, logbook_size, false);
        s.count = count_;
        for (std::size_t c = 0; c < category_count; ++c)
            s.share[c] = percent(count_[c], counted_, rounds_up(Category(c)));
        s.total_time = split(whole_minutes(total_minutes_));
        if (counted_ > 0) s.mean_time = split(whole_minutes(total_minutes_ / counted_));
        return s;
    }

private:
    uint32_t counted_ = 0;
    double total_minutes_ = 0;
    int64_t run_minutes_ = 0;
    std::array<uint64_t, word_count> lanes_{};
    std::array<uint64_t, category_count> count_{};
};

// Counts the dives at the positions for which counts(i) holds.
template <class Counts>
Statistics count_where(const Clogbook& logbook, std::size_t positions, Counts counts) {
    Tally tally;
    for (std::size_t start = 0; start < positions; start += lane_capacity) {
        const std::size_t end = std::min(positions, start + lane_capacity);
        for (std::size_t i = start; i < end; ++i)
            if (counts(i)) tally.add(logbook.immersioni[i]);
        tally.empty_lanes();
    }
    return tally.result(logbook.num_imm);
}

}  // namespace

bool rounds_up(Category c) {
    return c == Category::depth_10_20 || c == Category::within_curve || c == Category::observation;
}

Statistics count_statistics(const Clogbook& logbook) {
    return count_where(logbook, logbook.immersioni.size(), [](std::size_t) { return true; });
}

Statistics count_statistics(const Clogbook& logbook, const std::vector<bool>& selected) {
    return count_where(logbook, std::min(logbook.immersioni.size(), selected.size()),
                       [&](std::size_t i) { return bool(selected[i]); });
}
