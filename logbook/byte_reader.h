#pragma once

// Bounded little-endian reading over bytes held in memory. Every read checks the
// bytes that remain first, so a damaged file can never be read past its end.

#include <cstdint>
#include <cstring>
#include <string_view>

#include "framework/core/errors.h"

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
    uint16_t u16() {
        require(2);
        const auto* p = reinterpret_cast<const unsigned char*>(data_.data() + pos_);
        pos_ += 2;
        return static_cast<uint16_t>(p[0] | (p[1] << 8));
    }
    uint32_t u32() {
        require(4);
        const auto* p = reinterpret_cast<const unsigned char*>(data_.data() + pos_);
        pos_ += 4;
        return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
    }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    double f64() {
        require(8);
        uint64_t bits = 0;
        for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(data_[pos_ + i]);
        pos_ += 8;
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    std::string_view bytes(uint64_t n) {
        require(n);
        const std::string_view s(data_.data() + pos_, n);  // in bounds: no second check
        pos_ += n;
        return s;
    }

private:
    std::string_view data_;
    size_t pos_ = 0;
};
