#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/ZorRun.h"

namespace {
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

    for (const char* shot : {"logo.bmp", "title.bmp", "intro.bmp"})
        EXPECT_GT(std::filesystem::file_size(std::filesystem::path(run.workDir) / shot), 640u * 480u * 3u)
            << shot;
}
