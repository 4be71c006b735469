// Where the screens draw: small probes at the corners of pictures and texts, each drawn in its own value.
#include <gtest/gtest.h>

#include <cstring>

#include "game/gfx/PixelConversion.h"
#include "game/gfx/Text.h"
#include "game/play/Globals.h"
#include "game/screens/Globals.h"
#include "game/shell/Globals.h"
#include "tests/gfx/DisplayFixture.h"

namespace {
constexpr uint16_t kGround = 1; // every background

// Every line is a solid box six pixels a byte wide and one cell high, so a text's top-left is exact.
class BoxGlyphs : public GlyphRasterizer {
  public:
    int OpenFont(int cellHeight, int, std::string_view) override {
        heights.push_back(cellHeight);
        return int(heights.size()) - 1;
    }
    bool RenderLine(int font, std::string_view utf8, CoverageBitmap& out) override {
        out.width = 6 * int(utf8.size());
        out.height = heights.at(size_t(font));
        out.pixels.assign(size_t(out.width) * size_t(out.height), 255);
        return true;
    }
    bool HasGlyph(int, uint32_t) const override { return true; }
    std::vector<int> heights;
};

// A picture of `cells` cells side by side, cell k drawn in first + k.
Surface Cells(int cellW, int cellH, int cells, uint16_t first) {
    return MakeSprite(cellW * cells, cellH, cellW, cellH,
                      [=](int x, int) { return uint16_t(first + x / cellW); });
}

Surface Ground() {
    return MakeSprite(kScreenWidth, kScreenHeight, 0, 0, [](int, int) { return kGround; });
}

class DrawPositions : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        gTextCache.SetRasterizer(&glyphs);
        gDisplay.font = MakeFont(16, 600, "Arial");
        gDisplayFont = MakeFont(32, 600, "Comic Sans MS");
        Back().Fill(kGround);
    }
    void TearDown() override {
        gTextCache.SetRasterizer(nullptr);
        gDisplayFont = kNoFont;
        DisplayTest::TearDown();
    }
    // The value at p, and that the pixels left of and above it are not that value.
    void ExpectCorner(Point p, uint16_t value) {
        EXPECT_EQ(Back().At(p.x, p.y), value) << p.x << "," << p.y;
        EXPECT_NE(Back().At(p.x - 1, p.y), value) << p.x - 1 << "," << p.y;
        EXPECT_NE(Back().At(p.x, p.y - 1), value) << p.x << "," << p.y - 1;
    }
    BoxGlyphs glyphs;
};

uint16_t Gdi(uint8_t r, uint8_t g, uint8_t b) {
    return PackColor(r, g, b);
}
} // namespace

TEST_F(DrawPositions, IntroSpeakersAnimateAtTheirPlaces) {
    CIntroScene& intro = gIntroScene;
    intro.background = Ground();
    intro.speaker1 = Cells(83, 33, 4, 100);
    intro.speaker2 = Cells(83, 33, 4, 200);
    intro.textColor = 0x00FFFFFF;
    intro.page = 0;
    gShell.frameCounter = 48; // speaker 1 shows cell 48 / 8 mod 4 = 2, speaker 2 cell 48 / 6 mod 4 = 0
    intro.Message(MsgDraw, 0, 0);
    ExpectCorner({476, 416}, 102);
    ExpectCorner({531, 418}, 200);
    EXPECT_EQ(Back().At(531 + 82, 418 + 32), 200);
    ExpectCorner({440, 320}, Gdi(255, 255, 255)); // the first line of the group
    ExpectCorner({440, 380}, Gdi(255, 255, 255)); // the fourth
    intro.background = {};
    intro.speaker1 = {};
    intro.speaker2 = {};
}

