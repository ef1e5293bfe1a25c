#include "logbook/file_io.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "framework/core/errors.h"

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    int get() const { return fd_; }

private:
    int fd_;
};

// Opens a regular file for reading; a folder or a device is not a logbook.
FileDescriptor open_for_reading(const std::filesystem::path& path, struct stat& info) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        throw CannotOpenFile(path.string());
    return fd;
}

// Reads up to n bytes; fewer only at the end of the file.
size_t read_up_to(int fd, char* buffer, size_t n) {
    size_t done = 0;
    while (done < n) {
        ssize_t got = ::read(fd, buffer + done, n - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw StreamReadError();
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    return done;
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(put));
    }
    return true;
}

mode_t mode_for_new_file(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself durable; a failure here cannot undo the save, so it is
// not reported.
void sync_folder(const std::filesystem::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string read_whole_file(const std::filesystem::path& path) {
    struct stat info {};
    FileDescriptor fd = open_for_reading(path, info);
    std::string bytes(static_cast<size_t>(info.st_size), '\0');
    bytes.resize(read_up_to(fd.get(), bytes.data(), bytes.size()));
    return bytes;
}

MappedFile::MappedFile(const std::filesystem::path& path) {
    struct stat info {};
    FileDescriptor fd = open_for_reading(path, info);
    size_ = static_cast<size_t>(info.st_size);
    if (size_ == 0) return;
    void* map = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd.get(), 0);
    if (map == MAP_FAILED) throw CannotOpenFile(path.string());
    data_ = static_cast<const char*>(map);
}

MappedFile::~MappedFile() {
    if (data_) ::munmap(const_cast<char*>(data_), size_);
}

std::string read_file_head(const std::filesystem::path& path, size_t n) {
    struct stat info {};
    FileDescriptor fd = open_for_reading(path, info);
    std::string bytes(n, '\0');
    bytes.resize(read_up_to(fd.get(), bytes.data(), n));
    return bytes;
}

uint64_t file_size_of(const std::filesystem::path& path) {
    struct stat info {};
    FileDescriptor fd = open_for_reading(path, info);
    return static_cast<uint64_t>(info.st_size);
}

AtomicFile::AtomicFile(const std::filesystem::path& path)
    : path_(path), folder_(path.has_parent_path() ? path.parent_path() : ".") {
    std::string name = (folder_ / ("." + path.filename().string() + ".XXXXXX")).string();
    std::vector<char> temp_name(name.begin(), name.end());
    temp_name.push_back('\0');
    fd_ = ::mkostemp(temp_name.data(), O_CLOEXEC);
    if (fd_ < 0) throw CannotCreateFile(path.string(), errno);
    temp_ = temp_name.data();
    if (::fchmod(fd_, mode_for_new_file(path)) != 0) {
        const int error = errno;
        ::close(fd_);
        ::unlink(temp_.c_str());
        throw CannotCreateFile(path.string(), error);
    }
}

AtomicFile::~AtomicFile() {
    if (temp_.empty()) return;  // committed
    if (fd_ >= 0) ::close(fd_);
    ::unlink(temp_.c_str());
}

void AtomicFile::write(std::string_view bytes) {
    if (!write_all(fd_, bytes)) throw StreamWriteError(errno);
#ifdef __linux__
    // Starts putting each piece on disk now, while the caller makes the next one; the
    // flush at commit then waits for the last pieces only. A hint: failure is harmless.
    ::sync_file_range(fd_, off64_t(written_), off64_t(bytes.size()), SYNC_FILE_RANGE_WRITE);
#endif
    written_ += bytes.size();
}

void AtomicFile::commit() {
    const int fd = fd_;
    fd_ = -1;
    if (::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        throw StreamWriteError(error);
    }
    if (::close(fd) != 0) throw StreamWriteError(errno);
    if (::rename(temp_.c_str(), path_.c_str()) != 0) throw CannotCreateFile(path_.string(), errno);
    temp_.clear();
    sync_folder(folder_);
}

void replace_file_atomically(const std::filesystem::path& path, std::string_view bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
}
