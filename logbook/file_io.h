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

// A file written piece by piece through a temporary beside the file it replaces;
// commit() flushes it to disk and renames it over that file. A `path` that is a symbolic
// link (or a chain of them) is followed, so the file it leads to is replaced and the link
// stays; a dangling link gets its file created where it points, as a plain open would.
// The new file keeps the old one's permission bits and, where the process may, its owner
// and group. Where the file system allows, the temporary has no name until commit(), so a
// process killed while writing leaves nothing behind. Destroyed without a commit (a
// failure on the way), it removes the temporary and `path` stays as it was.
// CannotCreateFile when the temporary cannot be made or put in place, StreamWriteError
// when writing or flushing fails.
class AtomicFile {
public:
    explicit AtomicFile(const std::filesystem::path& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    void write(std::string_view bytes);
    void commit();

private:
    void open_named_temporary();
    void name_unnamed_temporary();
    std::filesystem::path path_, target_, folder_;
    std::string temp_;  // empty while the temporary has no name, and once committed
    int fd_ = -1;
    uint64_t written_ = 0;
};

// Writes `bytes` through an AtomicFile: any failure leaves `path` as it was and removes
// the temporary.
void replace_file_atomically(const std::filesystem::path& path, std::string_view bytes);

// The steps of putting a written file in place that the system may fail or cut short.
// Tests replace them; the program leaves the system's own.
struct AtomicFileSteps {
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
    bool unnamed_temporary;  // false: a named temporary, as where O_TMPFILE is refused
};
AtomicFileSteps& atomic_file_steps();
