#pragma once

// Bounded little-endian reading over bytes held in memory. Every read checks the
// bytes that remain first, so a damaged file can never be read past its end.

#include <bit>
#include <cstdint>
#include <string_view>

#include "framework/core/errors.h"
#include "logbook/little_endian.h"

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : data_(bytes) {}

    size_t remaining() const { return data_.size() - pos_; }
    size_t position() const { return pos_; }

    // Throws unless n more bytes are there.
    void require(uint64_t n) const {
        if (n > remaining()) throw StreamReadError();
    }
    void skip(size_t n) {
        require(n);
        pos_ += n;
    }
    uint8_t u8() {
        require(1);
        return static_cast<uint8_t>(data_[pos_++]);
    }
    uint16_t u16() { return next<uint16_t>(); }
    uint32_t u32() { return next<uint32_t>(); }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    double f64() { return std::bit_cast<double>(next<uint64_t>()); }
    std::string_view bytes(uint64_t n) {
        require(n);
        const std::string_view s(data_.data() + pos_, n);  // in bounds: no second check
        pos_ += n;
        return s;
    }

private:
    template <class Unsigned>
    Unsigned next() {
        require(sizeof(Unsigned));
        const Unsigned v = load_little_endian<Unsigned>(data_.data() + pos_);
        pos_ += sizeof(Unsigned);
        return v;
    }

    std::string_view data_;
    size_t pos_ = 0;
};
