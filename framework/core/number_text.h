#pragma once

// Number texts as the program shows and reads them. Locale-free: the caller passes
// the decimal separator (the user's, from the platform layer).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// General floating format, up to 15 significant digits, shortest form
// (12.5 -> "12,5" with ',', 15.0 -> "15"). Like "%.15g": exponent form
// ("1e-05", "1.23456789012346e+17") below 1e-4 and from 1e15 on. -0 shows as "0".
std::string format_general(double value, char decimal_separator);

// Reads a decimal number written with the given separator: optional blanks around it,
// optional sign, digits with at most one separator, optional exponent. Anything else,
// including a '.' when the separator is ',', is no number.
std::optional<double> parse_number(std::string_view text, char decimal_separator);

// A whole number with optional blanks around it and an optional sign; no number when
// anything else is there or it does not fit in 32 bits.
std::optional<std::int32_t> parse_whole(std::string_view text);

// The same, except that a whole number beyond 32 bits, however long, reads as the nearest
// 32-bit bound: it is a number out of range, not a text that is no number.
std::optional<std::int32_t> parse_whole_clamped(std::string_view text);

// The standard whole-number conversion: leading blanks accepted; trailing blanks, other
// characters, empty text and values outside 32 bits throw InvalidInteger.
std::int32_t to_integer(std::string_view text);

// Dive numbers and counts are shown as unsigned numbers.
std::string unsigned_text(std::int32_t value);

// The first n characters of a formatted text: cut, never rounded.
std::string truncate_text(std::string_view text, std::size_t n);
