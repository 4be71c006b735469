#include <gtest/gtest.h>

#include "codecs/CodecMessages.h"
#include "codecs/JpegFile.h"
#include "game/gfx/Archive.h"
#include "game/gfx/PixelConversion.h"
#include "game/gfx/ShowError.h"
#include "game/gfx/Surface.h"
#include "tests/support/JpegEncode.h"
#include "tests/support/MessageLog.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/TestFiles.h"
#include "tools/common/ArchiveWriter.h"

namespace {
uint16_t Pal(const std::array<Rgb, 256>& p, int i) {
    return PackColor(p[i].r, p[i].g, p[i].b);
}

std::vector<uint8_t> Gradient(int w, int h) {
    std::vector<uint8_t> p(size_t(w) * h * 3);
    for (size_t i = 0; i < p.size(); ++i) p[i] = uint8_t(i * 5);
    return p;
}

std::vector<uint8_t> Bmp24Rows() {
    return {3, 0, 0, 0, 0, 0, 255, 255, 255, 0, 3, 0, 0, 0, 0, 0, 0, 0};
}

class LoaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorSink(&log);
        SetCodecMessageBox(&log);
        const auto pal = RampPalette();
        ArchiveWriter w;
        w.Add("filler", std::vector<uint8_t>(7, 0));
        auto bad = MakePcx(3, 1, {1, 2, 3}, pal);
        bad[0] = 9;
        w.Add("b.pcx", bad); // at offset 7
        // bytes per line 3, three rows; the run of 5 in row 1 stops at the row's end.
        // Three pixels wide, stored in four bytes a line; row 1 is a run of 5 that stops at the row's end.
        w.Add("odd.pcx", MakePcx(4, 3, {1, 2, 3, 9, 0xC6, 4, 5, 6, 7, 8}, pal, 3));
        auto enc = MakePcx(3, 1, {1, 2, 3}, pal);
        enc[2] = 0;
        w.Add("e.pcx", enc);
        auto depth = MakePcx(3, 1, {1, 2, 3}, pal);
        depth[3] = 4;
        w.Add("n.pcx", depth);
        w.Add("big.pcx", MakePcx(5000, 1, {1}, pal));
        w.Add("huge.pcx", MakePcx(4096, 4096, {0xFF, 1}, pal));
        // 3 x 2 with one byte of padding a row: (1086 - 6 - 1078) / 2 = 1.
        w.Add("p8.bmp", MakeBmp(8, 3, 2, {1, 2, 7, 0, 4, 5, 6, 0}, pal));
        // Three bytes of padding a row where the four-byte rule would say one: (1090 - 6 - 1078) / 2 = 3.
        w.Add("p8wide.bmp", MakeBmp(8, 3, 2, {1, 2, 7, 0, 0, 0, 4, 5, 6, 0, 0, 0}, pal));
        w.Add("p24.bmp", MakeBmp(24, 3, 2, Bmp24Rows()));
        w.Add("d.bmp", MakeBmp(16, 1, 1, {0, 0, 0, 0}));
        w.Add("t.bmp", MakeBmp(8, 3, 2, {1, 2, 3}, pal));
        w.Add("t24.bmp", MakeBmp(24, 3, 2, {1, 2, 3}));
        w.Add("n.jpg", std::vector<uint8_t>(64, 'x'));
        w.Add("a.jpg", EncodeJpeg(Gradient(16, 16), 16, 16, 3, JCS_RGB));
        w.Add("b.jpg", EncodeJpeg(Gradient(8, 4), 8, 4, 3, JCS_RGB));
        archivePath = dir.Path("zor.res");
        w.WriteTo(archivePath);
        archive.Open(archivePath);
    }
    void TearDown() override {
        SetErrorSink(nullptr);
        SetCodecMessageBox(nullptr);
    }
    MessageLog log;
    TempDir dir;
    std::string archivePath;
    Archive archive;
    Surface s;
};

