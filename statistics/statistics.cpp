#include "statistics/statistics.h"

#include <algorithm>
#include <cmath>

namespace {

// The flag rows each test one bit of one byte of the dive. The loop over the dives
// only counts how often each value of those bytes occurs; the rows add up their bit
// from those counts afterwards, so a dive costs a few increments whatever its flags.
enum FlagByte : std::size_t { tipo_byte, gas_byte, att1_byte, att2_byte, flag_byte_count };

struct FlagRow {
    Category category;
    FlagByte byte;
    unsigned bit;
};

constexpr FlagRow flag_rows[] = {
    {Category::scr, gas_byte, 0x02},
    {Category::nitrox, gas_byte, 0x01},
    {Category::within_curve, tipo_byte, 0x04},
    {Category::decompression, tipo_byte, 0x08},
    {Category::multiple_ascents, tipo_byte, 0x20},
    {Category::single_ascent, tipo_byte, 0x10},
    {Category::fresh_water, tipo_byte, 0x40},
    {Category::sea_water, tipo_byte, 0x80},
    {Category::observation, att1_byte, 0x01},
    {Category::group, att1_byte, 0x02},
    {Category::course, att1_byte, 0x04},
    {Category::training, att1_byte, 0x08},
    {Category::night, att1_byte, 0x10},
    {Category::cave, att1_byte, 0x20},
    {Category::under_ice, att1_byte, 0x40},
    {Category::search, att1_byte, 0x80},
    {Category::wreck, att2_byte, 0x01},
    {Category::river, att2_byte, 0x02},
    {Category::current, att2_byte, 0x04},
    {Category::photo_video, att2_byte, 0x08},
    {Category::other, att2_byte, 0x10},
};

constexpr std::size_t depth_class_count = 6;

// The classes are exclusive and cover every depth: 10.0 m still belongs to the first,
// 20.0, 30.0, 40.0 and 50.0 m to the class they open. A depth that is no number fails
// every comparison and so lands in "0..10 mt", beside the dives without a depth.
std::size_t depth_class(double prof) {
    return std::size_t(prof > 10.0) + std::size_t(prof >= 20.0) + std::size_t(prof >= 30.0) +
           std::size_t(prof >= 40.0) + std::size_t(prof >= 50.0);
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
        total_minutes_ += double(d.ora_dur) * 60.0 + double(d.min_dur);
        multiple_ += uint64_t(d.ora_int != 0 || d.min_int != 0);
        ++depth_[depth_class(d.prof)];
        ++values_[tipo_byte][uint8_t(d.tipo_bit)];
        ++values_[gas_byte][uint8_t(d.gas)];
        ++values_[att1_byte][uint8_t(d.att_bit1)];
        ++values_[att2_byte][uint8_t(d.att_bit2)];
    }

    Statistics result(uint32_t logbook_size) const {
        Statistics s;
        s.counted = counted_;
        s.counted_share = percent(counted_, logbook_size, false);
        s.count[std::size_t(Category::multiple_dives)] = multiple_;
        for (std::size_t k = 0; k < depth_class_count; ++k) s.count[std::size_t(Category::depth_0_10) + k] = depth_[k];
        for (const FlagRow& row : flag_rows) {
            uint64_t with_bit = 0;
            for (unsigned value = 0; value < 256; ++value)
                if (value & row.bit) with_bit += values_[row.byte][value];
            s.count[std::size_t(row.category)] = with_bit;
        }
        for (std::size_t c = 0; c < category_count; ++c)
            s.share[c] = percent(s.count[c], counted_, rounds_up(Category(c)));
        s.total_time = split(whole_minutes(total_minutes_));
        if (counted_ > 0) s.mean_time = split(whole_minutes(total_minutes_ / counted_));
        return s;
    }

private:
    uint32_t counted_ = 0;
    double total_minutes_ = 0;
    uint64_t multiple_ = 0;
    std::array<uint64_t, depth_class_count> depth_{};
    std::array<std::array<uint64_t, 256>, flag_byte_count> values_{};
};

}  // namespace

bool rounds_up(Category c) {
    return c == Category::depth_10_20 || c == Category::within_curve || c == Category::observation;
}

Statistics count_statistics(const Clogbook& logbook) {
    Tally tally;
    for (const Timmersione& d : logbook.immersioni) tally.add(d);
    return tally.result(logbook.num_imm);
}

Statistics count_statistics(const Clogbook& logbook, const std::vector<bool>& selected) {
    Tally tally;
    const std::size_t n = std::min(logbook.immersioni.size(), selected.size());
    for (std::size_t i = 0; i < n; ++i)
        if (selected[i]) tally.add(logbook.immersioni[i]);
    return tally.result(logbook.num_imm);
}
