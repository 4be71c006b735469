#include "codecs/JpegFile.h"

#include <gtest/gtest.h>

#include "codecs/CodecMessages.h"
#include "codecs/RgbPicture.h"
#include "tests/support/JpegEncode.h"
#include "tests/support/MessageLog.h"
#include "tests/support/TestFiles.h"

namespace {
class JpegFileTest : public ::testing::Test {
  protected:
    void SetUp() override { SetCodecMessageBox(&log); }
    void TearDown() override { SetCodecMessageBox(nullptr); }
    MessageLog log;
    TempDir dir;
};

std::vector<uint8_t> Gradient(int w, int h, int components) {
    std::vector<uint8_t> p(size_t(w) * h * components);
    for (size_t i = 0; i < p.size(); ++i) p[i] = uint8_t(i * 7);
    return p;
}

TEST_F(JpegFileTest, GreyscaleGivesEqualComponentsOfTheStoredLevel) {
    // Two flat halves, dark on the left and light on the right; the quality keeps them near their levels.
    std::vector<uint8_t> grey(16 * 8);
    for (size_t i = 0; i < grey.size(); ++i) grey[i] = i % 16 < 8 ? 40 : 200;
    const auto path = dir.Write("g.jpg", EncodeJpeg(grey, 16, 8, 1, JCS_GRAYSCALE, 100));
    uint32_t w = 9, h = 9;
    auto rgb = JpegFile::ReadRgb(path.c_str(), &w, &h);
    ASSERT_NE(rgb, nullptr);
    EXPECT_EQ(w, 16u);
    EXPECT_EQ(h, 8u);
    for (size_t i = 0; i < size_t(w) * h * 3; i += 3) {
        ASSERT_EQ(rgb[i], rgb[i + 1]) << i;
        ASSERT_EQ(rgb[i], rgb[i + 2]) << i;
        ASSERT_NEAR(rgb[i], grey[i / 3], 4) << i;
    }
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(JpegFileTest, MissingFileShowsTheOpenMessage) {
    uint32_t w = 5, h = 5;
    const std::string path = dir.Path("none.jpg");
    EXPECT_EQ(JpegFile::ReadRgb(path.c_str(), &w, &h), nullptr);
    EXPECT_EQ(w, 0u);
    EXPECT_EQ(h, 0u);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0], "Error|JPEG :\nCan't open " + path + "\n");
}

TEST_F(JpegFileTest, NotAJpegShowsTheLibraryMessageAsFatal) {
    const auto path = dir.Write("x.jpg", std::vector<uint8_t>(100, 'x'));
    uint32_t w = 0, h = 0;
    EXPECT_EQ(JpegFile::ReadRgb(path.c_str(), &w, &h), nullptr);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].rfind("JPEG Fatal Error|Not a JPEG file", 0), 0u) << log.lines[0];
}

TEST_F(JpegFileTest, TruncatedFileWarnsOnceAndStillDecodes) {
    auto bytes = EncodeJpeg(Gradient(64, 64, 3), 64, 64, 3, JCS_RGB);
    bytes.resize(bytes.size() / 3);
    const auto path = dir.Write("t.jpg", bytes);
    uint32_t w = 0, h = 0;
    EXPECT_NE(JpegFile::ReadRgb(path.c_str(), &w, &h), nullptr);
    EXPECT_EQ(w, 64u);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].rfind("JPEG Error|", 0), 0u);
}

// The header's size is checked before anything of that size is allocated.
TEST_F(JpegFileTest, PictureOver4096IsRefused) {
    const auto bytes = EncodeJpeg(std::vector<uint8_t>(4097 * 3, 128), 4097, 1, 3, JCS_RGB);
    uint32_t w = 0, h = 0;
    EXPECT_EQ(JpegFile::ReadRgbFromMemory(bytes.data(), bytes.size(), &w, &h), nullptr);
    EXPECT_EQ(w, 0u);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Error|JpegFile :\nPicture too large (4097 x 1)"});
    const auto edge = EncodeJpeg(std::vector<uint8_t>(4096 * 3, 128), 4096, 1, 3, JCS_RGB);
    EXPECT_NE(JpegFile::ReadRgbFromMemory(edge.data(), edge.size(), &w, &h), nullptr);
}

