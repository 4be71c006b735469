#include "game/gfx/Archive.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/TestFiles.h"
#include "tools/common/ArchiveWriter.h"

namespace {
namespace fs = std::filesystem;

std::vector<uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

void PutLe32(std::vector<uint8_t>& v, size_t at, int32_t value) {
    for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(uint32_t(value) >> (8 * i));
}

size_t DirStart(const std::vector<uint8_t>& archive) {
    return archive.size() - Archive::kDirectorySize;
}
size_t SlotAt(const std::vector<uint8_t>& archive, int i) {
    return DirStart(archive) + 4 + size_t(i) * 40;
}

class ArchiveTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string Write(const std::vector<uint8_t>& bytes) { return dir.Write("a.res", bytes); }
    std::vector<uint8_t> Sample() {
        ArchiveWriter w;
        w.Add("loading.pcx", Bytes("PCXDATA"));
        w.Add("empty.bin", {});
        w.Add(std::string(31, 'n'), Bytes("long"));
        w.Add("second.jpg", Bytes("JPEG!"));
        return w.Build();
    }
};

TEST_F(ArchiveTest, LooksUpNamesWithoutRegardToCase) {
    Archive a;
    ASSERT_EQ(a.Open(Write(Sample())), 1);
    EXPECT_EQ(a.Count(), 4);
    EXPECT_EQ(a.FindOffset("LOADING.PCX"), 0);
    EXPECT_EQ(a.FindSize("Loading.Pcx"), 7);
    EXPECT_EQ(a.FindOffset(std::string(31, 'N')), 7);
    EXPECT_EQ(a.FindOffset("missing"), -1);
    EXPECT_EQ(a.FindSize("missing"), -1);
    EXPECT_EQ(a.OffsetAt(3), 11);
    EXPECT_EQ(a.OffsetAt(4), -1);
    EXPECT_EQ(a.NameAt(3), "second.jpg");
    EXPECT_EQ(a.NameAt(4), "");
    std::vector<uint8_t> out;
    ASSERT_TRUE(a.ReadEntry("SECOND.JPG", out));
    EXPECT_EQ(out, Bytes("JPEG!"));
}

TEST_F(ArchiveTest, LowerSlotWinsForDuplicateNames) {
    std::vector<uint8_t> bytes = Sample();
    std::memcpy(&bytes[SlotAt(bytes, 3)], "LOADING.pcx\0", 12);
    Archive a;
    ASSERT_EQ(a.Open(Write(bytes)), 1);
    EXPECT_EQ(a.FindSize("loading.pcx"), 7);
}

TEST_F(ArchiveTest, EmptyDirectoryFindsNothing) {
    Archive a;
    ASSERT_EQ(a.Open(Write(ArchiveWriter().Build())), 1);
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(a.FindOffset("loading.pcx"), -1);
    EXPECT_EQ(a.OffsetAt(0), -1);
    EXPECT_EQ(a.Extract("loading.pcx"), nullptr);
}

// One row per kind of damage: every lookup of the damaged entry fails, the others still work.
struct Damage {
    const char* label;
    void (*apply)(std::vector<uint8_t>&);
    bool whole; // the whole directory is refused
};

class DamagedArchive : public ArchiveTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedArchive, LookupsFailSafely) {
    std::vector<uint8_t> bytes = Sample();
    GetParam().apply(bytes);
    Archive a;
    const int opened = a.Open(Write(bytes));
    EXPECT_EQ(opened, GetParam().whole ? 0 : 1);
    EXPECT_EQ(a.FindOffset("loading.pcx"), -1);
    EXPECT_EQ(a.FindSize("loading.pcx"), -1);
    EXPECT_EQ(a.Extract("loading.pcx"), nullptr);
    std::vector<uint8_t> out;
    EXPECT_FALSE(a.ReadEntry("loading.pcx", out));
    EXPECT_EQ(a.FindOffset("second.jpg"), GetParam().whole ? -1 : 11);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedArchive,
    ::testing::Values(
        Damage{"shorter_than_directory", [](std::vector<uint8_t>& v) { v.erase(v.begin(), v.end() - 20003); },
               true},
        Damage{"count_negative", [](std::vector<uint8_t>& v) { PutLe32(v, DirStart(v), -1); }, true},
        Damage{"count_501", [](std::vector<uint8_t>& v) { PutLe32(v, DirStart(v), 501); }, true},
        Damage{"offset_negative", [](std::vector<uint8_t>& v) { PutLe32(v, SlotAt(v, 0) + 32, -4); }, false},
        Damage{"size_negative", [](std::vector<uint8_t>& v) { PutLe32(v, SlotAt(v, 0) + 36, -1); }, false},
        Damage{"runs_into_directory", [](std::vector<uint8_t>& v) { PutLe32(v, SlotAt(v, 0) + 36, 17); },
               false},
        Damage{"past_end_of_file", [](std::vector<uint8_t>& v) { PutLe32(v, SlotAt(v, 0) + 32, 0x7FFFFFF0); },
               false},
        Damage{"size_overflows_offset",
               [](std::vector<uint8_t>& v) {
                   PutLe32(v, SlotAt(v, 0) + 32, 0x7FFFFFFF);
                   PutLe32(v, SlotAt(v, 0) + 36, 0x7FFFFFFF);
               },
               false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ArchiveTest, MissingFileFindsNothing) {
    Archive a;
    EXPECT_EQ(a.Open(dir.Path("absent.res")), 0);
    EXPECT_EQ(a.FindOffset("loading.pcx"), -1);
    EXPECT_EQ(a.Path(), dir.Path("absent.res"));
}

TEST_F(ArchiveTest, ExtractionsReplaceTheTemporaryFile) {
    Archive a;
    ASSERT_EQ(a.Open(Write(Sample())), 1);
    const char* first = a.Extract("loading.pcx");
    ASSERT_NE(first, nullptr);
    const std::string path = first;
    EXPECT_EQ(ReadAll(path), Bytes("PCXDATA"));
    EXPECT_EQ(a.Extract("second.jpg"), path);
    EXPECT_EQ(ReadAll(path), Bytes("JPEG!"));
    EXPECT_EQ(a.Extract("EMPTY.BIN"), path);
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_EQ(a.ExtractAt(4), nullptr);

    EXPECT_EQ(fs::path(path).filename().string().rfind("tempfile", 0), 0u);
    struct stat st {};
    ASSERT_EQ(stat(fs::path(path).parent_path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    Archive::DeleteTempFile();
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(a.Extract("second.jpg"), path);
}
} // namespace
