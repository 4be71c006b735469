// The settings file: what it reads, what it refuses and says, what it writes back. The program is linked
// with mkstemp wrapped, so that a folder that takes no new file can be had even for root.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <sys/stat.h>

#include "game/settings/Globals.h"
#include "game/settings/SettingsFile.h"
#include "game/settings/SettingsStore.h"
#include "tests/support/NoNewFiles.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {
std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

SettingsDocument Parse(const std::string& text, std::vector<std::string>* messages = nullptr) {
    std::vector<std::string> ignored;
    return ParseSettings(text, messages ? *messages : ignored);
}

// Files as a player writes them: read and written back unchanged, they keep every byte.
class RoundTrip : public ::testing::TestWithParam<const char*> {};
} // namespace

TEST_P(RoundTrip, AnUnchangedFileIsWrittenBackByteForByte) {
    const SettingsDocument doc = Parse(GetParam());
    EXPECT_EQ(FormatSettings(doc, doc.loaded), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Files, RoundTrip,
    ::testing::Values("music_volume = 3\n", "# my settings\n\n  fullscreen=no  \nwindow_scale = 2\n",
                      "future_key = whatever\nlanguage = en\n", "fullscreen = yes\r\nrelaxed_pace = on\r\n",
                      "music_volume = 11\nnot a line\n",          // bad lines stay as they were
                      "effects_volume = 1\neffects_volume = 2\n", // so do repeated keys
                      "player2_click = RETURN\nplayer1_keys = yes\n", "; a comment of the other kind\n"));

TEST(SettingsFile, EverySettingChangedComesBackFromItsFile) {
    Settings changed;
    const int values[kSettingCount] = {
        0, 3, 1, 0, 5, LanguageEnglish, 13, 1, 1, 0x11, 0x1F, 0x10, 0x12, 0x1C, 0x24, 0x26, 0x17, 0x25, 0x39};
    for (int id = 0; id < kSettingCount; ++id) changed.values[id] = values[id];
    const std::string text = FormatSettings(SettingsDocument{}, changed);
    std::vector<std::string> messages;
    EXPECT_EQ(Parse(text, &messages).loaded, changed) << text;
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(text.rfind("# ZOR settings", 0), 0u); // a new file explains itself
}

TEST(SettingsFile, AChangeRewritesItsOwnLineAndKeepsEveryOther) {
    const std::string text = "# mine\nfuture_key = 7\nmusic_volume = 4\nbroken\nmusic_volume2 = x\n";
    const SettingsDocument doc = Parse(text);
    Settings settings = doc.loaded;
    settings[SettingMusicVolume] = 6;
    settings[SettingRelaxedPace] = 1;
    EXPECT_EQ(FormatSettings(doc, settings),
              "# mine\nfuture_key = 7\nmusic_volume = 6\nbroken\nmusic_volume2 = "
              "x\n# relaxed_pace: yes: the time gauge runs down at half speed; such "
              "games do not enter the ranking\nrelaxed_pace = yes\n");
}

TEST(SettingsFile, AChangedRepeatedKeyKeepsOneLineAndTheOthersAsComments) {
    const SettingsDocument doc = Parse("pen_speed = 2\npen_speed = 3\n");
    EXPECT_EQ(doc.loaded[SettingPenSpeed], 8);
    Settings settings = doc.loaded;
    settings[SettingPenSpeed] = 5;
    const std::string written = FormatSettings(doc, settings);
    EXPECT_EQ(written, "pen_speed = 5\n# pen_speed = 3\n");
    EXPECT_EQ(Parse(written).loaded[SettingPenSpeed], 5);
}

namespace {
struct BadCase {
    const char* text;
    std::vector<std::string> messages; // what is said, in order
};
class BadValue : public ::testing::TestWithParam<BadCase> {};
} // namespace

// Each bad value is named once, with its line and the default used, and every setting ends at its default.
TEST_P(BadValue, IsNamedWithItsLineAndTheDefaultIsUsed) {
    std::vector<std::string> messages;
    const SettingsDocument doc = Parse(GetParam().text, &messages);
    EXPECT_EQ(messages, GetParam().messages);
    EXPECT_EQ(doc.loaded, Settings{});
}

INSTANTIATE_TEST_SUITE_P(
    Values, BadValue,
    ::testing::Values(
        BadCase{"music_volume = 11\n",
                {"line 1: music_volume = 11 is not from 0 to 10; the default 10 is used"}},
        BadCase{"\nmusic_volume = -1\n",
                {"line 2: music_volume = -1 is not from 0 to 10; the default 10 is used"}},
        BadCase{"effects_volume = loud\n",
                {"line 1: effects_volume = loud is not a whole number from 0 to 10; the default 10 is used"}},
        BadCase{"window_scale = 2.5\n",
                {"line 1: window_scale = 2.5 is not a whole number from 0 to 8; the default 0 is used"}},
        BadCase{
            "pen_speed = 99999999999999999999\n",
            {"line 1: pen_speed = 99999999999999999999 is not a whole number from 1 to 24; the default 8 is "
             "used"}},
        BadCase{"fullscreen = maybe\n",
                {"line 1: fullscreen = maybe is not yes or no; the default yes is used"}},
        BadCase{"language = fr\n",
                {"line 1: language = fr is not one of auto, ko, en; the default auto is used"}},
        BadCase{"player2_left = FOO\n",
                {"line 1: player2_left = FOO is not a key name; the default LEFT is used"}},
        BadCase{"player2_up = ESCAPE\n",
                {"line 1: player2_up = ESCAPE is a key the game keeps for itself; the default UP is used"}},
        BadCase{"music_volume = 3\nmusic_volume = 4\nmusic_volume = 5\n",
                {"line 2: music_volume is given again (also on line 1); the default 10 is used"}},
        BadCase{"music_volume = 33\nmusic_volume = 4\n",
                {"line 1: music_volume = 33 is not from 0 to 10; the default 10 is used",
                 "line 2: music_volume is given again (also on line 1); the default 10 is used"}},
        BadCase{"player2_click = LEFT\n",
                {"line 1: player2_click = LEFT is also player2_left's key; the default SPACE is used"}},
        BadCase{"player1_left = RIGHT\n",
                {"line 1: player1_left = RIGHT is also player2_right's key; the default A is used"}},
        // The later line goes back to its default, which the earlier line had taken: that one goes too.
        BadCase{"player2_up = W\nplayer1_up = W\n",
                {"line 2: player1_up = W is also player2_up's key (line 1); the default W is used",
                 "line 1: player2_up = W is also player1_up's key; the default UP is used"}},
        BadCase{"volume\n", {"line 1: \"volume\" is not a key = value line; it is left as it is"}},
        BadCase{"\x1b[2J\x07 = 1\nfullscreen = \x1b]0;x\n",
                {"line 2: fullscreen = ?]0;x is not yes or no; the default yes is used"}},
        BadCase{"x\x1b[31m\n", {"line 1: \"x?[31m\" is not a key = value line; it is left as it is"}}));

TEST(SettingsFile, WordsAndKeyNamesAreReadInAnyLetterCase) {
    std::vector<std::string> messages;
    const SettingsDocument doc =
        Parse("fullscreen = NO\nlanguage = EN\nplayer2_click = return\nrelaxed_pace = True\n", &messages);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(doc.loaded[SettingFullScreen], 0);
    EXPECT_EQ(doc.loaded[SettingLanguage], LanguageEnglish);
    EXPECT_EQ(doc.loaded[SettingPlayer2Click], 0x1C);
    EXPECT_EQ(doc.loaded[SettingRelaxedPace], 1);
}

namespace {
struct KeyCase {
    SettingId id;
    int dik;
    KeyRefusal refusal;
    SettingId holder;
};
class KeyCheck : public ::testing::TestWithParam<KeyCase> {};
} // namespace

TEST_P(KeyCheck, TellsWhyAKeyCannotBeBound) {
    SettingId holder = GetParam().id;
    EXPECT_EQ(CheckKey(Settings{}, GetParam().id, GetParam().dik, &holder), GetParam().refusal);
    EXPECT_EQ(holder, GetParam().holder);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyCheck,
    ::testing::Values(KeyCase{SettingPlayer2Click, 0x1C, KeyRefusal::None, SettingPlayer2Click},
                      KeyCase{SettingPlayer2Click, 0x01, KeyRefusal::Reserved, SettingPlayer2Click},
                      KeyCase{SettingPlayer2Click, 0x3C, KeyRefusal::Reserved, SettingPlayer2Click},
                      KeyCase{SettingPlayer2Click, 0x0A, KeyRefusal::Reserved, SettingPlayer2Click},
                      KeyCase{SettingPlayer2Click, 0xFF, KeyRefusal::Unknown, SettingPlayer2Click},
                      KeyCase{SettingPlayer2Click, 0x1E, KeyRefusal::OtherPlayer, SettingPlayer1Left},
                      KeyCase{SettingPlayer1Up, 0xC8, KeyRefusal::OtherPlayer, SettingPlayer2Up},
                      KeyCase{SettingPlayer2Click, 0xCB, KeyRefusal::SamePlayer, SettingPlayer2Left},
                      KeyCase{SettingPlayer2Left, 0xCB, KeyRefusal::None, SettingPlayer2Left}));

namespace {
std::map<std::string, const char*> gEnvironment;
const char* Lookup(const char* name) {
    const auto it = gEnvironment.find(name);
    return it == gEnvironment.end() ? nullptr : it->second;
}
struct PathCase {
    const char* xdg;
    const char* home;
    const char* path;
};
class Place : public ::testing::TestWithParam<PathCase> {};
} // namespace

TEST_P(Place, FollowsTheXdgRule) {
    gEnvironment.clear();
    if (GetParam().xdg) gEnvironment["XDG_CONFIG_HOME"] = GetParam().xdg;
    if (GetParam().home) gEnvironment["HOME"] = GetParam().home;
    EXPECT_EQ(SettingsPath(Lookup), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Environment, Place,
                         ::testing::Values(PathCase{"/cfg", "/home/a", "/cfg/zor/settings.ini"},
                                           PathCase{nullptr, "/home/a", "/home/a/.config/zor/settings.ini"},
                                           PathCase{"", "/home/a", "/home/a/.config/zor/settings.ini"},
                                           PathCase{"cfg", "/home/a", "/home/a/.config/zor/settings.ini"},
                                           PathCase{nullptr, nullptr, ""}, PathCase{nullptr, "", ""},
                                           PathCase{"cfg", "home", ""}));

TEST(SettingsFileOnDisk, NoFileIsTheDefaultsWithoutAWord) {
    TempDir dir;
    std::vector<std::string> messages;
    const SettingsDocument doc = ReadSettingsFile(dir.Path("zor/settings.ini"), messages);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(doc.loaded, Settings{});
    EXPECT_FALSE(doc.existed);
    EXPECT_TRUE(doc.writable);
}

TEST(SettingsFileOnDisk, AFileThatCannotBeReadGivesTheDefaultsAndIsNeverWrittenOver) {
    TempDir dir;
    fs::create_directories(dir.Path("folder"));
    const std::string big = dir.Write("big.ini", Bytes("music_volume = 2\n" + std::string(70000, '#')));
    struct {
        std::string path, said;
    } cases[] = {{dir.Path("folder"), "is not a plain file"}, {big, "is larger than 65536 bytes"}};
    for (const auto& c : cases) {
        std::vector<std::string> messages;
        const SettingsDocument doc = ReadSettingsFile(c.path, messages);
        ASSERT_EQ(messages.size(), 1u) << c.path;
        EXPECT_EQ(messages[0], c.said + "; the defaults are used and the file is left alone");
        EXPECT_EQ(doc.loaded, Settings{});
        std::string error;
        EXPECT_FALSE(WriteSettingsFile(c.path, doc, Settings{}, error));
        EXPECT_NE(error.find("not written over"), std::string::npos) << error;
    }
    EXPECT_EQ(fs::file_size(big), 17u + 70000u);
}

TEST(SettingsFileOnDisk, AFirstWriteMakesAPrivateFolderAndTheWholeFile) {
    TempDir dir;
    const std::string path = dir.Path("config/zor/settings.ini");
    Settings settings;
    settings[SettingMusicVolume] = 4;
    std::string error;
    ASSERT_TRUE(WriteSettingsFile(path, SettingsDocument{}, settings, error)) << error;
    struct stat info {};
    ASSERT_EQ(stat(dir.Path("config/zor").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    std::vector<std::string> messages;
    EXPECT_EQ(ReadSettingsFile(path, messages).loaded, settings);
    EXPECT_TRUE(messages.empty());
}

TEST(SettingsFileOnDisk, AFolderThatTakesNoFileLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string old = "music_volume = 2\n";
    const std::string path = dir.Write("settings.ini", Bytes(old));
    std::vector<std::string> messages;
    const SettingsDocument doc = ReadSettingsFile(path, messages);
    Settings settings = doc.loaded;
    settings[SettingMusicVolume] = 9;
    std::string error;
    {
        NoNewFiles readOnly(EACCES);
        EXPECT_FALSE(WriteSettingsFile(path, doc, settings, error));
    }
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Text(ReadAll(path)), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path("")), fs::directory_iterator()), 1);

    dir.Write("zor", Bytes("a file where the folder should be"));
    EXPECT_FALSE(WriteSettingsFile(dir.Path("zor/settings.ini"), SettingsDocument{}, settings, error));
    EXPECT_NE(error.find("is not a folder"), std::string::npos) << error;
}

// What the command line gave for one run stays out of the file; what the screen changed goes in.
TEST(SettingsStore, SavesTheScreensChangesAndNotTheCommandLines) {
    TempDir dir;
    const std::string path = dir.Write("settings.ini", Bytes("# kept\nfullscreen = yes\nwindow_scale = 3\n"));
    std::vector<std::string> messages;
    LoadSettings(path, messages);
    gSettings[SettingFullScreen] = 0;  // --window
    gSettings[SettingWindowScale] = 1; // --scale 1
    ChangeSetting(SettingMusicVolume, 3);
    ChangeSetting(SettingWindowScale, 2);
    std::string error;
    ASSERT_TRUE(SaveSettings(error)) << error;
    ChangeSetting(SettingPenSpeed, 12); // a second save in the same run starts from the first
    ASSERT_TRUE(SaveSettings(error)) << error;
    const std::string written = Text(ReadAll(path));
    EXPECT_EQ(Parse(written).loaded[SettingFullScreen], 1) << written;
    EXPECT_EQ(Parse(written).loaded[SettingWindowScale], 2);
    EXPECT_EQ(Parse(written).loaded[SettingMusicVolume], 3);
    EXPECT_EQ(Parse(written).loaded[SettingPenSpeed], 12);
    EXPECT_EQ(written.rfind("# kept\nfullscreen = yes\nwindow_scale = 2\n", 0), 0u) << written;
    gSettings = Settings{};
    gSettingsStore = SettingsStore{};
}
