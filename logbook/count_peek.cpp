#include "logbook/count_peek.h"

#include <string>

#include "logbook/byte_reader.h"
#include "logbook/file_io.h"
#include "logbook/native_layout.h"

namespace {

uint32_t peek_u32_count(const std::filesystem::path& path, uint64_t header_size, uint64_t min_dive_size) {
    const uint64_t size = file_size_of(path);
    const std::string head = read_file_head(path, 4);
    uint32_t count = ByteReader(head).u32();
    if (header_size + min_dive_size * count > size) throw StreamReadError();
    return count;
}

}  // namespace

uint32_t peek_native_count(const std::filesystem::path& path) {
    return peek_u32_count(path, kNativeHeaderSize, kNativeFixedDiveSize);
}