// A caller with room for larger pictures passes its own bound on sides and on the pixel count.
TEST_F(JpegFileTest, CallersLimitsDecideWhatIsTooLarge) {
    const auto bytes = EncodeJpeg(std::vector<uint8_t>(5000 * 2 * 3, 9), 5000, 2, 3, JCS_RGB);
    uint32_t w = 0, h = 0;
    EXPECT_NE(JpegFile::ReadRgbFromMemory(bytes.data(), bytes.size(), &w, &h, {8000, 10000}), nullptr);
    EXPECT_EQ(w, 5000u);
    EXPECT_EQ(JpegFile::ReadRgbFromMemory(bytes.data(), bytes.size(), &w, &h, {8000, 9999}), nullptr);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Error|JpegFile :\nPicture too large (5000 x 2)"});
}

// A greyscale progressive file of 1 + 1 + 63 + 63 = 128 scans: each AC band sent in two passes.
std::vector<uint8_t> ManyScanJpeg() {
    std::vector<jpeg_scan_info> scans;
    scans.push_back({1, {0}, 0, 0, 0, 1});
    scans.push_back({1, {0}, 0, 0, 1, 0});
    for (int k = 1; k < 64; ++k) scans.push_back({1, {0}, k, k, 0, 1});
    for (int k = 1; k < 64; ++k) scans.push_back({1, {0}, k, k, 1, 0});
    constexpr int kLibraryDefaultQuality = 75;
    return EncodeJpeg(std::vector<uint8_t>(8 * 8, 77), 8, 8, 1, JCS_GRAYSCALE, kLibraryDefaultQuality,
                      &scans);
}

// Thousands of tiny scans would make a single picture decode for minutes: more than 100 is refused.
TEST_F(JpegFileTest, StreamWithTooManyScansIsRefused) {
    const auto bytes = ManyScanJpeg();
    uint32_t w = 0, h = 0;
    EXPECT_EQ(JpegFile::ReadRgbFromMemory(bytes.data(), bytes.size(), &w, &h), nullptr);
    EXPECT_EQ(log.lines,
              std::vector<std::string>{"JPEG Fatal Error|JPEG datastream has more than 100 scans"});
}

// Four-component files are stored inverted; each channel is scaled by K: 200 x 128 / 255 -> 100.
TEST_F(JpegFileTest, CmykIsConvertedToRgb) {
    std::vector<uint8_t> cmyk;
    for (int i = 0; i < 64; ++i) cmyk.insert(cmyk.end(), {200, 255, 0, 128});
    const auto bytes = EncodeJpeg(cmyk, 8, 8, 4, JCS_CMYK, 100);
    uint32_t w = 0, h = 0;
    auto rgb = JpegFile::ReadRgbFromMemory(bytes.data(), bytes.size(), &w, &h);
    ASSERT_NE(rgb, nullptr);
    EXPECT_NEAR(rgb[0], 100, 1);
    EXPECT_NEAR(rgb[1], 128, 1);
    EXPECT_NEAR(rgb[2], 0, 1);
}

TEST_F(JpegFileTest, PictureHolderIsBottomUpBgrWithPaddedRows) {
    std::vector<uint8_t> pixels(16 * 16 * 3, 0);
    for (size_t i = 0; i < 16 * 16; ++i) pixels[i * 3 + (i < 8 * 16 ? 2 : 0)] = 255; // top blue, bottom red
    const auto path = dir.Write("p.jpg", EncodeJpeg(pixels, 16, 16, 3, JCS_RGB, 100));
    RgbPicture picture;
    ASSERT_TRUE(picture.LoadJpeg(path.c_str()));
    EXPECT_EQ(picture.m_rowBytes, 48u);
    const uint8_t* bottom = picture.m_pImage.get(); // stored first
    const uint8_t* top = picture.m_pImage.get() + 15 * 48;
    EXPECT_GT(bottom[2], 200);
    EXPECT_LT(bottom[0], 50);
    EXPECT_GT(top[0], 200);
    EXPECT_LT(top[2], 50);

    const auto small = dir.Write("s.jpg", EncodeJpeg(std::vector<uint8_t>(6, 90), 3, 2, 1, JCS_GRAYSCALE));
    ASSERT_TRUE(picture.LoadJpeg(small.c_str()));
    EXPECT_EQ(picture.m_rowBytes, 12u);

    EXPECT_FALSE(picture.LoadJpeg(dir.Path("none.jpg").c_str()));
    EXPECT_EQ(picture.m_pImage, nullptr);
    EXPECT_EQ(picture.m_width, 0u);
}
} // namespace
