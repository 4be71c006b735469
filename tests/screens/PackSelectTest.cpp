#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "game/control/Globals.h"
#include "game/gfx/Archive.h"
#include "game/screens/Globals.h"
#include "game/screens/PackInfo.h"
#include "game/texts/GameTexts.h"
#include "tests/gfx/DisplayFixture.h"
#include "tests/screens/ScreenFixture.h"
#include "tests/sound/CapturingBox.h"
#include "tests/support/JpegEncode.h"
#include "tools/common/ArchiveWriter.h"

namespace {
// The selection screen over packs that are counted but not opened, so no preview loads.
class PackSelectTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        gInput = InputState{};
        gController.packCount = 0;
        for (auto& pack : gController.packs) pack.reset();
        gPackSelectScene = CPackSelectScene{};
        CapturingBox pictureErrors; // no archive is open: only the buttons matter here
        gPackSelectScene.Message(MsgLoad, 0, 0);
    }
    void Enter(int packs) {
        gController.packCount = packs;
        gPackSelectScene.Message(MsgEnter, 0, 0);
    }
    // One frame with the menu pen's tip inside the button and the left button held.
    int Press(int button) {
        const Rect r = gPackSelectScene.buttons[button];
        gMenuPen.x = r.left + 1 - Pen::kTipX;
        gMenuPen.y = r.top + 1 - Pen::kTipY;
        gInput.mouseLeft = 1;
        const int answer = gPackSelectScene.Message(MsgUpdate, 0, 0);
        gInput.mouseLeft = 0;
        return answer;
    }
};

struct NavigationCase {
    const char* name;
    int packs;
    int start; // selected before the press
    int button;
    int selected;
};

class Navigation : public PackSelectTest, public ::testing::WithParamInterface<NavigationCase> {};
} // namespace

TEST_P(Navigation, KeepsTheSelectionAmongThePacks) {
    const NavigationCase& c = GetParam();
    Enter(c.packs);
    gPackSelectScene.selectedPack = c.start;
    EXPECT_EQ(Press(c.button), c.button);
    EXPECT_EQ(gPackSelectScene.selectedPack, c.selected);
}

