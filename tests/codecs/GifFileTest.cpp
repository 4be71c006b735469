#include "codecs/GifFile.h"

#include <gtest/gtest.h>

#include <gif_lib.h>

#include <random>

#include "codecs/ByteReader.h"
#include "tests/support/GifFiles.h"
#include "tests/support/GiflibDecode.h"
#include "tests/support/TestFiles.h"

namespace {
// Entry i is (i, 2i, 3i): every index has its own colour.
std::vector<Rgb> Ramp(size_t n) {
    std::vector<Rgb> map;
    for (size_t i = 0; i < n; ++i) map.push_back({uint8_t(i), uint8_t(i * 2), uint8_t(i * 3)});
    return map;
}

struct Decoded {
    std::unique_ptr<uint8_t[]> rgb;
    uint32_t width = 77, height = 77;
    std::string error;
};

Decoded Read(const std::vector<uint8_t>& file) {
    GifFile gif;
    Decoded d;
    d.rgb = gif.GIFReadFromMemory(file.data(), file.size(), &d.width, &d.height);
    d.error = gif.m_errorText;
    return d;
}

// The map index behind each decoded pixel of a Ramp map.
std::vector<uint8_t> Indices(const Decoded& d) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < size_t(d.width) * d.height; ++i) out.push_back(d.rgb[i * 3]);
    return out;
}

std::vector<uint8_t> OnePicture(const std::vector<uint8_t>& values, uint16_t w, uint16_t h,
                                const char* version = "89a") {
    GifImage im;
    im.width = w;
    im.height = h;
    im.values = values;
    return GifBuilder(w, h, Ramp(256), version).Image(im).Done();
}

TEST(GifFileTest, Gif87aAndGif89aDecodeAlike) {
    std::vector<uint8_t> values(12 * 5);
    for (size_t i = 0; i < values.size(); ++i) values[i] = uint8_t(i * 37);
    const Decoded a = Read(OnePicture(values, 12, 5, "87a")), b = Read(OnePicture(values, 12, 5, "89a"));
    ASSERT_TRUE(a.rgb && b.rgb);
    EXPECT_EQ(Indices(a), values);
    EXPECT_EQ(Indices(b), values);
    EXPECT_EQ(a.width, 12u);
    EXPECT_EQ(a.height, 5u);
    EXPECT_EQ(b.rgb[3 * 7 + 2], uint8_t(values[7] * 3)) << "blue comes from the third plane";
}

// Round trips through the encoder: long runs fill the table, with and without a clear when it is full.
TEST(GifFileTest, FullTablesDecodeWithClearAndWithout) {
    std::mt19937 random(7);
    for (bool clearWhenFull : {true, false}) {
        std::vector<uint8_t> values(200 * 150);
        for (uint8_t& v : values) v = uint8_t(random() % 16);
        GifImage im;
        im.width = 200;
        im.height = 150;
        im.minCodeSize = 4;
        std::vector<uint8_t> file = GifBuilder(200, 150, Ramp(16)).bytes;
        file.insert(file.end(), {',', 0, 0, 0, 0, 200, 0, 150, 0, 0, 4});
        const std::vector<uint8_t> data = LzwEncode(values, 4, clearWhenFull);
        file.insert(file.end(), data.begin(), data.end());
        file.push_back(';');
        const Decoded d = Read(file);
        ASSERT_TRUE(d.rgb) << d.error;
        EXPECT_EQ(Indices(d), values) << "clear when full: " << clearWhenFull;
    }
}

// The rows as giflib's own encoder writes them (minimum code size 2 and up, a clear when the table is
// full): the decoder is held to a writer that shares none of its rules.
int AppendBytes(GifFileType* gif, const GifByteType* data, int n) {
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + n);
    return n;
}

