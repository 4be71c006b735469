// Files written whole or not at all. The test program is linked with fsync and mkstemp wrapped, so that
// a failing flush to disk or a folder that takes no new file can be had on demand, even for root.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

#include "common/AtomicFile.h"
#include "tests/support/NoNewFiles.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {
bool gFailFsync = false;

size_t OpenDescriptors() {
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

size_t FilesIn(const std::string& dir) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++n;
    return n;
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

} // namespace

extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd) {
    if (!gFailFsync) return __real_fsync(fd);
    errno = EIO;
    return -1;
}

TEST(AtomicFile, ReplacesTheFileWhole) {
    TempDir dir;
    const std::string path = dir.Write("zor.rnk", {1, 2, 3});
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, {4, 5, 6, 7}, error)) << error;
    EXPECT_EQ(ReadAll(path), (std::vector<uint8_t>{4, 5, 6, 7}));
    EXPECT_EQ(FilesIn(dir.Path("")), 1u);
}

TEST(AtomicFile, AFailedFlushKeepsTheOldFileAndClosesEverything) {
    TempDir dir;
    const std::string path = dir.Write("zor.rnk", {1, 2, 3});
    const size_t before = OpenDescriptors();
    std::string error;
    gFailFsync = true;
    const bool written = WriteFileAtomically(path, {4, 5, 6, 7}, error);
    gFailFsync = false;
    EXPECT_FALSE(written);
    EXPECT_NE(error.find("zor.rnk"), std::string::npos) << error;
    EXPECT_EQ(ReadAll(path), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(FilesIn(dir.Path("")), 1u);
    EXPECT_EQ(OpenDescriptors(), before);
}

class KeptMode : public ::testing::TestWithParam<mode_t> {};

TEST_P(KeptMode, TheReplacedFileKeepsItsPermissions) {
    TempDir dir;
    const std::string path = dir.Write("cat.map", {1, 2, 3});
    chmod(path.c_str(), GetParam());
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, {4}, error)) << error;
    EXPECT_EQ(ModeOf(path), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Modes, KeptMode, ::testing::Values(0600, 0640, 0664, 0755));

TEST(AtomicFile, ANewFileIsReadableByAll) {
    TempDir dir;
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir.Path("zor.sav"), {1}, error)) << error;
    EXPECT_EQ(ModeOf(dir.Path("zor.sav")), mode_t(0644));
}

// sample.map -> links/second (relative) -> real/sample.map: the links stay, the file at the end changes.
TEST(AtomicFile, WritesThroughSymbolicLinksToTheFileTheyName) {
    TempDir dir;
    fs::create_directories(dir.Path("links"));
    fs::create_directories(dir.Path("real"));
    const std::string target = dir.Write("real/sample.map", {1, 2, 3});
    chmod(target.c_str(), 0600);
    fs::create_symlink(target, dir.Path("links/second"));
    fs::create_symlink("links/second", dir.Path("sample.map"));
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir.Path("sample.map"), {4, 5}, error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir.Path("sample.map")));
    EXPECT_TRUE(fs::is_symlink(dir.Path("links/second")));
    EXPECT_EQ(ReadAll(target), (std::vector<uint8_t>{4, 5}));
    EXPECT_EQ(ModeOf(target), mode_t(0600));
    EXPECT_EQ(FilesIn(dir.Path("real")), 1u);

    fs::create_symlink("real/new.map", dir.Path("dangling.map")); // names a file not yet there
    ASSERT_TRUE(WriteFileAtomically(dir.Path("dangling.map"), {6}, error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir.Path("dangling.map")));
    EXPECT_EQ(ReadAll(dir.Path("real/new.map")), (std::vector<uint8_t>{6}));
}

TEST(AtomicFile, ALinkLoopIsRefused) {
    TempDir dir;
    fs::create_symlink("b", dir.Path("a"));
    fs::create_symlink("a", dir.Path("b"));
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(dir.Path("a"), {1}, error));
    EXPECT_NE(error.find("link"), std::string::npos) << error;
    EXPECT_EQ(WriteFileOrInPlace(dir.Path("a"), {1}, error), Written::No);
    EXPECT_EQ(FilesIn(dir.Path("")), 2u);
}

// A folder that takes no new file: the whole-only write fails and keeps the file; the other writes over
// the old bytes, a shorter content cut to its length, with the mode kept.
TEST(AtomicFile, AReadOnlyFolderIsWrittenInPlaceOnlyWhenAllowed) {
    TempDir dir;
    const std::string path = dir.Write("cat.map", {1, 2, 3, 4, 5, 6});
    chmod(path.c_str(), 0640);
    std::string error;
    const NoNewFiles readOnly(EACCES);
    EXPECT_FALSE(WriteFileAtomically(path, {7, 8}, error));
    EXPECT_NE(error.find("temporary"), std::string::npos) << error;
    EXPECT_EQ(ReadAll(path), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));

    EXPECT_EQ(WriteFileOrInPlace(path, {7, 8}, error), Written::InPlace) << error;
    EXPECT_EQ(ReadAll(path), (std::vector<uint8_t>{7, 8}));
    EXPECT_EQ(ModeOf(path), mode_t(0640));
    EXPECT_EQ(FilesIn(dir.Path("")), 1u);
    // Nothing to write over: the folder's reason is given.
    EXPECT_EQ(WriteFileOrInPlace(dir.Path("new.map"), {1}, error), Written::No);
    EXPECT_NE(error.find("temporary"), std::string::npos) << error;
}

TEST(AtomicFile, OtherFailuresToMakeTheTemporaryFileAreNotWrittenInPlace) {
    TempDir dir;
    const std::string path = dir.Write("cat.map", {1, 2, 3});
    std::string error;
    const NoNewFiles full(ENOSPC);
    EXPECT_EQ(WriteFileOrInPlace(path, {7, 8}, error), Written::No);
    EXPECT_EQ(ReadAll(path), (std::vector<uint8_t>{1, 2, 3}));
}
