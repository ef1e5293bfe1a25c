#pragma once

// Whole-file reading and crash-safe replacing of a file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The whole file, or CannotOpenFile.
std::string read_whole_file(const std::filesystem::path& path);

// A whole file mapped read-only into memory for the duration of a read: no copy of
// its bytes is made.
class MappedFile {
public:
    explicit MappedFile(const std::filesystem::path& path);  // CannotOpenFile
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    std::string_view bytes() const { return {data_, size_}; }

private:
    const char* data_ = nullptr;
    size_t size_ = 0;
};

// The first n bytes (fewer when the file is shorter), or CannotOpenFile.
std::string read_file_head(const std::filesystem::path& path, size_t n);

// Size in bytes, or CannotOpenFile.
uint64_t file_size_of(const std::filesystem::path& path);

// A file written piece by piece through a temporary beside `path`; commit() flushes it
// to disk and renames it over `path`. Destroyed without a commit (a failure on the way),
// it removes the temporary and `path` stays as it was. CannotCreateFile when the
// temporary cannot be made or put in place, StreamWriteError when writing or flushing
// fails.
class AtomicFile {
public:
    explicit AtomicFile(const std::filesystem::path& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    void write(std::string_view bytes);
    void commit();

private:
    std::filesystem::path path_, folder_;
    std::string temp_;
    int fd_ = -1;
    uint64_t written_ = 0;
};

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames
// it over `path`. Any failure leaves `path` as it was and removes the temporary:
// CannotCreateFile when the file cannot be made or put in place, StreamWriteError
// when writing or flushing fails.
void replace_file_atomically(const std::filesystem::path& path, std::string_view bytes);
