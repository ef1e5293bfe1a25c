#include "logbook/count_peek.h"

#include <string>

#include "logbook/byte_reader.h"
#include "logbook/datatrak_layout.h"
#include "logbook/file_io.h"
#include "logbook/native_layout.h"

namespace {

// Reads the count from the file's first `head_size` bytes (all of them must be
// there) and checks that the file can hold that many dives of at least
// `min_dive_size` bytes after its `header_size`-byte header.
template <typename ReadCount>
uint32_t peek_count(const std::filesystem::path& path, size_t head_size, ReadCount read_count, uint64_t header_size,
                    uint64_t min_dive_size) {
    const uint64_t size = file_size_of(path);
    const std::string head = read_file_head(path, head_size);
    ByteReader r(head);
    r.require(head_size);
    const uint32_t count = read_count(r);
    if (header_size + min_dive_size * count > size) throw StreamReadError();
    return count;
}

uint32_t leading_u32(ByteReader& r) { return r.u32(); }

}  // namespace

uint32_t peek_native_count(const std::filesystem::path& path) {
    return peek_count(path, 4, leading_u32, kNativeHeaderSize, kNativeFixedDiveSize);
}

uint32_t peek_datatrak_count(const std::filesystem::path& path) {
    auto bytes_6_and_7 = [](ByteReader& r) -> uint32_t {
        r.skip(6);
        return r.u16();
    };
    return peek_count(path, kDataTrakHeaderSize, bytes_6_and_7, kDataTrakHeaderSize, kDataTrakMinDiveSize);
}

uint32_t peek_v10_count(const std::filesystem::path& path) {
    return peek_count(path, 4, leading_u32, 4, kV10FixedDiveSize);
}
