#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "game/net/Handshake.h"
#include "game/texts/GameTexts.h"

namespace {
Hello Base() {
    Hello h;
    h.version = "1.0.0";
    h.language = "en";
    h.data = {{"en/zor.res", 1}, {"en/zor2.res", 2}, {"01_park.zor", 3}, {"07_forest.zor", 4}};
    return h;
}

struct DifferenceCase {
    const char* name;
    void (*change)(Hello&);
    const char* message; // "" when the two can play together
};
const DifferenceCase kDifferences[] = {
    {"Alike", [](Hello&) {}, ""},
    {"OnlyTheSeedAndSettingsDiffer", [](Hello& h) { h.seed = 9, h.settings[0] = 3; }, ""},
    {"Version", [](Hello& h) { h.version = "1.1.0"; },
     "Cannot play together: different versions: 1.0.0 / 1.1.0"},
    {"Protocol", [](Hello& h) { h.protocol = 2; }, "Cannot play together: different versions: 1.0.0 / 1.0.0"},
    {"Edition", [](Hello& h) { h.language = "ko"; }, "Cannot play together: different editions: en / ko"},
    {"APack", [](Hello& h) { h.data[3].hash = 5; }, "Cannot play together: different packs: 07_forest.zor"},
    {"APackMissing", [](Hello& h) { h.data.pop_back(); },
     "Cannot play together: different packs: 07_forest.zor"},
    {"APackMore",
     [](Hello& h) {
         h.data.push_back({"11_zoo.zor", 6});
     },
     "Cannot play together: different packs: 11_zoo.zor"},
    {"AnArchive", [](Hello& h) { h.data[1].hash = 0; },
     "Cannot play together: different pictures: en/zor2.res"},
};

class HelloDifferences : public testing::TestWithParam<DifferenceCase> {};
} // namespace

TEST_P(HelloDifferences, NameWhatKeepsTwoMachinesApart) {
    SetGameLanguage(Language::English);
    Hello other = Base();
    GetParam().change(other);
    EXPECT_EQ(HelloDifference(Base(), other), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Hellos, HelloDifferences, testing::ValuesIn(kDifferences),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Handshake, TheGameTakesTheHostsSettingsAndTheGuestsKeysForPlayerTwo) {
    Hello host, guest;
    for (int i = 0; i < kSharedSettings; ++i) host.settings[i] = 100 + i, guest.settings[i] = 200 + i;
    Settings settings;
    settings[SettingMusicVolume] = 3; // this machine's own
    ShareSettings(host, guest, settings);
    EXPECT_EQ(settings[SettingPenSpeed], 100);
    EXPECT_EQ(settings[SettingRelaxedPace], 101);
    EXPECT_EQ(settings[SettingPlayer1Click], 107);
    EXPECT_EQ(settings[SettingPlayer2Left], 208);
    EXPECT_EQ(settings[SettingPlayer2Click], 212);
    EXPECT_EQ(settings[SettingMusicVolume], 3);
}

TEST(Handshake, TheDataIsTheEditionsArchivesAndThePacksInStageOrder) {
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/zor-hello-XXXXXX";
    const fs::path dir = mkdtemp(pattern);
    for (const char* name : {"zor.res", "zor2.res", "b.zor", "A.ZOR", "notes.txt"})
        std::ofstream(dir / name) << name;
    const std::vector<DataEntry> data = HashGameData(dir.string(), true); // no en/: the Korean pictures
    std::vector<std::string> names;
    for (const DataEntry& e : data) names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"zor.res", "zor2.res", "A.ZOR", "b.zor"}));
    uint64_t hash = 0;
    std::ofstream(dir / "a") << "a";
    ASSERT_TRUE(HashFile((dir / "a").string(), hash));
    EXPECT_EQ(hash, 0xaf63dc4c8601ec8cull); // FNV-1a of "a"
    EXPECT_FALSE(HashFile((dir / "missing").string(), hash));
    fs::remove_all(dir);
}
