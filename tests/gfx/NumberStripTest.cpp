#include "tests/gfx/DisplayFixture.h"

namespace {
constexpr int kDigitW = 16, kDigitH = 8;
// Digit d's cell is filled with d + 1, except its last column, which is the colour key.
uint16_t DigitPixel(int x, int) {
    return x % kDigitW == kDigitW - 1 ? 0 : uint16_t(x / kDigitW + 1);
}

class DrawNumberTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        Back().Fill(kBackground);
        gNumberStrip.digits = MakeSprite(10 * kDigitW, kDigitH, kDigitW, kDigitH, DigitPixel);
        gNumberStrip.digitWidth = kDigitW;
        gNumberStrip.digitHeight = kDigitH;
    }
    void TearDown() override {
        gNumberStrip = NumberStrip{};
        DisplayTest::TearDown();
    }
    // What row 433 shows from x = 250 to 299, one character per pixel: '.' background, '_' key, else digit.
    std::string Row() const {
        std::string out;
        for (int x = 250; x < 300; ++x) {
            const uint16_t v = gDisplay.lowDDBack->At(x, 433);
            out += v == kBackground ? '.' : v == 0 ? '_' : char('0' + v - 1);
        }
        return out;
    }
    static constexpr uint16_t kBackground = 0x5555;
};

struct NumberCase {
    int value;
    const char* row;
};
class DrawNumberRow : public DrawNumberTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(DrawNumberRow, DigitsStandHalfACellApartRightAligned) {
    DrawNumber(282, 433, GetParam().value);
    EXPECT_EQ(Row(), GetParam().row);
}

// 120: 0 at 282, 2 at 274 over it, 1 at 266 over that; each digit's key column lets the one below show.
INSTANTIATE_TEST_SUITE_P(
    Values, DrawNumberRow,
    ::testing::Values(NumberCase{0, "................................000000000000000..."},
                      NumberCase{120, "................1111111111111112222222200000000..."},
                      NumberCase{7, "................................777777777777777..."},
                      NumberCase{-5, ".................................................."}));

TEST_F(DrawNumberTest, DigitsThatDoNotFitAreNotDrawn) {
    DrawNumber(5, 0, 123);
    EXPECT_EQ(Back().At(5, 0), 4);           // the 3
    EXPECT_EQ(Back().At(0, 0), kBackground); // the 2 at -3 and the 1 at -11 are refused whole
}
} // namespace