TEST_F(DrawPositions, EndingTelevisionShowsItsCellAt404And240) {
    CEndingScene& ending = gEndingScene;
    ending.background = Ground();
    ending.tvStrips[0] = Cells(156, 106, 10, 300);
    ending.tvStrips[1] = Cells(156, 106, 8, 400);
    ending.tv = TvAnimation{3, 0, 1, 5};
    ending.textX = 10;
    ending.textY = 100;
    ending.textColor = 0x00FFFFFF;
    ending.Message(MsgDraw, 0, 0);
    ExpectCorner({404, 240}, 405);
    EXPECT_EQ(Back().At(404 + 155, 240 + 105), 405);
    EXPECT_EQ(Back().At(404 + 156, 240 + 105), kGround);
    ExpectCorner({10, 100}, Gdi(255, 255, 255)); // the credits line
    ending.background = {};
    ending.tvStrips[0] = {};
    ending.tvStrips[1] = {};
}

TEST_F(DrawPositions, BonusTableMarksAMatchedCardAndAnOpenSlot) {
    CBonusScene& bonus = gBonusScene;
    bonus.Deal();
    bonus.background = {};
    bonus.backs = Cells(60, 75, 7, 500);
    bonus.openFaces = Cells(60, 75, 9, 600);
    bonus.matchedFaces = Cells(60, 75, 9, 700);
    gBonusHandPicture = Cells(15, 26, 4, 0x4000);
    bonus.cardBack = 0;
    bonus.cards[7].state = CBonusScene::Matched;
    bonus.cards[7].owner = 3; // player 2's mark
    bonus.cards[0].state = CBonusScene::FaceUp;
    bonus.slots[0][0] = 0; // player 1 holds card 0 open
    bonus.Message(MsgDraw, 0, 0);
    const uint16_t face = uint16_t(700 + bonus.cards[7].pairId);
    const uint16_t blended = uint16_t(gFadeTables.Level(16)[face] + gFadeTables.Level(15)[0x4003]);
    ExpectCorner({170, 175}, blended); // card 7: column 1, row 1
    EXPECT_EQ(Back().At(170 + 14, 175 + 25), blended);
    EXPECT_EQ(Back().At(170 + 15, 175), face);
    ExpectCorner({90, 85}, 0x4002); // player 1's mark over the open card
    EXPECT_EQ(Back().At(90 + 15, 85), uint16_t(600 + bonus.cards[0].pairId));
    ExpectCorner({250, 85}, 500); // a card face down
    bonus = CBonusScene{};
    gBonusHandPicture = {};
}

TEST_F(DrawPositions, RankingRowsStandTwentyOneApartFrom143) {
    CRankBoard& board = gRankBoard;
    board.board = Ground();
    for (int i = 0; i < CRankBoard::kRows; ++i) {
        board.table[i].score = 100 - i;
        std::memset(board.table[i].name, 0, sizeof board.table[i].name);
        std::memcpy(board.table[i].name, "Kim", 3);
    }
    board.nameEntry = 1;
    board.Message(MsgDraw, 0, 0);
    const uint16_t white = Gdi(250, 250, 250);
    for (int i = 0; i < CRankBoard::kRows; ++i) {
        ExpectCorner({275, 143 + 21 * i}, white);
        ExpectCorner({337, 143 + 21 * i}, white);
    }
    board = CRankBoard{};
}

TEST_F(DrawPositions, PackScreenTextsAndPageCounter) {
    CPackSelectScene scene;
    scene.background = Ground();
    std::strcpy(scene.info.fileName.data(), "a.zor");
    std::strcpy(scene.info.maker.data(), "Lee");
    for (int i = 0; i < CPackInfo::kLines; ++i) std::strcpy(scene.info.lines[i].data(), "line");
    scene.packCount = 3;
    scene.selectedPack = 1;
    scene.Message(MsgDraw, 0, 0);
    ExpectCorner({390, 230}, Gdi(250, 200, 250));
    ExpectCorner({390, 250}, Gdi(200, 200, 250));
    for (int i = 0; i < CPackInfo::kLines; ++i) ExpectCorner({390, 275 + 20 * i}, Gdi(200, 250, 200));
    ExpectCorner({30, 304}, Gdi(230, 230, 230));
    EXPECT_EQ(Back().At(30 + 6 * 3 - 1, 304 + 31), Gdi(230, 230, 230)); // "2/3" in the display font
    EXPECT_EQ(Back().At(30 + 6 * 3, 304), kGround);
}
