#include "logbook/file_io.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

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

// The file that writing to `path` reaches: every symbolic link followed, a relative one
// from the folder it lies in. A loop of links is refused, as open() refuses it.
std::filesystem::path follow_links(const std::filesystem::path& path) {
    std::filesystem::path p = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(p.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return p;
        std::error_code failed;
        const std::filesystem::path to = std::filesystem::read_symlink(p, failed);
        if (failed) throw CannotCreateFile(path.string(), failed.value());
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    throw CannotCreateFile(path.string(), ELOOP);
}

// The new file takes the old one's place: its owner and group where the process may set
// them (before the mode, which a change of owner may clear in part), and its mode.
bool take_owner_and_mode(int fd, const std::filesystem::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        if (::fchown(fd, info.st_uid, info.st_gid) != 0 && ::fchown(fd, uid_t(-1), info.st_gid) != 0) {
            // Not ours to give away: the file stays the writer's.
        }
        return ::fchmod(fd, info.st_mode & 07777) == 0;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return ::fchmod(fd, 0666 & ~mask) == 0;
}

std::string random_suffix() {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 pick{std::random_device{}()};
    std::string s(6, ' ');
    for (char& c : s) c = letters[pick() % (sizeof letters - 1)];
    return s;
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

AtomicFileSteps& atomic_file_steps() {
    static AtomicFileSteps steps{::fsync, ::rename, true};
    return steps;
}

AtomicFile::AtomicFile(const std::filesystem::path& path)
    : path_(path), target_(follow_links(path)), folder_(target_.has_parent_path() ? target_.parent_path() : ".") {
#ifdef O_TMPFILE
    if (atomic_file_steps().unnamed_temporary) fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
#endif
    if (fd_ < 0) open_named_temporary();  // the file system refuses unnamed files
    if (!take_owner_and_mode(fd_, target_)) {
        const int error = errno;
        ::close(fd_);
        if (!temp_.empty()) ::unlink(temp_.c_str());
        throw CannotCreateFile(path_.string(), error);
    }
}

void AtomicFile::open_named_temporary() {
    std::string name = (folder_ / ("." + target_.filename().string() + ".XXXXXX")).string();
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) throw CannotCreateFile(path_.string(), errno);
    temp_ = name;
}

// The finished file gets a hidden name of its own beside the target, from which the
// rename puts it in place (a link cannot replace a name that exists).
void AtomicFile::name_unnamed_temporary() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = (folder_ / ("." + target_.filename().string() + "." + random_suffix())).string();
        int linked = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
#ifdef AT_EMPTY_PATH
        if (linked != 0 && errno != EEXIST) linked = ::linkat(fd_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
#endif
        if (linked == 0) {
            temp_ = name;
            return;
        }
        if (errno != EEXIST) break;
    }
    throw CannotCreateFile(path_.string(), errno);
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
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
    if (atomic_file_steps().fsync(fd_) != 0) throw StreamWriteError(errno);
    if (temp_.empty()) name_unnamed_temporary();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw StreamWriteError(errno);
    if (atomic_file_steps().rename(temp_.c_str(), target_.c_str()) != 0) throw CannotCreateFile(path_.string(), errno);
    temp_.clear();
    sync_folder(folder_);
}

void replace_file_atomically(const std::filesystem::path& path, std::string_view bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
}
