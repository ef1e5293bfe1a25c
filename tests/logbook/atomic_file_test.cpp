#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "export/file_size_limit.h"
#include "framework/core/errors.h"
#include "logbook/file_io.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// Puts test steps in place of the system's for one scope.
class Steps {
public:
    explicit Steps(AtomicFileSteps steps) : saved_(atomic_file_steps()) { atomic_file_steps() = steps; }
    ~Steps() { atomic_file_steps() = saved_; }

private:
    AtomicFileSteps saved_;
};

int failing_step(int) { return errno = EIO, -1; }
int failing_rename(const char*, const char*) { return errno = EIO, -1; }
int killed_here(int) { _exit(0); }  // the process ends as if killed: no clean-up runs

struct stat info_of(const fs::path& p) {
    struct stat info {};
    EXPECT_EQ(::stat(p.c_str(), &info), 0) << p;
    return info;
}

bool unnamed_files_supported(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (fd >= 0) ::close(fd);
    return fd >= 0;
}

// Each case runs with an unnamed temporary and with the named one of file systems that refuse it.
class AtomicFileTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        fs::create_directories(dir / "real");
        fs::create_directories(dir / "links");
        write_bytes(book, "old");
        ::chmod(book.c_str(), 0600);
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(book.c_str(), 4321, 8765), 0);
        }
    }
    size_t entries(const char* folder) const {
        return size_t(std::distance(fs::directory_iterator(dir / folder), fs::directory_iterator()));
    }

    TempDir dir;
    fs::path book = dir / "real/book.qvl";
    Steps steps{{::fsync, ::rename, GetParam()}};
};

}  // namespace

TEST_P(AtomicFileTest, WritesThroughLinksIntoTheTargetKeepingItsModeAndOwner) {
    fs::create_symlink(book, dir / "links/absolute");
    fs::create_symlink(dir / "links/absolute", dir / "links/chain");
    fs::create_symlink("../real/book.qvl", dir / "links/relative");
    fs::create_directory_symlink("../real", dir / "links/folder");
    const std::string written[] = {"absolute", "chain", "relative", "folder/book.qvl"};
    for (const std::string& link : written) {
        replace_file_atomically(dir / "links" / link, "new through " + link);
        EXPECT_EQ(read_bytes(book), "new through " + link);
        const struct stat info = info_of(book);
        EXPECT_EQ(info.st_mode & 07777, 0600u) << link;
        if (::geteuid() == 0) {
            EXPECT_EQ(std::pair(info.st_uid, info.st_gid), std::pair(4321u, 8765u)) << link;
        }
    }
    for (const char* link : {"absolute", "chain", "relative", "folder"})
        EXPECT_TRUE(fs::is_symlink(dir / "links" / link)) << link;
    EXPECT_EQ(entries("links"), 4u);
    EXPECT_EQ(entries("real"), 1u) << "a temporary was left";
}

// A dangling link is written where it points, as a plain open would.
TEST_P(AtomicFileTest, DanglingLinkCreatesTheFileItPointsTo) {
    fs::create_symlink("../real/new.qvl", dir / "links/dangling");
    replace_file_atomically(dir / "links/dangling", "fresh");
    EXPECT_TRUE(fs::is_symlink(dir / "links/dangling"));
    EXPECT_EQ(read_bytes(dir / "real/new.qvl"), "fresh");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info_of(dir / "real/new.qvl").st_mode & 07777, 0666 & ~mask);

    fs::create_symlink("../nowhere/x.qvl", dir / "links/nowhere");
    fs::create_symlink("loop", dir / "links/loop");
    for (const char* link : {"nowhere", "loop"}) {
        const fs::path p = dir / "links" / link;
        try {
            replace_file_atomically(p, "x");
            ADD_FAILURE() << link << " was written";
        } catch (const CannotCreateFile& e) {
            EXPECT_EQ(e.what(), "Cannot create file " + p.string());
        }
    }
}

// Whatever fails after the link is followed, the target keeps its bytes and no temporary stays.
TEST_P(AtomicFileTest, FailedWriteThroughALinkLeavesTheTargetUntouched) {
    fs::create_symlink("../real/book.qvl", dir / "links/book.qvl");
    const fs::path link = dir / "links/book.qvl";
    {
        FileSizeLimit limit(100);
        EXPECT_THROW(replace_file_atomically(link, std::string(1000, 'x')), StreamWriteError);
    }
    {
        Steps fsync_fails{{failing_step, ::rename, GetParam()}};
        EXPECT_THROW(replace_file_atomically(link, "lost"), StreamWriteError);
    }
    {
        Steps rename_fails{{::fsync, failing_rename, GetParam()}};
        EXPECT_THROW(replace_file_atomically(link, "lost"), CannotCreateFile);
    }
    EXPECT_EQ(read_bytes(book), "old");
    EXPECT_EQ(entries("real"), 1u);
    EXPECT_TRUE(fs::is_symlink(link));
}

INSTANTIATE_TEST_SUITE_P(Temporaries, AtomicFileTest, testing::Values(true, false),
                         [](const auto& kind) { return kind.param ? "Unnamed" : "Named"; });

// A save killed once its data is written, while flushing it, leaves the old file alone.
TEST(AtomicFileKilled, LeavesNoTemporaryBehind) {
    TempDir dir;
    const fs::path book = dir / "book.qvl";
    write_bytes(book, "old");
    if (!unnamed_files_supported(dir.path())) GTEST_SKIP() << "no unnamed files on this file system";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        atomic_file_steps().fsync = killed_here;
        AtomicFile file(book);
        file.write(std::string(1 << 20, 'n'));
        file.commit();
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save did not reach its flush";
    EXPECT_EQ(dir.entry_count(), 1u) << "a temporary was left";
    EXPECT_EQ(read_bytes(book), "old");
}