TEST_F(LoaderTest, PcxOddWidthAndRunsStoppingAtRowEnd) {
    ASSERT_TRUE(s.LoadPcx256(&archive, "ODD.PCX", 0, 0));
    const auto pal = RampPalette();
    ASSERT_EQ(s.width, 4); // bytes per line, not the visible width
    ASSERT_EQ(s.height, 3);
    const PixelBuffer& b = *s.surface;
    EXPECT_EQ(b.At(2, 0), Pal(pal, 3));
    EXPECT_EQ(b.At(3, 0), Pal(pal, 9)); // the padding column is shown
    EXPECT_EQ(b.At(0, 1), Pal(pal, 4));
    EXPECT_EQ(b.At(3, 1), Pal(pal, 4));
    EXPECT_EQ(b.At(0, 2), Pal(pal, 5)); // the next row starts with the byte after the run
    EXPECT_EQ(b.At(3, 2), Pal(pal, 8));
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(LoaderTest, Bmp8PaddingComesFromTheLength) {
    ASSERT_TRUE(s.LowLoadBmpBit(&archive, "p8.bmp", 0, 0));
    const auto pal = RampPalette();
    const PixelBuffer& b = *s.surface;
    EXPECT_EQ(b.At(0, 1), Pal(pal, 1)); // first stored row is the bottom one
    EXPECT_EQ(b.At(0, 0), Pal(pal, 4));
    EXPECT_EQ(b.At(2, 0), Pal(pal, 6));
    EXPECT_EQ(PackColor(pal[7].r, pal[7].g, pal[7].b), b.At(2, 1));
    ASSERT_TRUE(s.LowLoadBmpBit(&archive, "p8wide.bmp", 0, 0));
    EXPECT_EQ(s.surface->At(0, 1), Pal(pal, 1));
    EXPECT_EQ(s.surface->At(0, 0), Pal(pal, 4));
    EXPECT_EQ(s.surface->At(2, 0), Pal(pal, 6));
}

TEST_F(LoaderTest, Bmp8DarkPaletteEntryIsTransparent) {
    auto pal = RampPalette();
    pal[1] = {0, 0, 3};
    const auto path = dir.Write("dark.bmp", MakeBmp(8, 1, 1, {1, 0, 0, 0}, pal));
    ASSERT_TRUE(s.LowLoadBmpBit(nullptr, path.c_str(), 0, 0));
    EXPECT_EQ(s.surface->At(0, 0), 0);
}

TEST_F(LoaderTest, Bmp24RaisesSmallComponentsAndKeepsBlackTransparent) {
    ASSERT_TRUE(s.LowLoadBmpBit(&archive, "p24.bmp", 83, 33));
    const PixelBuffer& b = *s.surface;
    EXPECT_EQ(b.At(0, 1), 0x0001); // blue 3 -> 1
    EXPECT_EQ(b.At(1, 1), 0x0000); // black stays the key
    EXPECT_EQ(b.At(2, 1), 0xFFFF);
    EXPECT_EQ(b.At(0, 0), 0x0020); // green 3 -> 1
    EXPECT_EQ(s.cellWidth, 83);
    EXPECT_EQ(s.cellHeight, 33);
    ASSERT_TRUE(s.LowLoadBmpBit(&archive, "p24.bmp", 0, 0));
    EXPECT_EQ(s.cellWidth, 3);
    EXPECT_EQ(s.cellHeight, 2);
}

TEST_F(LoaderTest, SecondJpegReplacesTheFirstSurface) {
    ASSERT_TRUE(s.LowLoadJpeg(&archive, "a.jpg", 0, 0));
    EXPECT_EQ(s.width, 16);
    ASSERT_TRUE(s.LowLoadJpeg(&archive, "b.jpg", 0, 0));
    EXPECT_EQ(s.surface->Width(), 8);
    EXPECT_EQ(s.surface->Height(), 4);
    uint32_t w = 0, h = 0;
    auto rgb = JpegFile::ReadRgb(archive.Extract("b.jpg"), &w, &h);
    const size_t last = (size_t(h - 1) * w + (w - 1)) * 3;
    EXPECT_EQ(s.surface->At(int(w) - 1, int(h) - 1), PackColor(rgb[last], rgb[last + 1], rgb[last + 2]));
    EXPECT_TRUE(log.lines.empty());
}

enum class Loader { Pcx, Bmp, Jpeg };
struct FailureRow {
    const char* label;
    Loader loader;
    bool fromArchive;
    const char* name;
    std::vector<std::string> boxes; // "{archive}" stands for the archive's path
};

class LoaderFailure : public LoaderTest, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(LoaderFailure, ShowsItsMessagesAndLeavesTheSurfaceEmpty) {
    const FailureRow& row = GetParam();
    ASSERT_TRUE(s.LowLoadJpeg(&archive, "a.jpg", 0, 0)); // an earlier picture the failure must not keep
    ASSERT_FALSE(s.Empty());
    Archive* a = row.fromArchive ? &archive : nullptr;
    bool ok = true;
    switch (row.loader) {
    case Loader::Pcx:
        ok = s.LoadPcx256(a, row.name, 0, 0);
        break;
    case Loader::Bmp:
        ok = s.LowLoadBmpBit(a, row.name, 0, 0);
        break;
    case Loader::Jpeg:
        ok = s.LowLoadJpeg(a, row.name, 0, 0);
        break;
    }
    EXPECT_FALSE(ok);
    EXPECT_TRUE(s.Empty());
    std::vector<std::string> expected;
    for (std::string box : row.boxes) {
        if (auto at = box.find("{archive}"); at != std::string::npos) box.replace(at, 9, archivePath);
        expected.push_back(box);
    }
    EXPECT_EQ(log.lines, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LoaderFailure,
    ::testing::Values(
        FailureRow{"pcx_loose_missing",
                   Loader::Pcx,
                   false,
                   "none.pcx",
                   {"ERROR|Load( none.pcx)", "ERROR|LowLoadPcx256(none.pcx)"}},
        FailureRow{"pcx_entry_missing",
                   Loader::Pcx,
                   true,
                   "none.pcx",
                   {"ERROR|Load(none.pcx) {archive}", "ERROR|LowLoadPcx256(none.pcx)"}},
        FailureRow{"pcx_manufacturer",
                   Loader::Pcx,
                   true,
                   "b.pcx",
                   {"ERROR|Pcx LOAD ERROR 1 HeaderLoading(b.pcx) 7", "ERROR|LowLoadPcx256(b.pcx)"}},
        FailureRow{"pcx_encoding",
                   Loader::Pcx,
                   true,
                   "e.pcx",
                   {"ERROR|Pcx LOAD ERROR 2 Encoding(e.pcx)", "ERROR|LowLoadPcx256(e.pcx)"}},
        FailureRow{"pcx_depth",
                   Loader::Pcx,
                   true,
                   "n.pcx",
                   {"ERROR|Pcx LOAD ERROR 3 Not 256(n.pcx)", "ERROR|LowLoadPcx256(n.pcx)"}},
        FailureRow{"pcx_over_4096",
                   Loader::Pcx,
                   true,
                   "big.pcx",
                   {"ERROR|CreateSurface Error big.pcx 5000 X 1", "ERROR|LowLoadPcx256(big.pcx)"}},
        FailureRow{"pcx_data_too_short",
                   Loader::Pcx,
                   true,
                   "huge.pcx",
                   {"ERROR|CreateSurface Error huge.pcx 4096 X 4096", "ERROR|LowLoadPcx256(huge.pcx)"}},
        FailureRow{"bmp_missing",
                   Loader::Bmp,
                   true,
                   "none.bmp",
                   {"ERROR|FILE OPEN( none.bmp)", "ERROR|LowLoadBmpBit() none.bmp"}},
        FailureRow{"bmp_depth_16", Loader::Bmp, true, "d.bmp", {"ERROR|LowLoadBmpBit() d.bmp"}},
        FailureRow{"bmp8_truncated", Loader::Bmp, true, "t.bmp", {"ERROR|CreateSurface Error t.bmp 3 X 2"}},
        FailureRow{"bmp24_truncated",
                   Loader::Bmp,
                   true,
                   "t24.bmp",
                   {"ERROR|CreateSurface Error t24.bmp 3 X 2", "ERROR|LowLoadBmp24 t24.bmp"}},
        FailureRow{
            "jpeg_entry_missing", Loader::Jpeg, true, "none.jpg", {"ERROR|TEMP FILE LOAD ERROR!!! none.jpg"}},
        FailureRow{"jpeg_not_a_jpeg",
                   Loader::Jpeg,
                   true,
                   "n.jpg",
                   {"JPEG Fatal Error|Not a JPEG file: starts with 0x78 0x78",
                    "ERROR|CreateSurface Error n.jpg 0 X 0"}}),
    [](const auto& info) { return std::string(info.param.label); });
} // namespace