std::vector<uint8_t> EncodeWithGiflib(const std::vector<uint8_t>& values, int width, int height,
                                      int colours) {
    std::vector<uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendBytes, &error);
    ColorMapObject* map = GifMakeMapObject(colours, nullptr);
    for (int i = 0; i < colours; ++i) map->Colors[i] = {uint8_t(i), uint8_t(i * 2), uint8_t(i * 3)};
    bool ok = gif && EGifPutScreenDesc(gif, width, height, map->BitsPerPixel, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row = std::vector<GifPixelType>(size_t(width));
    for (int y = 0; ok && y < height; ++y) {
        std::copy_n(values.begin() + long(y) * width, width, row.begin());
        ok = EGifPutLine(gif, row.data(), width) == GIF_OK;
    }
    GifFreeMapObject(map);
    if (gif && EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    return ok ? out : std::vector<uint8_t>{};
}

TEST(GifFileTest, FilesFromGiflibsEncoderDecodeToTheirValues) {
    std::mt19937 random(11);
    for (int colours : {2, 4, 16, 256}) {
        // Noise fills the table (so the writer clears it), runs make codes that are about to be defined.
        const int w = 160, h = 120;
        std::vector<uint8_t> values(size_t(w) * h);
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = uint8_t(i < values.size() / 2 ? random() % colours : (i / 37) % colours);
        const std::vector<uint8_t> file = EncodeWithGiflib(values, w, h, colours);
        ASSERT_FALSE(file.empty());
        const Decoded d = Read(file);
        ASSERT_TRUE(d.rgb) << d.error;
        EXPECT_EQ(Indices(d), values) << colours << " colours";
    }
}

// Minimum code sizes 0 and 1 (which giflib's encoder never writes) from codes written out by hand with
// their widths: the code after a clear is already one bit wider. giflib's decoder agrees.
struct HandCodedCase {
    const char* name;
    uint8_t minCodeSize;
    uint16_t width, height;
    std::vector<SizedCode> codes;
    std::vector<uint8_t> pixels; // map indices
};
class GifHandCodedTest : public ::testing::TestWithParam<HandCodedCase> {};

const std::vector<Rgb> kBright = {{200, 100, 50}, {20, 40, 60}, {90, 90, 90}, {5, 250, 5}};

TEST_P(GifHandCodedTest, DecodesAsGiflibDoes) {
    const HandCodedCase& c = GetParam();
    GifImage im;
    im.width = c.width;
    im.height = c.height;
    im.minCodeSize = c.minCodeSize;
    const std::vector<uint8_t> file =
        GifBuilder(c.width, c.height, kBright).RawImage(im, SubBlocks(PackCodes(c.codes))).Done();
    std::vector<uint8_t> expected;
    for (uint8_t v : c.pixels) expected.insert(expected.end(), {kBright[v].r, kBright[v].g, kBright[v].b});
    TempDir dir;
    GiflibImage reference;
    ASSERT_TRUE(GiflibFirstImage(dir.Write("hand.gif", file).c_str(), reference));
    ASSERT_EQ(reference.rgb, expected) << "the case itself is wrong";
    const Decoded d = Read(file);
    ASSERT_TRUE(d.rgb) << d.error;
    EXPECT_EQ(std::vector<uint8_t>(d.rgb.get(), d.rgb.get() + expected.size()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    SmallCodeSizes, GifHandCodedTest,
    ::testing::Values(
        // Clear 2, end 3. 1 at three bits; 5 is the code being defined (1 + 1); a second clear goes back
        // to two bits for one code.
        HandCodedCase{
            "One",
            1,
            5,
            3,
            {{2, 2}, {0, 2}, {1, 3}, {5, 3}, {4, 3}, {6, 3}, {2, 4}, {1, 2}, {0, 3}, {4, 3}, {5, 3}, {3, 3}},
            {0, 1, 1, 1, 0, 1, 1, 1, 0, 1, 0, 1, 0, 0, 1}},
        // Clear 1, end 2: one bit, then two, then three.
        HandCodedCase{
            "Zero", 0, 4, 2, {{1, 1}, {0, 1}, {3, 2}, {3, 3}, {4, 3}, {2, 3}}, {0, 0, 0, 0, 0, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GifFileTest, FileCutInsideASubBlockKeepsWhatItHas) {
    GifImage im;
    im.width = 4;
    im.height = 2;
    im.minCodeSize = 2;
    // The block announces 10 bytes; the file ends after the two that hold clear, 1, 2, 3, 0.
    const std::vector<uint8_t> data = PackCodes({{4, 3}, {1, 3}, {2, 3}, {3, 3}, {0, 3}});
    const std::vector<uint8_t> file = GifBuilder(4, 2, kBright).RawImage(im, {10, data[0], data[1]}).bytes;
    const Decoded d = Read(file);
    ASSERT_TRUE(d.rgb) << d.error;
    const std::vector<uint8_t> expected = {20, 40, 60, 90, 90, 90, 5, 250, 5, 200, 100, 50,
                                           0,  0,  0,  0,  0,  0,  0, 0,   0, 0,   0,   0};
    EXPECT_EQ(std::vector<uint8_t>(d.rgb.get(), d.rgb.get() + expected.size()), expected);
}

// Row y of the output holds the stored row order[y].
struct InterlaceCase {
    uint16_t height;
    std::vector<uint32_t> storedOrder; // output rows in the order the data fills them
};
class GifInterlaceTest : public ::testing::TestWithParam<InterlaceCase> {};

TEST_P(GifInterlaceTest, RowsArriveInPassOrder) {
    const InterlaceCase& c = GetParam();
    GifImage im;
    im.width = 2;
    im.height = c.height;
    im.interlaced = true;
    for (uint16_t i = 0; i < c.height; ++i) im.values.insert(im.values.end(), {uint8_t(i), uint8_t(i)});
    const Decoded d = Read(GifBuilder(2, c.height, Ramp(256)).Image(im).Done());
    ASSERT_TRUE(d.rgb) << d.error;
    for (size_t stored = 0; stored < c.storedOrder.size(); ++stored)
        EXPECT_EQ(d.rgb[c.storedOrder[stored] * 6], stored) << "stored row " << stored;
}

INSTANTIATE_TEST_SUITE_P(
    Heights, GifInterlaceTest,
    ::testing::Values(InterlaceCase{16, {0, 8, 4, 12, 2, 6, 10, 14, 1, 3, 5, 7, 9, 11, 13, 15}},
                      InterlaceCase{3, {0, 2, 1}}, InterlaceCase{1, {0}}, InterlaceCase{5, {0, 4, 2, 1, 3}}));

TEST(GifFileTest, LocalMapWinsAndPositionIsIgnored) {
    GifImage im;
    im.left = 30;
    im.top = 40;
    im.width = 2;
    im.height = 1;
    im.localMap = {{9, 8, 7}, {6, 5, 4}};
    im.values = {1, 0};
    const Decoded d = Read(GifBuilder(4, 4, Ramp(2)).Image(im).Done());
    ASSERT_TRUE(d.rgb) << d.error;
    EXPECT_EQ(d.width, 2u);
    EXPECT_EQ(d.height, 1u);
    EXPECT_EQ(std::vector<uint8_t>(d.rgb.get(), d.rgb.get() + 6), (std::vector<uint8_t>{6, 5, 4, 9, 8, 7}));
}

TEST(GifFileTest, ExtensionsAreSkippedAndOnlyTheFirstImageIsRead) {
    GifImage first, second;
    first.width = second.width = 1;
    first.height = second.height = 1;
    first.values = {3};
    second.values = {5};
    // A graphic control block making index 3 transparent: ignored, the pixel keeps its colour.
    const Decoded d = Read(GifBuilder(1, 1, Ramp(8))
                               .Extension(0xFE, {'h', 'i'})
                               .Extension(0xF9, {1, 0, 0, 3})
                               .Extension(0x2A, {})
                               .Image(first)
                               .Image(second)
                               .Done());
    ASSERT_TRUE(d.rgb) << d.error;
    EXPECT_EQ(d.rgb[0], 3);
    EXPECT_EQ(d.rgb[2], 9);
}

TEST(GifFileTest, ValuesPastTheMapAreBlackAndMissingRowsAreBlack) {
    GifImage im;
    im.width = 3;
    im.height = 2;
    im.minCodeSize = 3;
    im.values = {1, 6, 1}; // the data ends after the first row
    const Decoded d = Read(GifBuilder(3, 2, {{10, 10, 10}, {20, 30, 40}}).Image(im).Done());
    ASSERT_TRUE(d.rgb) << d.error;
    EXPECT_EQ(std::vector<uint8_t>(d.rgb.get(), d.rgb.get() + 18),
              (std::vector<uint8_t>{20, 30, 40, 0, 0, 0, 20, 30, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// One failure per row: the bytes, and the text left in m_errorText.
struct FailureCase {
    const char* name;
    std::vector<uint8_t> file;
    std::string text;
};
class GifFailureTest : public ::testing::TestWithParam<FailureCase> {};

std::vector<uint8_t> Cut(std::vector<uint8_t> f, size_t n) {
    f.resize(n);
    return f;
}

// A 1 x 1 image with the given data sub-blocks (by default one byte of set bits).
std::vector<uint8_t> WithCode(uint8_t minCodeSize, bool local,
                              const std::vector<uint8_t>& blocks = {1, 0xFF, 0}) {
    std::vector<uint8_t> f = GifBuilder(1, 1, Ramp(2)).bytes;
    f.insert(f.end(), {',', 0, 0, 0, 0, 1, 0, 1, 0, uint8_t(local ? 0x80 : 0)});
    if (local) f.insert(f.end(), {1, 1, 1, 2, 2, 2});
    f.push_back(minCodeSize);
    f.insert(f.end(), blocks.begin(), blocks.end());
    f.push_back(';');
    return f;
}

const std::vector<uint8_t> kGood = OnePicture({1, 2}, 2, 1);
constexpr size_t kMapEnd = 13 + 256 * 3;
const std::string kGlobalData = "Error reading GIF file\nGIFScreen Colormap\nGiving up";

INSTANTIATE_TEST_SUITE_P(
    Stages, GifFailureTest,
    ::testing::Values(
        FailureCase{"Magic", Cut(kGood, 5), "Error reading GIF Magic #\n"},
        FailureCase{"NotGif", {'G', 'I', 'X', '8', '9', 'a'}, "Error,  is not a valid .GIF file"},
        FailureCase{
            "Gif90a", {'G', 'I', 'F', '9', '0', 'a', 1, 0, 1, 0, 0, 0, 0}, "Error, Bad GIF Version number"},
        FailureCase{"Screen", Cut(kGood, 12), "Error, failed to GIF read screen descriptor.\nGiving up"},
        FailureCase{"GlobalMap", Cut(kGood, 100), "Error reading GIF colormap"},
        FailureCase{"NoBlock", Cut(kGood, kMapEnd), "Unexpected EOF in GIF.\nGiving up"},
        FailureCase{"OnlyTrailer", Cut(kGood, kMapEnd) + std::vector<uint8_t>{';'},
                    "Unexpected EOF in GIF.\nGiving up"},
        FailureCase{"Extension", Cut(kGood, kMapEnd) + std::vector<uint8_t>{'!'},
                    "Error on extension read.\nGiving up"},
        FailureCase{"Descriptor", Cut(kGood, kMapEnd + 6), "Error on dimension read\nGiving up"},
        FailureCase{"LocalMap", Cut(WithCode(2, true), kMapEnd - 256 * 3 + 6 + 10 + 3),
                    "Error reading GIF colormap\nGiving up"},
        FailureCase{"CodeSizeAbove8", WithCode(9, false), kGlobalData},
        FailureCase{"CodeSizeAbove8Local", WithCode(12, true),
                    "Error reading GIF file\nLocalColorMap\nGiving up"},
        FailureCase{"CodePastTable", WithCode(2, false), kGlobalData},
        // Clear 4, end 5: 6 is the next free code, but after a clear there is no string to extend.
        FailureCase{"NextFreeCodeRightAfterClear", WithCode(2, false, SubBlocks(PackCodes({{4, 3}, {6, 3}}))),
                    kGlobalData},
        FailureCase{"NextFreeCodeFirst", WithCode(2, false, SubBlocks(PackCodes({{6, 3}}))), kGlobalData},
        FailureCase{"HugeImage",
                    Cut(kGood, kMapEnd) + std::vector<uint8_t>{',', 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0},
                    "Out of Memory in GIFRead"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(GifFailureTest, LeavesItsTextAndTheSizes) {
    const Decoded d = Read(GetParam().file);
    EXPECT_EQ(d.rgb, nullptr);
    EXPECT_EQ(d.error, GetParam().text);
    EXPECT_EQ(d.width, 77u);
    EXPECT_EQ(d.height, 77u);
}

TEST(GifFileTest, FileNamesInMessagesAndReadingAgainAfterAFailure) {
    TempDir dir;
    GifFile gif;
    EXPECT_EQ(gif.m_errorText, "No Error");
    uint32_t w = 0, h = 0;
    EXPECT_EQ(gif.GIFRead("", &w, &h), nullptr);
    EXPECT_EQ(gif.m_errorText, "No Name Given");
    const std::string missing = dir.Path("none.gif");
    EXPECT_EQ(gif.GIFRead(missing.c_str(), &w, &h), nullptr);
    EXPECT_EQ(gif.m_errorText, "Cant open GIF :\n" + missing);
    const std::string text = dir.Write("t.gif", {'P', 'N', 'G', '8', '9', 'a'});
    EXPECT_EQ(gif.GIFRead(text.c_str(), &w, &h), nullptr);
    EXPECT_EQ(gif.m_errorText, "Error, " + text + " is not a valid .GIF file");
    const std::string good = dir.Write("g.gif", kGood);
    const auto rgb = gif.GIFRead(good.c_str(), &w, &h);
    ASSERT_NE(rgb, nullptr);
    EXPECT_EQ(w, 2u);
    EXPECT_EQ(h, 1u);
    EXPECT_EQ(rgb[3], 2);
}
} // namespace
