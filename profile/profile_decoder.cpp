#include "profile/profile_decoder.h"

#include <algorithm>
#include <cmath>

#include "framework/core/number_text.h"

namespace {

constexpr std::size_t samples_per_group = 3;
constexpr double metres_per_step = 160.0 * 0.0009765625;

uint8_t read_byte(char stored) {
    const auto byte = static_cast<uint8_t>(stored);
    return byte == 0xFF ? 0 : byte;
}

}  // namespace

std::size_t profile_header_length(int32_t computer) {
    switch (computer) {
    case 164: return 25;
    case 244:
    case 255: return 24;
    default: return 22;
    }
}

std::size_t profile_group_length(int32_t computer) { return computer == 164 ? 8 : 7; }

std::size_t profile_sample_count(int32_t computer, std::size_t length) {
    const std::size_t header = profile_header_length(computer);
    if (length <= header) return 0;
    const std::size_t group = profile_group_length(computer);
    const std::size_t body = length - header;
    const std::size_t tail = body % group;
    return body / group * samples_per_group + std::min<std::size_t>(tail, 2 * samples_per_group) / 2;
}

double sample_depth(uint8_t high, uint8_t low_and_flags) {
    if (high == 0xFF) high = 0;
    if (low_and_flags == 0xFF) low_and_flags = 0;
    const unsigned steps = 4u * high + (low_and_flags >> 6);
    return steps * metres_per_step;
}

void decode_profile(const Timmersione& dive, DecodedProfile& out) {
    const std::size_t length = std::min<std::size_t>(dive.lung_profilo, dive.profilo.size());
    const std::size_t n = profile_sample_count(dive.computer, length);
    out.depth.assign(n + 1, 0.0);
    out.flags.assign(n + 1, 0);
    out.n = n;
    out.sum = 0;

    const std::size_t header = profile_header_length(dive.computer);
    const std::size_t group = profile_group_length(dive.computer);
    const char* bytes = dive.profilo.data();
    for (std::size_t k = 1; k <= n; ++k) {
        const std::size_t at = header + (k - 1) / samples_per_group * group + (k - 1) % samples_per_group * 2;
        const uint8_t low = read_byte(bytes[at + 1]);
        const double depth = sample_depth(read_byte(bytes[at]), low);
        out.depth[k] = depth;
        out.flags[k] = low;
        out.sum += depth;
    }
}

std::string mean_depth_text(const DecodedProfile& profile, char decimal_separator) {
    if (profile.n == 0) return "0";
    return truncate_text(format_general(profile.sum / profile.n, decimal_separator), 4);
}

std::string consumption_text(const Timmersione& dive, const DecodedProfile& profile,
                             char decimal_separator) {
    if (dive.bar == 0.0 || profile.n == 0) return "0";
    const auto litres = static_cast<uint32_t>(dive.lbomb);
    const uint32_t minutes = static_cast<uint32_t>(dive.ora_dur) * 60u + static_cast<uint32_t>(dive.min_dur);
    if (minutes == 0) return "0";
    const double mean = profile.sum / profile.n;
    const double litres_a_minute = litres * dive.bar / minutes / (0.1 * mean + 1.0);
    if (!std::isfinite(litres_a_minute)) return "0";
    return truncate_text(format_general(litres_a_minute, decimal_separator), 4);
}