INSTANTIATE_TEST_SUITE_P(Buttons, Navigation,
                         ::testing::Values(NavigationCase{"OnePackPrevious", 1, 0, 1, 0},
                                           NavigationCase{"OnePackNext", 1, 0, 2, 0},
                                           NavigationCase{"OnePackFirst", 1, 0, 0, 0},
                                           NavigationCase{"OnePackLast", 1, 0, 3, 0},
                                           NavigationCase{"ThreePacksNextAtTheLast", 3, 2, 2, 2},
                                           NavigationCase{"ThreePacksNext", 3, 0, 2, 1},
                                           NavigationCase{"ThreePacksLast", 3, 0, 3, 2},
                                           NavigationCase{"ThreePacksPreviousAtTheFirst", 3, 0, 1, 0},
                                           NavigationCase{"ThreePacksFirst", 3, 2, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PackSelectTest, HoverSoundsOnceAndHighlightsWithoutAChoice) {
    Enter(3);
    const Rect r = gPackSelectScene.buttons[CPackSelectScene::OnePlayer];
    gMenuPen.x = r.left - Pen::kTipX;
    gMenuPen.y = r.top - Pen::kTipY;
    EXPECT_EQ(gPackSelectScene.Message(MsgUpdate, 0, 0), -1);
    EXPECT_EQ(gPackSelectScene.Message(MsgUpdate, 0, 0), -1);
    EXPECT_EQ(gPackSelectScene.highlight, CPackSelectScene::OnePlayer);
    EXPECT_EQ(Plays(EffectMouseOver), 1);
    gMenuPen.y = 0;
    EXPECT_EQ(gPackSelectScene.Message(MsgUpdate, 0, 0), -1);
    EXPECT_EQ(gPackSelectScene.highlight, -1);
    EXPECT_EQ(Plays(EffectMouseClick), 0);
}

// Two real packs of one picture each, of different sizes, the second with an info file.
class OpenPacksTest : public PackSelectTest {
  protected:
    void SetUp() override {
        PackSelectTest::SetUp();
        MakePack("a.zor", 16, 8);
        MakePack("b.zor", 24, 16);
        std::vector<uint8_t> info(CPackInfo::kFileBytes, 0);
        info[0] = 4;
        std::memcpy(&info[1], "Lee", 3);
        dir.Write("b.dat", info);
        Enter(2);
    }
    void TearDown() override {
        for (auto& pack : gController.packs) pack.reset();
        gController.packCount = 0;
        gController.stagePicture = {};
        PackSelectTest::TearDown();
    }
    void MakePack(const std::string& name, int w, int h) {
        ArchiveWriter writer;
        writer.Add("p.jpg", EncodeJpeg(std::vector<uint8_t>(size_t(w) * h * 3, 99), w, h, 3, JCS_RGB));
        writer.Add("p.map", std::vector<uint8_t>(80, 0));
        ASSERT_TRUE(writer.WriteTo(Here(name)));
        auto pack = std::make_unique<Archive>();
        pack->Open(Here(name));
        gController.packs[gController.packCount++] = std::move(pack);
    }
    int PreviewWidth() const { return gController.stagePicture.width; }
};

TEST_F(OpenPacksTest, EnteringShowsTheFirstPackAndEveryMoveReloadsPreviewAndInfo) {
    EXPECT_EQ(PreviewWidth(), 16);
    EXPECT_STREQ(gPackSelectScene.info.fileName.data(), "a.zor");
    EXPECT_STREQ(gPackSelectScene.info.maker.data(), "QAN TEAM");
    struct Move {
        int button;
        int width;
        const char* file;
        const char* maker;
    };
    for (const Move& m : {Move{CPackSelectScene::Next, 24, "b.zor", "Lee"},
                          Move{CPackSelectScene::Previous, 16, "a.zor", "QAN TEAM"},
                          Move{CPackSelectScene::Last, 24, "b.zor", "Lee"},
                          Move{CPackSelectScene::First, 16, "a.zor", "QAN TEAM"}}) {
        EXPECT_EQ(Press(m.button), m.button);
        EXPECT_EQ(PreviewWidth(), m.width) << m.button;
        EXPECT_STREQ(gPackSelectScene.info.fileName.data(), m.file) << m.button;
        EXPECT_STREQ(gPackSelectScene.info.maker.data(), m.maker) << m.button;
    }
    EXPECT_EQ(gPackSelectScene.info.stars, 3);
}

TEST(PackInfoFile, NameIsLowerCaseWithDatForEveryZorAndTheEnglishTwinEndsInEnDat) {
    EXPECT_EQ(PackInfoFileName("Animals.ZOR"), "animals.dat");
    EXPECT_EQ(PackInfoFileName("A.zor.Zor"), "a.dat.dat");
    EXPECT_EQ(EnglishPackInfoFileName("Animals.ZOR"), "animals.en.dat");
    EXPECT_EQ(EnglishPackInfoFileName("A.zor.Zor"), "a.dat.en.dat");
    EXPECT_EQ(EnglishPackInfoFileName("01_park.zor"), "01_park.en.dat");
}

// The English edition takes the English twin when there is one, else the Korean file, else its own defaults;
// the Korean edition never reads the twin.
TEST_F(PackSelectTest, TheEnglishEditionPrefersTheEnglishTwin) {
    std::vector<uint8_t> korean(CPackInfo::kFileBytes, 0), english(CPackInfo::kFileBytes, 0);
    korean[0] = 2;
    std::memcpy(&korean[33], "\xB0\xA1", 2);
    english[0] = 4;
    std::memcpy(&english[33], "Park", 4);
    dir.Write("both.dat", korean);
    dir.Write("both.en.dat", english);
    dir.Write("korean.dat", korean);
    struct Row {
        Language language;
        const char* pack;
        int stars;
        const char* line1;
        const char* line3;
    };
    for (const Row& row : {Row{Language::English, "Both.zor", 4, "Park", ""},
                           Row{Language::English, "korean.zor", 2, "\xB0\xA1", ""},
                           Row{Language::English, "none.zor", 3, "", "No information on this pack."},
                           Row{Language::Korean, "both.zor", 2, "\xB0\xA1", ""}}) {
        SetGameLanguage(row.language);
        const CPackInfo info = ReadPackInfo(row.pack);
        EXPECT_EQ(info.stars, row.stars) << row.pack;
        EXPECT_STREQ(info.lines[0].data(), row.line1) << row.pack;
        EXPECT_STREQ(info.lines[2].data(), row.line3) << row.pack;
    }
    SetGameLanguage(Language::Korean);
}

TEST_F(PackSelectTest, WithoutAnInfoFileTheDefaultsShow) {
    const CPackInfo info = ReadPackInfo("a.zor");
    EXPECT_EQ(info.stars, 3);
    EXPECT_STREQ(info.fileName.data(), "a.zor");
    EXPECT_STREQ(info.maker.data(), "QAN TEAM");
    EXPECT_STREQ(info.lines[0].data(), "");
    EXPECT_STREQ(info.lines[2].data(), "\xBA\xBB\xC8\xAD\xC0\xCF\xC0\xC7 \xC1\xA4\xBA\xB8\xB0\xA1 "
                                       "\xBE\xF8\xBD\xC0\xB4\xCF\xB4\xD9.");
    EXPECT_STREQ(info.lines[3].data(), "\xC1\xF1\xB0\xCC\xB0\xD4 \xB0\xD4\xC0\xD3\xC0\xBB "
                                       "\xC1\xF1\xB1\xE2\xBC\xBC\xBF\xA9");
}

TEST_F(PackSelectTest, TheInfoFileIsReadAsStored) {
    std::vector<uint8_t> bytes(CPackInfo::kFileBytes, 0);
    bytes[0] = 5;
    std::memcpy(&bytes[1], "Kim", 3);
    std::memcpy(&bytes[33], "%d of %s", 8);
    std::memset(&bytes[161], 'z', 32); // the last field full, without its terminator
    dir.Write("animals.dat", bytes);
    const CPackInfo info = ReadPackInfo("Animals.ZOR");
    EXPECT_EQ(info.stars, 5);
    EXPECT_STREQ(info.maker.data(), "Kim");
    EXPECT_STREQ(info.lines[0].data(), "%d of %s");
    EXPECT_EQ(std::string(info.lines[4].data()), std::string(32, 'z'));
    EXPECT_STREQ(info.fileName.data(), "Animals.ZOR");
}

struct FileNameCase {
    const char* name;
    std::string fileName; // as the file system spells it (UTF-8)
    std::string shown;    // code page 949, at most 31 bytes, never half a character
};

class FileNames : public PackSelectTest, public ::testing::WithParamInterface<FileNameCase> {};

TEST_P(FileNames, AreShownInCodePage949) {
    EXPECT_EQ(std::string(ReadPackInfo(GetParam().fileName).fileName.data()), GetParam().shown);
}

const std::string kGa = "\xEA\xB0\x80"; // one Hangul syllable, two bytes in code page 949: B0 A1

std::string Times(int n, const std::string& s) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Packs, FileNames,
    ::testing::Values(FileNameCase{"Hangul", "\xEB\x8F\x99\xEB\xAC\xBC.zor", "\xB5\xBF\xB9\xB0.zor"},
                      FileNameCase{"LongAsciiIsCutAt31", std::string(40, 'a') + ".zor", std::string(31, 'a')},
                      FileNameCase{"CutBeforeASplitCharacter", "ab" + Times(16, kGa) + ".zor",
                                   "ab" + Times(14, "\xB0\xA1")},
                      FileNameCase{"CutAfterAWholeCharacter", "a" + Times(16, kGa),
                                   "a" + Times(15, "\xB0\xA1")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PackSelectTest, AShortInfoFileLeavesTheFieldsItDoesNotReachEmpty) {
    std::vector<uint8_t> bytes(1 + 32 + 4, 0);
    bytes[0] = 1;
    std::memcpy(&bytes[1], "Lee", 3);
    std::memcpy(&bytes[33], "abcd", 4);
    const CPackInfo info = DecodePackInfo(bytes);
    EXPECT_EQ(info.stars, 1);
    EXPECT_STREQ(info.maker.data(), "Lee");
    EXPECT_STREQ(info.lines[0].data(), "abcd");
    EXPECT_STREQ(info.lines[1].data(), "");
}

class PackSelectDrawTest : public DisplayTest {};

TEST_F(PackSelectDrawTest, StarsStandFortyThreeApartFrom384) {
    for (int stars : {0, 5}) {
        CPackSelectScene scene;
        scene.star = MakeSprite(10, 10, 0, 0, [](int, int) { return uint16_t(0xFFFF); });
        scene.info.stars = static_cast<uint8_t>(stars);
        scene.packCount = 1;
        Back().Fill(0);
        scene.Message(MsgDraw, 0, 0);
        int drawn = 0;
        for (int x = 0; x < kScreenWidth; ++x) drawn += Back().At(x, 133) == 0xFFFF ? 1 : 0;
        EXPECT_EQ(drawn, 10 * stars);
        for (int i = 0; i < stars; ++i) {
            EXPECT_EQ(Back().At(384 + 43 * i, 133), 0xFFFF) << i;
            EXPECT_EQ(Back().At(384 + 43 * i - 1, 133), 0) << i;
        }
    }
}

TEST_F(PackSelectDrawTest, ManyStarsLeaveOutWhatPassesTheScreenEdge) {
    CPackSelectScene scene;
    scene.star = MakeSprite(60, 10, 0, 0, [](int, int) { return uint16_t(0xFFFF); });
    scene.info.stars = 255;
    Back().Fill(0);
    scene.Message(MsgDraw, 0, 0);
    EXPECT_EQ(Back().At(384 + 43 * 4, 133), 0xFFFF);
    EXPECT_EQ(Back().At(620, 133), 0); // the sixth star would end past x = 640
}
