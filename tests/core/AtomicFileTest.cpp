// Files written whole or not at all. The test program is linked with fsync wrapped, so that a failing
// flush to disk can be had on demand.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "common/AtomicFile.h"
#include "tests/support/TestFiles.h"

namespace {
bool gFailFsync = false;

size_t OpenDescriptors() {
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

size_t FilesIn(const std::string& dir) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++n;
    return n;
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
