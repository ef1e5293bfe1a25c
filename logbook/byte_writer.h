#pragma once

// Little-endian encoding into a growing byte buffer.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

class ByteWriter {
public:
    void reserve(size_t n) { out_.reserve(n); }
    void u32(uint32_t v) {
        char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        out_.append(b, 4);
    }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void f64(double d) {
        uint64_t bits;
        std::memcpy(&bits, &d, sizeof bits);
        char b[8];
        for (int i = 0; i < 8; ++i) b[i] = char(bits >> (8 * i));
        out_.append(b, 8);
    }
    void bytes(std::string_view s) { out_.append(s); }
    const std::string& data() const { return out_; }

private:
    std::string out_;
};
