// The SDL sound output, written to a file by SDL's "disk" audio driver instead of a sound card.
#include "platform/sdl/SdlAudio.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>

#include "game/io/Globals.h"
#include "game/io/Music.h"
#include "game/io/SoundDevice.h"
#include "game/io/Wave.h"
#include "tests/sound/WavBytes.h"
#include "tests/support/TestFiles.h"

namespace {
using std::chrono::milliseconds;
constexpr int kLevel = 8000;

// What the output held: its loudest sample and how long it was not silent.
struct Heard {
    int peak = 0;
    double soundingMs = 0;
};

Heard Listen(const std::vector<uint8_t>& output) {
    Heard heard;
    const size_t frameBytes = SdlAudio::kOutputChannels * sizeof(int16_t);
    size_t sounding = 0;
    for (size_t at = 0; at + frameBytes <= output.size(); at += frameBytes) {
        bool loud = false;
        for (int channel = 0; channel < SdlAudio::kOutputChannels; ++channel) {
            int16_t sample;
            std::memcpy(&sample, &output[at + channel * sizeof(int16_t)], sizeof sample);
            heard.peak = std::max(heard.peak, std::abs(int{sample}));
            loud = loud || std::abs(int{sample}) > kLevel / 4;
        }
        sounding += loud;
    }
    heard.soundingMs = sounding * 1000.0 / SdlAudio::kOutputRate;
    return heard;
}

class DiskAudio : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", dir.Path("out.raw").c_str(), 1);
        audio = std::make_unique<SdlAudio>();
        ASSERT_EQ(DSCreate(audio.get()), 1);
    }
    void TearDown() override { ReleaseSound(); }
    // Closes the output and reads back what it played.
    Heard Stop() {
        ReleaseSound();
        audio.reset();
        return Listen(ReadAll(dir.Path("out.raw")));
    }
    void Create(SoundEffect& effect, const std::vector<uint8_t>& wav) {
        Wave wave;
        ASSERT_EQ(wave.LoadBytes(wav, 0), kWaveOk);
        ASSERT_EQ(effect.CreateFromWave(wave), 1);
    }
    TempDir dir;
    std::unique_ptr<SdlAudio> audio;
};

TEST_F(DiskAudio, ReplayingAnEffectRestartsItInsteadOfAddingASecondCopy) {
    SoundEffect effect;
    Create(effect, ConstantWav16(SdlAudio::kOutputRate, SdlAudio::kOutputRate * 3 / 10, kLevel)); // 300 ms
    effect.Play();
    std::this_thread::sleep_for(milliseconds(100));
    effect.Play();
    std::this_thread::sleep_for(milliseconds(700));
    effect.Release();
    const Heard heard = Stop();
    EXPECT_NEAR(heard.peak, kLevel, kLevel / 10); // two copies at once would reach twice the level
    EXPECT_GT(heard.soundingMs, 350);             // the second play started it over
    EXPECT_LT(heard.soundingMs, 800);
}

TEST_F(DiskAudio, EffectsPlayAtTheirOwnRateAndAtTheRateSetLater) {
    std::vector<uint8_t> samples(2205, 128 + 100); // 200 ms of 8-bit samples at 11025 Hz
    SoundEffect effect;
    Create(effect, RiffWave({{"fmt ", FmtBody(1, 1, 11025, 8)}, {"data", samples}}));
    effect.Play();
    std::this_thread::sleep_for(milliseconds(500));
    const Heard own = Stop();
    EXPECT_NEAR(own.soundingMs, 200, 20);

    SetUp();
    Create(effect, RiffWave({{"fmt ", FmtBody(1, 1, 11025, 8)}, {"data", samples}}));
    effect.SetParams(22050, 0, 100);
    effect.Play();
    std::this_thread::sleep_for(milliseconds(400));
    effect.Release();
    EXPECT_NEAR(Stop().soundingMs, 100, 15);
}

// One note on the piano, half a second long, as a Standard MIDI File.
std::vector<uint8_t> OneNoteMidi() {
    const std::vector<uint8_t> track = {0x00, 0xC0, 0x00, 0x00, 0x90, 0x3C, 0x64, 0x60,
                                        0x80, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00};
    std::vector<uint8_t> file = {
        'M', 'T', 'h', 'd', 0,   0,   0,   6, 0, 0, 0,
        1,   0,   96,  'M', 'T', 'r', 'k', 0, 0, 0, static_cast<uint8_t>(track.size())};
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

TEST_F(DiskAudio, MidiMusicIsHeard) {
    const std::string path = dir.Write("tune.mid", OneNoteMidi());
    ASSERT_EQ(StartMusic(path), 1);
    std::this_thread::sleep_for(milliseconds(1200));
    const Heard heard = Stop();
    EXPECT_GT(heard.peak, 1000);
    EXPECT_GT(heard.soundingMs, 100);
}

TEST_F(DiskAudio, AFileThatIsNoMidiIsRefusedQuietly) {
    const std::string path = dir.Write("noise.mid", std::vector<uint8_t>(100, 0x33));
    EXPECT_EQ(StartMusic(path), 0);
    EXPECT_EQ(StartMusic(dir.Path("absent.mid")), 0);
}
} // namespace
