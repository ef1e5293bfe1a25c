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

// Test steps in place of the system's for one scope.
struct Steps {
    explicit Steps(AtomicFileSteps steps) { atomic_file_steps() = steps; }
    ~Steps() { atomic_file_steps() = saved; }
    AtomicFileSteps saved = atomic_file_steps();
};

int fails(int) { return errno = EIO, -1; }
int fails(const char*, const char*) { return errno = EIO, -1; }
int killed_here(int) { _exit(0); }  // as if killed: no clean-up runs

// Each case with an unnamed temporary and with the named one of file systems that refuse it.
class AtomicFileTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        fs::create_directories(dir / "links");
        fs::create_directories(dir / "real");
        write_bytes(book, "old");
        ASSERT_EQ(::chmod(book.c_str(), 0600) | ::chown(book.c_str(), 4321, 8765) * (::geteuid() == 0), 0);
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
    for (const std::string link : {"absolute", "chain", "relative", "folder/book.qvl"}) {
        replace_file_atomically(dir / "links" / link, link);
        EXPECT_EQ(read_bytes(book), link);
        struct stat info {};
        ::stat(book.c_str(), &info);
        EXPECT_EQ(info.st_mode & 07777, 0600u) << link;
        EXPECT_TRUE(::geteuid() != 0 || (info.st_uid == 4321 && info.st_gid == 8765)) << link;
        EXPECT_TRUE(fs::is_symlink(dir / "links" / link.substr(0, link.find('/'))));
    }
    EXPECT_EQ(entries("links") + entries("real"), 5u) << "a temporary was left";
}

// A dangling link gets its file where it points, as a plain open would; a link into a
// missing folder or a loop of links cannot be written.
TEST_P(AtomicFileTest, DanglingLinksAndLoops) {
    fs::create_symlink("../real/new.qvl", dir / "links/dangling");
    replace_file_atomically(dir / "links/dangling", "fresh");
    EXPECT_TRUE(fs::is_symlink(dir / "links/dangling"));
    EXPECT_EQ(read_bytes(dir / "real/new.qvl"), "fresh");
    fs::create_symlink("../nowhere/x.qvl", dir / "links/nowhere");
    fs::create_symlink("loop", dir / "links/loop");
    for (const char* link : {"nowhere", "loop"})
        EXPECT_THROW(replace_file_atomically(dir / "links" / link, "x"), CannotCreateFile) << link;
}

// However the write fails after the link is followed, the target and the link stay as they were.
TEST_P(AtomicFileTest, FailedWriteThroughALinkLeavesTheTargetUntouched) {
    const fs::path link = dir / "links/book.qvl";
    fs::create_symlink("../real/book.qvl", link);
    {
        FileSizeLimit limit(100);
        EXPECT_THROW(replace_file_atomically(link, std::string(1000, 'x')), StreamWriteError);
    }
    Steps fsync_fails{{fails, ::rename, GetParam()}};
    EXPECT_THROW(replace_file_atomically(link, "lost"), StreamWriteError);
    Steps rename_fails{{::fsync, fails, GetParam()}};
    EXPECT_THROW(replace_file_atomically(link, "lost"), CannotCreateFile);
    EXPECT_EQ(read_bytes(book), "old");
    EXPECT_EQ(entries("real"), 1u);
    EXPECT_TRUE(fs::is_symlink(link));
}

INSTANTIATE_TEST_SUITE_P(Temporaries, AtomicFileTest, testing::Values(true, false),
                         [](const auto& kind) { return kind.param ? "Unnamed" : "Named"; });

// A save killed once its data is written, while flushing it, leaves the old file alone.
TEST(AtomicFileKilled, LeavesNoTemporaryBehind) {
    TempDir dir;
    write_bytes(dir / "book.qvl", "old");
    const int probe = ::open(dir.path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (probe < 0) GTEST_SKIP() << "no unnamed files on this file system";
    ::close(probe);
    const pid_t child = ::fork();
    if (child == 0) {
        atomic_file_steps().fsync = killed_here;
        AtomicFile file(dir / "book.qvl");
        file.write(std::string(1 << 20, 'n'));
        file.commit();
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save did not reach its flush";
    EXPECT_EQ(dir.entry_count(), 1u) << "a temporary was left";
    EXPECT_EQ(read_bytes(dir / "book.qvl"), "old");
}
