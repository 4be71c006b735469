// Today's pack and endless play in the real program, played by its autoplay: every pair it played is kept
// in its cache folder, passes the pack tool's check, and today's are the bytes of the tool's --daily pack.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "game/gfx/Archive.h"
#include "game/play/PairSupply.h"
#include "tests/e2e/GameScript.h"

namespace fs = std::filesystem;

namespace e2e {
namespace {
constexpr const char* kMonday = "2026-12-07";
constexpr long kMondayNoon = 20794L * 86400 + 43200; // the calendar time the scripted run's clock reports
constexpr int kAutoplayEvery = 3;
constexpr Point kLastButton{335, 370}, kPreviousButton{80, 370}, kOnePlayerButton{100, 440};

// From the title to the selection screen, then to the entry (Last: endless play; Last, Previous: today's
// pack), then "one player".
std::string ChooseEntry(bool today) {
    Script s;
    s.TitleChoice(kTitlePacksTipY);
    Point tip{kMenuPenStart.x + kPenTipX, kTitlePacksTipY};
    auto clickAt = [&](int frame, Point p) {
        s.At(frame, "move " + std::to_string(p.x - tip.x) + " " + std::to_string(p.y - tip.y));
        s.Click(frame + 2);
        tip = p;
    };
    clickAt(22, kLastButton);
    if (today) clickAt(30, kPreviousButton);
    clickAt(40, kOnePlayerButton);
    return s.text;
}

ZorRun PlayMade(bool today, const std::vector<std::string>& extra) {
    ZorRunOptions options;
    options.args = {"--seed",     std::to_string(kMondayNoon),
                    "--autoplay", std::to_string(kAutoplayEvery),
                    "--frames",   "400000"};
    options.args.insert(options.args.end(), extra.begin(), extra.end());
    return RunZor(ChooseEntry(today), options);
}

std::vector<fs::path> CachedPictures(const ZorRun& run, const std::string& prefix) {
    std::vector<fs::path> pictures;
    for (const auto& entry : fs::directory_iterator(fs::path(run.workDir) / "made-pairs"))
        if (entry.path().extension() == ".jpg" && entry.path().filename().string().rfind(prefix, 0) == 0)
            pictures.push_back(entry.path());
    std::sort(pictures.begin(), pictures.end());
    return pictures;
}

bool PassesCheck(const fs::path& picture) {
    fs::path map = picture;
    map.replace_extension(".map");
    const std::string command = std::string(ZOR_PACKGEN_BINARY) + " -q --check-pair '" + picture.string() +
                                "' '" + map.string() + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

int MaxAt(const ZorRun& run, const std::string& key) {
    int most = 0;
    for (size_t f = 0; f < run.frames.size(); ++f) most = std::max(most, run.IntAt(f, key));
    return most;
}
} // namespace

TEST(MadePairsRun, TodaysPackPlaysItsTenPairsTheToolsDailyPackHolds) {
    const ZorRun run = PlayMade(true, {});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_TRUE(run.messages.empty()) << run.messages[0];
    EXPECT_EQ(MaxAt(run, "stage"), kTodayPackPairs);
    EXPECT_EQ(run.IntAt(100, "made"), 0) << "today's pack";
    EXPECT_EQ(fs::file_size(fs::path(run.workDir) / ("zor-" + std::string(kMonday) + ".rnk")), 240u);
    EXPECT_FALSE(fs::exists(fs::path(run.workDir) / "zor.rnk")) << "the packs' ranking is not touched";

    const std::vector<fs::path> pictures = CachedPictures(run, "today-");
    ASSERT_EQ(pictures.size(), size_t(kTodayPackPairs));
    const std::string pack = run.workDir + "/daily.zor";
    ASSERT_EQ(
        std::system((std::string(ZOR_PACKGEN_BINARY) + " -q --daily " + kMonday + " -o " + pack).c_str()), 0);
    Archive archive;
    ASSERT_EQ(archive.Open(pack), 1);
    for (int i = 0; i < kTodayPackPairs; ++i) {
        EXPECT_TRUE(PassesCheck(pictures[size_t(i)])) << pictures[size_t(i)];
        char entry[16];
        std::snprintf(entry, sizeof entry, "pair%02d.jpg", i);
        std::vector<uint8_t> packed;
        ASSERT_TRUE(archive.ReadEntry(entry, packed)) << entry;
        EXPECT_EQ(std::string(packed.begin(), packed.end()), ReadFile(pictures[size_t(i)].string())) << entry;
    }
}

TEST(MadePairsRun, EndlessPlayGoesFiveStagesOfCheckedPairs) {
    const ZorRun run = PlayMade(false, {"--stop-after-stage", "5"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_TRUE(run.messages.empty()) << run.messages[0];
    EXPECT_EQ(MaxAt(run, "stage"), 5);
    EXPECT_EQ(run.IntAt(100, "made"), 1) << "endless play";
    EXPECT_EQ(run.IntAt(100, "total"), 500);
    const std::vector<fs::path> pictures = CachedPictures(run, "endless-");
    ASSERT_GE(pictures.size(), 5u) << "the five stages, and those made ahead";
    for (const fs::path& picture : pictures) EXPECT_TRUE(PassesCheck(picture)) << picture;
    std::smatch waits;
    EXPECT_TRUE(std::regex_search(run.stderrText, waits, std::regex("autoplay: stages=5 waits=(\\d+)")))
        << run.stderrText;
}

// A hundred endless stages: the process's memory stays flat after the first ten, and the game's thread
// never spends a frame's time on the making.
TEST(MadePairsSoak, AHundredEndlessStagesKeepMemoryFlat) {
    const ZorRun run = PlayMade(false, {"--stop-after-stage", "100"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(MaxAt(run, "stage"), 100);
    std::smatch growth, take;
    ASSERT_TRUE(std::regex_search(run.stderrText, growth, std::regex("growth=(-?\\d+)"))) << run.stderrText;
    EXPECT_LE(std::stol(growth[1]), 5 * 1024) << run.stderrText;
    ASSERT_TRUE(std::regex_search(run.stderrText, take, std::regex("longest_take_us=(\\d+)")))
        << run.stderrText;
    EXPECT_LT(std::stol(take[1]), 45000) << run.stderrText;
    std::printf("%s", run.stderrText.c_str());
}
} // namespace e2e
