#include "codecs/BmpFile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "codecs/CodecMessages.h"
#include "tests/support/MessageLog.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/TestFiles.h"

namespace {
// A holder that remembers what the reader gave it; it starts with a 1x1 "previous picture".
struct Holder : PictureHolder {
    void ReplacePixels(uint32_t w, uint32_t h, std::unique_ptr<uint8_t[]> p) override {
        width = w;
        height = h;
        pixels = std::move(p);
        ++calls;
    }
    std::vector<uint8_t> Bytes() const { return {pixels.get(), pixels.get() + size_t(width) * height * 3}; }
    uint32_t width = 1, height = 1;
    std::unique_ptr<uint8_t[]> pixels{new uint8_t[3]{1, 2, 3}};
    int calls = 0;
};

struct BmpSpec {
    int bits = 24;
    int32_t width = 1, height = 1;
    std::vector<Rgb> palette;
    uint32_t coloursUsed = 0;
    uint32_t gap = 0;        // bytes between the palette and the pixels
    int64_t dataOffset = -1; // the natural one when negative
    uint32_t compression = 0;
    uint32_t headerBytes = 40;
    std::vector<uint8_t> rows;
};

std::vector<uint8_t> MakeFile(const BmpSpec& s) {
    // The fields of the 40-byte header are always written, whatever size the header claims.
    std::vector<uint8_t> f(14 + std::max(s.headerBytes, 40u), 0);
    f[0] = 'B';
    f[1] = 'M';
    const size_t natural = f.size() + s.palette.size() * 4 + s.gap;
    PutLe(f, 10, uint32_t(s.dataOffset < 0 ? natural : size_t(s.dataOffset)), 4);
    PutLe(f, 14, s.headerBytes, 4);
    PutLe(f, 18, uint32_t(s.width), 4);
    PutLe(f, 22, uint32_t(s.height), 4);
    PutLe(f, 26, 1, 2);
    PutLe(f, 28, uint32_t(s.bits), 2);
    PutLe(f, 30, s.compression, 4);
    PutLe(f, 46, s.coloursUsed, 4);
    for (const Rgb& c : s.palette) f.insert(f.end(), {c.b, c.g, c.r, 0});
    f.insert(f.end(), s.gap, 0xEE);
    f.insert(f.end(), s.rows.begin(), s.rows.end());
    return f;
}

class BmpFileTest : public ::testing::Test {
  protected:
    void SetUp() override { SetCodecMessageBox(&log); }
    void TearDown() override { SetCodecMessageBox(nullptr); }
    bool Load(const BmpSpec& s) { return Load(MakeFile(s)); }
    bool Load(const std::vector<uint8_t>& f) { return LoadBmpFromMemory(f.data(), f.size(), holder); }
    MessageLog log;
    Holder holder;
};

const std::vector<Rgb> kTwo = {{10, 20, 30}, {40, 50, 60}};

TEST_F(BmpFileTest, TrueColourRowsLoseTheirPaddingAndKeepFileOrder) {
    BmpSpec s;
    s.width = 3;
    s.height = 2;
    s.rows = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0xAA, 0xAA, 0xAA,
              11, 12, 13, 14, 15, 16, 17, 18, 19, 0xAA, 0xAA, 0xAA};
    ASSERT_TRUE(Load(s));
    EXPECT_EQ(holder.width, 3u);
    EXPECT_EQ(holder.height, 2u);
    EXPECT_EQ(holder.Bytes(),
              (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(BmpFileTest, OneBitRowsTakeTheTopBitFirst) {
    BmpSpec s;
    s.bits = 1;
    s.width = 10;
    s.palette = kTwo;
    s.rows = {0b10000001, 0b01000000, 0xFF, 0xFF};
    ASSERT_TRUE(Load(s));
    const std::vector<uint8_t> px = holder.Bytes();
    const std::string bits = "1000000101";
    for (size_t x = 0; x < bits.size(); ++x) EXPECT_EQ(px[x * 3], bits[x] == '1' ? 60 : 30) << x;
}

TEST_F(BmpFileTest, FourBitHighHalfIsTheLeftPixel) {
    BmpSpec s;
    s.bits = 4;
    s.width = 3;
    for (int i = 0; i < 16; ++i) s.palette.push_back({uint8_t(i), 0, 0});
    s.rows = {0x2F, 0x70, 0, 0};
    ASSERT_TRUE(Load(s));
    const std::vector<uint8_t> px = holder.Bytes();
    EXPECT_EQ((std::vector<uint8_t>{px[2], px[5], px[8]}), (std::vector<uint8_t>{2, 15, 7}));
}

// Several rows of each depth, their padding bytes not zero: a reader that drops the wrong count of bytes
// after a row shifts every later one. The widths give rows already a multiple of 4 bytes and rows with
// 1, 2 and 3 bytes of padding.
struct RowCase {
    int bits, width, height;
};
class BmpRowTest : public BmpFileTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(BmpRowTest, EveryRowStartsAfterThePreviousOnesPadding) {
    const RowCase& c = GetParam();
    BmpSpec s;
    s.bits = c.bits;
    s.width = c.width;
    s.height = c.height;
    const int colours = c.bits == 24 ? 0 : 1 << c.bits;
    for (int i = 0; i < colours; ++i)
        s.palette.push_back({uint8_t(255 - i), uint8_t(i * 11 + 2), uint8_t(i * 5 + 1)});
    std::vector<uint8_t> expected;
    for (int y = 0; y < c.height; ++y) {
        std::vector<uint8_t> row;
        uint32_t bits = 0, count = 0;
        for (int x = 0; x < c.width; ++x) {
            if (c.bits == 24) {
                const uint8_t bgr[] = {uint8_t(x * 9 + y), uint8_t(y * 31 + x), uint8_t((x + y * 3) ^ 0x55)};
                row.insert(row.end(), bgr, bgr + 3);
                expected.insert(expected.end(), bgr, bgr + 3);
                continue;
            }
            const uint32_t index = uint32_t(x * 3 + y * 7 + 1) % uint32_t(colours);
            const Rgb& p = s.palette[index];
            expected.insert(expected.end(), {p.b, p.g, p.r});
            for (bits = bits << c.bits | index, count += c.bits; count >= 8; count -= 8)
                row.push_back(uint8_t(bits >> (count - 8)));
        }
        if (count) row.push_back(uint8_t(bits << (8 - count)));
        while (row.size() % 4) row.push_back(0xA5);
        s.rows.insert(s.rows.end(), row.begin(), row.end());
    }
    ASSERT_TRUE(Load(s));
    EXPECT_EQ(holder.Bytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpRowTest,
                         ::testing::Values(RowCase{1, 10, 3}, RowCase{1, 32, 3}, RowCase{1, 33, 2},
                                           RowCase{4, 3, 3}, RowCase{4, 8, 3}, RowCase{4, 9, 2},
                                           RowCase{8, 4, 3}, RowCase{8, 5, 2}, RowCase{24, 4, 3},
                                           RowCase{24, 3, 3}, RowCase{24, 1, 2}),
                         [](const auto& info) {
                             const RowCase& c = info.param;
                             return std::to_string(c.bits) + "bits" + std::to_string(c.width) + "x" +
                                    std::to_string(c.height);
                         });

// A side of 0 loads an empty picture without work on the other side; the pixel bound counts such a side
// as 1, so the other side is bounded too.
struct SizeCase {
    const char* name;
    int bits;
    uint32_t width, height;
    std::string message; // none when the picture loads
};
class BmpSizeTest : public BmpFileTest, public ::testing::WithParamInterface<SizeCase> {};

const std::string kAllocFailed = "mfcapp|Memory alloc Failed";

TEST_P(BmpSizeTest, LoadsOrRefusesWithoutWorkOnTheOtherSide) {
    const SizeCase& c = GetParam();
    BmpSpec s;
    s.bits = c.bits;
    s.width = int32_t(c.width);
    s.height = int32_t(c.height);
    if (c.bits <= 8) {
        s.palette = {{1, 2, 3}};
        s.coloursUsed = 1;
    }
    const bool loaded = Load(s);
    EXPECT_EQ(loaded, c.message.empty());
    EXPECT_EQ(log.lines,
              c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    if (loaded || c.message == kAllocFailed) {
        EXPECT_EQ(holder.calls, 1);
        EXPECT_EQ(holder.width, c.width);
        EXPECT_EQ(holder.height, c.height);
        EXPECT_EQ(holder.pixels != nullptr, loaded);
    } else {
        EXPECT_EQ(holder.calls, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BmpSizeTest,
    ::testing::Values(SizeCase{"NoRowsOfHugeWidth", 8, 0x7FFFFFFF, 0, kAllocFailed},
                      SizeCase{"HugeCountOfEmptyRows", 24, 0, 0x7FFFFFFF, kAllocFailed},
                      SizeCase{"NoRows", 8, 640, 0, ""}, SizeCase{"EmptyRows", 1, 0, 480, ""},
                      SizeCase{"EmptyRowsUpToTheBound", 24, 0, 8192 * 8192, ""},
                      SizeCase{"NothingAtAll", 4, 0, 0, ""},
                      // The bound itself passes (and the file is found short of rows); one row more fails.
                      SizeCase{"AtTheBound", 24, 8192, 8192, "mfcapp|Read Error!"},
                      SizeCase{"OneRowOverTheBound", 24, 8192, 8193, kAllocFailed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BmpFileTest, BytesBeforeTheDataOffsetAreSkipped) {
    BmpSpec s;
    s.bits = 8;
    s.palette = kTwo;
    s.coloursUsed = 2;
    s.gap = 100;
    s.rows = {1, 0, 0, 0};
    ASSERT_TRUE(Load(s));
    EXPECT_EQ(holder.Bytes(), (std::vector<uint8_t>{60, 50, 40}));
}

TEST_F(BmpFileTest, IndicesPastTheColourCountAreBlack) {
    BmpSpec s;
    s.bits = 8;
    s.width = 2;
    s.palette = kTwo;
    s.coloursUsed = 2;
    s.rows = {1, 200, 0, 0};
    ASSERT_TRUE(Load(s));
    EXPECT_EQ(holder.Bytes(), (std::vector<uint8_t>{60, 50, 40, 0, 0, 0}));
}

TEST_F(BmpFileTest, TopDownRowsComeOutBottomUp) {
    BmpSpec s;
    s.width = 1;
    s.height = -3;
    s.rows = {1, 1, 1, 0, 2, 2, 2, 0, 3, 3, 3, 0};
    ASSERT_TRUE(Load(s));
    EXPECT_EQ(holder.height, 3u);
    EXPECT_EQ(holder.Bytes(), (std::vector<uint8_t>{3, 3, 3, 2, 2, 2, 1, 1, 1}));
}

TEST_F(BmpFileTest, PaletteAfterALargerHeader) {
    BmpSpec s;
    s.bits = 8;
    s.headerBytes = 108;
    s.palette = kTwo;
    s.coloursUsed = 2;
    s.rows = {0, 0, 0, 0};
    ASSERT_TRUE(Load(s));
    EXPECT_EQ(holder.Bytes(), (std::vector<uint8_t>{30, 20, 10}));
}

// Every refusal: one message, and the previous picture untouched.
struct RefusalCase {
    const char* name;
    std::vector<uint8_t> file;
    std::string message;
};
class BmpRefusalTest : public BmpFileTest, public ::testing::WithParamInterface<RefusalCase> {};

BmpSpec With(void (*change)(BmpSpec&)) {
    BmpSpec s;
    s.rows = {1, 2, 3, 0};
    change(s);
    return s;
}

std::vector<uint8_t> Cut(std::vector<uint8_t> f, size_t n) {
    f.resize(n);
    return f;
}

const std::vector<uint8_t> kPlain = MakeFile(With([](BmpSpec&) {}));

INSTANTIATE_TEST_SUITE_P(
    Files, BmpRefusalTest,
    ::testing::Values(RefusalCase{"Signature", {'B', 'A', 0, 0}, "mfcapp|Not a valid BMP File"},
                      RefusalCase{"Compressed", MakeFile(With([](BmpSpec& s) { s.compression = 1; })),
                                  "mfcapp|This is a compressed file\nGiving up"},
                      RefusalCase{"EightBitPaletteBelow1078", MakeFile(With([](BmpSpec& s) {
                                      s.bits = 8;
                                      s.palette.assign(256, Rgb{});
                                      s.dataOffset = 1077;
                                  })),
                                  "mfcapp|Corrupt palette"},
                      // Compression is judged before the header size.
                      RefusalCase{"CompressedWithCoreHeader", MakeFile(With([](BmpSpec& s) {
                                      s.compression = 1;
                                      s.headerBytes = 12;
                                  })),
                                  "mfcapp|This is a compressed file\nGiving up"},
                      RefusalCase{"CompressedWithOddHeader", MakeFile(With([](BmpSpec& s) {
                                      s.compression = 2;
                                      s.headerBytes = 100;
                                  })),
                                  "mfcapp|This is a compressed file\nGiving up"},
                      RefusalCase{"SixteenBits", MakeFile(With([](BmpSpec& s) { s.bits = 16; })),
                                  "mfcapp|Unsupported BMP depth\nGiving up"},
                      RefusalCase{"ThirtyTwoBits", MakeFile(With([](BmpSpec& s) { s.bits = 32; })),
                                  "mfcapp|Unsupported BMP depth\nGiving up"},
                      RefusalCase{"CoreHeader", MakeFile(With([](BmpSpec& s) { s.headerBytes = 12; })),
                                  "mfcapp|Unsupported BMP header\nGiving up"},
                      RefusalCase{"NegativeWidth", MakeFile(With([](BmpSpec& s) { s.width = -1; })),
                                  "mfcapp|Not a valid BMP File"},
                      RefusalCase{"EndsInHeader", Cut(kPlain, 30), "mfcapp|Read Error!"},
                      RefusalCase{"EndsInPixels", Cut(kPlain, kPlain.size() - 2), "mfcapp|Read Error!"},
                      RefusalCase{"EndsInPalette",
                                  Cut(MakeFile(With([](BmpSpec& s) {
                                          s.bits = 8;
                                          s.palette.assign(256, Rgb{});
                                      })),
                                      500),
                                  "mfcapp|Read Error!"},
                      RefusalCase{"HugePaletteCount", MakeFile(With([](BmpSpec& s) {
                                      s.bits = 8;
                                      s.coloursUsed = 0xFFFFFFFF;
                                  })),
                                  "mfcapp|Read Error!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(BmpRefusalTest, KeepsThePreviousPicture) {
    EXPECT_FALSE(Load(GetParam().file));
    EXPECT_EQ(log.lines, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(holder.calls, 0);
    EXPECT_EQ(holder.Bytes(), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(BmpFileTest, HostileSizeGivesNewSizesAndNoPixels) {
    BmpSpec s;
    s.width = 3000000;
    s.height = 2000000;
    EXPECT_FALSE(Load(s));
    EXPECT_EQ(log.lines, std::vector<std::string>{kAllocFailed});
    EXPECT_EQ(holder.width, 3000000u);
    EXPECT_EQ(holder.height, 2000000u);
    EXPECT_EQ(holder.pixels, nullptr);
}

TEST_F(BmpFileTest, FilesByNameAndTheOpenMessage) {
    TempDir dir;
    const std::string missing = dir.Path("none.bmp");
    EXPECT_FALSE(LoadBmp(missing.c_str(), holder));
    EXPECT_EQ(log.lines, std::vector<std::string>{"mfcapp|Can't open file for reading :\n" + missing});
    const std::string path = dir.Write("p.bmp", kPlain);
    ASSERT_TRUE(LoadBmp(path.c_str(), holder));
    EXPECT_EQ(holder.Bytes(), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(holder.calls, 1);
}
} // namespace
