#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "tests/e2e/ZorRun.h"

namespace {
// The pixels of a 24-bit screenshot, top row first, as 0xRRGGBB; empty when it is not a 640 x 480 picture.
std::vector<uint32_t> ShotPixels(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    constexpr size_t kHeader = 54, kRow = 640 * 3;
    if (bytes.size() != kHeader + kRow * 480 || bytes[0] != 'B' || bytes[1] != 'M') return {};
    std::vector<uint32_t> pixels;
    for (int y = 479; y >= 0; --y)
        for (int x = 0; x < 640; ++x) {
            const uint8_t* p = &bytes[kHeader + kRow * size_t(y) + size_t(x) * 3];
            pixels.push_back(uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]);
        }
    return pixels;
}

constexpr int kModeLogo = 0, kModeTitle = 2, kModeIntro = 3;
// The logo's 101 updates run in frames 0..100; the 102nd, in frame 101, brings the title.
constexpr size_t kTitleFrame = 101;

// Waits on the logo, moves the pen's tip from (343, 218) onto the intro item, chooses it with SPACE, watches
// the intro and leaves it with Escape.
const char* const kScript = "50 shot logo.bmp\n"
                            "110 move 0 140\n"
                            "115 shot title.bmp\n"
                            "120 key down SPACE\n"
                            "121 key up SPACE\n"
                            "180 shot intro.bmp\n"
                            "250 key down ESCAPE\n"
                            "253 key up ESCAPE\n"
                            "260 end\n";
} // namespace

TEST(ScreensRun, LogoTitleWithMusicIntroAndEscapeBack) {
    ZorRunOptions options;
    options.args = {"--seed", "5"};
    const ZorRun run = RunZor(kScript, options);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 260u);
    for (size_t f = 0; f < kTitleFrame; ++f) {
        ASSERT_EQ(run.IntAt(f, "mode"), kModeLogo) << f;
        ASSERT_EQ(run.IntAt(f, "logo"), int(f) + 1) << f;
        ASSERT_EQ(run.At(f, "music"), "-") << f;
    }
    EXPECT_EQ(run.IntAt(kTitleFrame, "mode"), kModeTitle);
    EXPECT_EQ(run.IntAt(kTitleFrame, "logo"), 100);
    const std::string titleMusic = run.At(kTitleFrame, "music");
    EXPECT_EQ(titleMusic.rfind("mid/", 0), 0u) << titleMusic;

    EXPECT_EQ(run.IntAt(109, "title"), -1);
    EXPECT_EQ(run.IntAt(110, "title"), 3);
    EXPECT_EQ(run.IntAt(119, "mode"), kModeTitle);
    EXPECT_EQ(run.IntAt(120, "mode"), kModeIntro);
    // The page turns every 64 updates from the first intro update (frame 121).
    EXPECT_EQ(run.IntAt(183, "intro"), 0);
    EXPECT_EQ(run.IntAt(184, "intro"), 1);
    EXPECT_EQ(run.IntAt(249, "mode"), kModeIntro);

    // Escape brings the title with a new piece of music; held on the title it does nothing more.
    for (size_t f = 250; f < 260; ++f) EXPECT_EQ(run.IntAt(f, "mode"), kModeTitle) << f;
    EXPECT_NE(run.At(250, "music"), "-");
    EXPECT_EQ(run.At(251, "music"), run.At(250, "music"));

    // Each shot is a whole picture of its own screen: many colours, and most pixels differ between screens.
    std::vector<std::vector<uint32_t>> shots;
    for (const char* shot : {"logo.bmp", "title.bmp", "intro.bmp"}) {
        shots.push_back(ShotPixels(run.workDir + "/" + shot));
        ASSERT_EQ(shots.back().size(), 640u * 480u) << shot;
        EXPECT_GT(std::set<uint32_t>(shots.back().begin(), shots.back().end()).size(), 100u) << shot;
    }
    for (size_t a = 0; a < shots.size(); ++a)
        for (size_t b = a + 1; b < shots.size(); ++b) {
            size_t differ = 0;
            for (size_t i = 0; i < shots[a].size(); ++i) differ += shots[a][i] != shots[b][i] ? 1 : 0;
            EXPECT_GT(differ, shots[a].size() / 2) << a << " and " << b;
        }
}

// One pack, so ten stages are every stage: key 8 jumps to stage 10, ten wrong clicks end the game, and the
// game-over banner leads to the ending, whose television runs its five phases until Escape.
TEST(ScreensRun, TheEndingReachedByPlayRunsTheTelevisionUntilEscape) {
    std::string script =
        "110 move 0 30\n112 key down SPACE\n113 key up SPACE\n200 key down 8\n201 key up 8\n";
    for (int k = 0; k < 12; ++k)
        script += std::to_string(250 + 40 * k) + " button down left\n" + std::to_string(252 + 40 * k) +
                  " button up left\n";
    script += "1400 key down ESCAPE\n1401 key up ESCAPE\n1410 end\n";
    ZorRunOptions options;
    options.args = {"--seed", "4242"};
    options.packs = {"01_park.zor"};
    for (int row = 0; row < 10; ++row)
        options.files["zor.rnk"] += std::string("d\0\0\0", 4) + std::string(20, '\0');
    const ZorRun run = RunZor(script, options);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 1410u);
    EXPECT_EQ(run.IntAt(120, "total"), 10);
    size_t ending = 0;
    while (ending < run.frames.size() && run.IntAt(ending, "mode") != 6) ++ending;
    ASSERT_LT(ending + 538, 1400u) << "the game did not reach the ending in time";
    EXPECT_EQ(run.IntAt(ending - 1, "p1"), 0);
    EXPECT_EQ(run.IntAt(ending - 1, "stage"), 10);
    // Phase changes, counted in updates from the first one after the ending begins.
    struct Change {
        size_t after;
        const char* tv; // phase, strip, cell
    };
    for (const Change& c :
         {Change{0, "0,0,0"}, Change{8, "0,0,1"}, Change{31, "0,0,3"}, Change{32, "1,0,3"},
          Change{57, "1,0,4"}, Change{58, "2,0,6"}, Change{98, "2,0,7"}, Change{138, "3,1,0"},
          Change{458, "4,0,8"}, Change{498, "4,0,9"}, Change{538, "0,0,0"}})
        EXPECT_EQ(run.At(ending + c.after, "tv"), c.tv) << "update " << c.after;
    for (size_t f = ending; f < 1400; ++f) ASSERT_EQ(run.IntAt(f, "mode"), 6) << f;
    EXPECT_EQ(run.IntAt(1400, "mode"), kModeTitle);
    EXPECT_EQ(run.IntAt(1409, "mode"), kModeTitle);
}
