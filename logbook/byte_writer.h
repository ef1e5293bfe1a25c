#pragma once

// Little-endian encoding into a bounded buffer that goes to a file piece by piece, so
// that a large file is never held whole in memory.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "logbook/file_io.h"
#include "logbook/little_endian.h"

class ByteWriter {
public:
    // The buffer holds at least the largest number, 8 bytes.
    explicit ByteWriter(AtomicFile& file, size_t capacity = size_t(1) << 20)
        : file_(file), capacity_(std::max(capacity, size_t(8))), buffer_(std::make_unique<char[]>(capacity_)) {}
    ByteWriter(const ByteWriter&) = delete;
    ByteWriter& operator=(const ByteWriter&) = delete;

    void u32(uint32_t v) { store_little_endian(room(4), v); }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void f64(double d) { store_little_endian(room(8), std::bit_cast<uint64_t>(d)); }
    void bytes(std::string_view s) {
        if (s.size() > capacity_ - used_) {
            flush();
            // A piece as large as the buffer goes to the file as it is.
            if (s.size() >= capacity_) return file_.write(s);
        }
        std::memcpy(buffer_.get() + used_, s.data(), s.size());
        used_ += s.size();
    }
    // Hands what is buffered to the file.
    void flush() {
        if (used_ > 0) file_.write(std::string_view(buffer_.get(), used_));
        used_ = 0;
    }

private:
    char* room(size_t n) {
        if (capacity_ - used_ < n) flush();
        char* p = buffer_.get() + used_;
        used_ += n;
        return p;
    }

    AtomicFile& file_;
    size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    size_t used_ = 0;
};
