// Checks over what the sound builder makes: every effect the game loads, and every tune.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "game/io/Wave.h"
#include "tools/soundgen/Effects.h"
#include "tools/soundgen/FluidRenderer.h"
#include "tools/soundgen/SmfReader.h"
#include "tools/soundgen/WavWriter.h"
#include "tools/soundgen/tunes/Tunes.h"

namespace soundgen {
namespace {

constexpr const char* kSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr float kEdgeLimit = 0.01f;   // first and last samples, full scale 1
constexpr float kAudiblePeak = 0.25f; // the quietest effect still peaks above this
constexpr double kShortestTune = 60;  // seconds
constexpr double kLongestTune = 180;
constexpr float kLongestEffect = 3.5f; // seconds

bool HaveSoundfont() {
    return std::filesystem::exists(kSoundfont);
}

const std::vector<Effect>& Built() {
    static const std::vector<Effect> effects = [] {
        std::string error;
        auto e = BuildEffects(kSoundfont, error);
        EXPECT_FALSE(e.empty()) << error;
        return e;
    }();
    return effects;
}

TEST(Effects, AllFifteenAreBuiltUnderTheNamesTheGameLoads) {
    if (!HaveSoundfont()) GTEST_SKIP() << "no soundfont";
    const std::vector<std::string> expected = {
        "logo.wav",        "Clear.wav",    "Rank.wav",      "CardOpen.wav",  "CardReturn.wav",
        "CardSuccess.wav", "Fail1.wav",    "Fail2.wav",     "Success1.wav",  "Success2.wav",
        "Success3.wav",    "Success4.wav", "GameOver1.wav", "MouseOver.wav", "MouseClick.wav"};
    ASSERT_EQ(Built().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Built()[i].name, expected[i]);
}

TEST(Effects, AreAudibleUnclippedAndStartAndEndAtZero) {
    if (!HaveSoundfont()) GTEST_SKIP() << "no soundfont";
    for (const Effect& e : Built()) {
        SCOPED_TRACE(e.name);
        ASSERT_FALSE(e.samples.empty());
        const std::vector<int16_t> pcm = ToPcm16(e.samples);
        const Level level = Measure(pcm);
        EXPECT_GT(level.peak, kAudiblePeak);
        EXPECT_LE(level.peak, kPeakCeiling + 1e-4f);
        EXPECT_LE(level.rms, kTargetRms + 1e-3f);
        EXPECT_LT(std::abs(pcm.front()) / 32767.0f, kEdgeLimit);
        EXPECT_LT(std::abs(pcm.back()) / 32767.0f, kEdgeLimit);
        EXPECT_LE(float(e.samples.size()) / kEffectSampleRate, kLongestEffect);
    }
}

TEST(Effects, LoadThroughTheGamesWaveReader) {
    if (!HaveSoundfont()) GTEST_SKIP() << "no soundfont";
    for (const Effect& e : Built()) {
        const std::vector<uint8_t> wav = EncodeWavMono16(ToPcm16(e.samples), kEffectSampleRate);
        Wave wave;
        ASSERT_EQ(wave.LoadBytes(wav, 0), kWaveOk) << e.name;
        EXPECT_EQ(wave.Format().formatTag, WaveFormat::kTagPcm);
        EXPECT_EQ(wave.Format().channels, 1);
        EXPECT_EQ(wave.Format().samplesPerSec, kEffectSampleRate);
        EXPECT_EQ(wave.Format().bitsPerSample, 16);
        EXPECT_EQ(wave.Size(), e.samples.size() * 2) << e.name;
    }
}

TEST(Effects, ShortOnesStayShort) {
    if (!HaveSoundfont()) GTEST_SKIP() << "no soundfont";
    // Played per typed character, per highlight change and per click: they must not smear.
    const std::map<std::string, float> longest = {{"MouseOver.wav", 0.08f}, {"MouseClick.wav", 0.1f},
                                                  {"CardOpen.wav", 0.3f},   {"Fail1.wav", 0.6f},
                                                  {"Fail2.wav", 0.6f},      {"Success1.wav", 1.0f}};
    for (const Effect& e : Built()) {
        if (longest.count(e.name)) {
            EXPECT_LE(float(e.samples.size()) / kEffectSampleRate, longest.at(e.name)) << e.name;
        }
    }
}

TEST(Effects, AreTheSameOnEveryBuild) {
    if (!HaveSoundfont()) GTEST_SKIP() << "no soundfont";
    std::string error;
    const auto again = BuildEffects(kSoundfont, error);
    ASSERT_EQ(again.size(), Built().size());
    for (size_t i = 0; i < again.size(); ++i)
        EXPECT_EQ(again[i].samples, Built()[i].samples) << again[i].name;
}

TEST(Effects, MissingSoundfontIsAnError) {
    std::string error;
    EXPECT_TRUE(BuildEffects("/nonexistent/bank.sf2", error).empty());
    EXPECT_NE(error.find("/nonexistent/bank.sf2"), std::string::npos);
}

struct ComposedTune {
    std::string name;
    Bytes bytes;
    SmfFile file;
};

const std::vector<ComposedTune>& Composed() {
    static const std::vector<ComposedTune> tunes = [] {
        std::vector<ComposedTune> out;
        for (const Tune& t : AllTunes()) {
            std::string error;
            Bytes bytes = t.compose(error);
            EXPECT_FALSE(bytes.empty()) << t.fileName << ": " << error;
            auto file = ReadSmf(bytes);
            EXPECT_TRUE(file) << t.fileName;
            out.push_back({t.fileName, bytes, file.value_or(SmfFile{})});
        }
        return out;
    }();
    return tunes;
}

TEST(Tunes, AtLeastFiveWithDistinctNames) {
    std::set<std::string> names;
    for (const ComposedTune& t : Composed()) names.insert(t.name);
    EXPECT_GE(names.size(), 5u);
    EXPECT_EQ(names.size(), Composed().size());
}

TEST(Tunes, LastBetweenOneAndThreeMinutes) {
    for (const ComposedTune& t : Composed()) {
        const double seconds = DurationSeconds(t.file);
        EXPECT_GE(seconds, kShortestTune) << t.name;
        EXPECT_LE(seconds, kLongestTune) << t.name;
    }
}

TEST(Tunes, ChooseGeneralMidiInstrumentsAndPlayManyNotes) {
    for (const ComposedTune& t : Composed()) {
        SCOPED_TRACE(t.name);
        std::set<int> programmedChannels, programs;
        int notes = 0;
        for (const TimedEvent& e : TimedChannelEvents(t.file)) {
            if ((e.status & 0xF0) == 0xC0) {
                programmedChannels.insert(e.status & 0x0F);
                programs.insert(e.data1);
            }
            if ((e.status & 0xF0) == 0x90 && e.data2 > 0) ++notes;
        }
        EXPECT_GE(programmedChannels.size(), 5u);
        EXPECT_GE(programs.size(), 5u);
        EXPECT_GT(notes, 500);
    }
}

TEST(Tunes, AreTheSameOnEveryBuild) {
    for (const Tune& t : AllTunes()) {
        std::string error;
        const Bytes again = t.compose(error);
        const auto it = std::find_if(Composed().begin(), Composed().end(),
                                     [&](const ComposedTune& c) { return c.name == t.fileName; });
        ASSERT_NE(it, Composed().end());
        EXPECT_EQ(again, it->bytes) << t.fileName;
    }
}

TEST(Tunes, SoundThroughTheSoundfontWithoutClipping) {
    if (!HaveSoundfont()) GTEST_SKIP() << "no soundfont";
    constexpr uint32_t kRate = 11025; // enough to hear that every part plays
    constexpr float kAudibleRms = 0.01f;
    FluidRenderer renderer(kSoundfont, kRate);
    for (const ComposedTune& t : Composed()) {
        const Samples s = renderer.Render(t.file, 0);
        const Level level = Measure(s);
        EXPECT_NEAR(double(s.size()) / kRate, DurationSeconds(t.file), 0.25) << t.name;
        EXPECT_GT(level.rms, kAudibleRms) << t.name;
        EXPECT_LT(level.peak, 1.0f) << t.name;
    }
}

#ifdef ZOR_BUILT_EFFECTS_DIR
// The files a build wrote (only with the asset build on): present, readable, and, by sox's own
// measure, neither clipped nor silent.
std::vector<uint8_t> ReadAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(BuiltFiles, EveryEffectIsMono16BitPcmAndEveryTuneParses) {
    const char* effectsDir = ZOR_BUILT_EFFECTS_DIR;
    const char* musicDir = ZOR_BUILT_MUSIC_DIR;
    for (const std::string& name : EffectNames()) {
        const auto wav = ReadAll(std::filesystem::path(effectsDir) / name);
        ASSERT_GT(wav.size(), 44u) << name;
        EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
        EXPECT_EQ(wav[20] | wav[21] << 8, 1) << name;  // PCM
        EXPECT_EQ(wav[22] | wav[23] << 8, 1) << name;  // mono
        EXPECT_EQ(wav[34] | wav[35] << 8, 16) << name; // bits per sample
    }
    for (const Tune& t : AllTunes()) {
        const auto mid = ReadAll(std::filesystem::path(musicDir) / t.fileName);
        const auto file = ReadSmf(mid);
        ASSERT_TRUE(file) << t.fileName;
        EXPECT_GE(DurationSeconds(*file), kShortestTune);
    }
}

TEST(BuiltFiles, SoxFindsNothingClippedOrSilent) {
    const char* effectsDir = ZOR_BUILT_EFFECTS_DIR;
    if (std::system("sox --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no sox";
    for (const std::string& name : EffectNames()) {
        const std::string command =
            "sox '" + (std::filesystem::path(effectsDir) / name).string() + "' -n stat 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        char line[256];
        double maximum = 0, rms = 0;
        while (std::fgets(line, sizeof line, pipe)) {
            std::sscanf(line, "Maximum amplitude: %lf", &maximum);
            std::sscanf(line, "RMS     amplitude: %lf", &rms);
        }
        pclose(pipe);
        EXPECT_LT(maximum, 0.95) << name;
        EXPECT_GT(rms, 0.02) << name;
    }
}

#endif

} // namespace
} // namespace soundgen
