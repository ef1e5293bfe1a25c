#include "framework/core/number_text.h"

#include "framework/core/errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim_leading(std::string_view s)
{
    while (!s.empty() && is_blank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view trim_trailing(std::string_view s)
{
    while (!s.empty() && is_blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Sign and digits only, nothing around them. A value beyond 32 bits comes back one past
// the nearest 32-bit bound, however many digits it has.
std::optional<std::int64_t> saturated_whole(std::string_view s)
{
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return std::nullopt;
    constexpr std::int64_t past = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
    std::int64_t value = 0;
    for (char c : s) {
        if (!is_digit(c))
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), past);
    }
    return negative ? -value : value;
}

std::optional<std::int32_t> strict_whole(std::string_view s)
{
    const auto value = saturated_whole(s);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() || *value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

} // namespace

std::string format_general(double value, char decimal_separator)
{
    if (value == 0.0)
        value = 0.0; // drops the sign of -0
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        if (c == '.')
            c = decimal_separator;
    return text;
}

std::optional<double> parse_number(std::string_view text, char decimal_separator)
{
    std::string_view s = trim_trailing(trim_leading(text));
    std::string plain;
    plain.reserve(s.size());
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            plain += '-';
        ++i;
    }
    bool digits = false;
    bool separator = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (is_digit(c)) {
            digits = true;
            plain += c;
        } else if (c == decimal_separator && !separator) {
            separator = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            plain += s[i++];
        const std::size_t exponent_start = i;
        while (i < s.size() && is_digit(s[i]))
            plain += s[i++];
        if (i == exponent_start)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    double value = 0.0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc{} || result.ptr != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> parse_whole(std::string_view text)
{
    return strict_whole(trim_trailing(trim_leading(text)));
}

std::optional<std::int32_t> parse_whole_clamped(std::string_view text)
{
    const auto value = saturated_whole(trim_trailing(trim_leading(text)));
    if (!value)
        return std::nullopt;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        *value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t to_integer(std::string_view text)
{
    if (const auto value = strict_whole(trim_leading(text)))
        return *value;
    throw InvalidInteger(std::string(text));
}

std::string unsigned_text(std::int32_t value)
{
    return std::to_string(static_cast<std::uint32_t>(value));
}

std::string truncate_text(std::string_view text, std::size_t n)
{
    return std::string(text.substr(0, n));
}
