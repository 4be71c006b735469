#include "game/io/SoundEffect.h"

#include <gtest/gtest.h>

#include "game/control/Random.h"
#include "game/gfx/Archive.h"
#include "game/io/Effects.h"
#include "game/io/Globals.h"
#include "game/io/SoundDevice.h"
#include "game/io/SoundLevels.h"
#include "game/io/Wave.h"
#include "tests/sound/CapturingBox.h"
#include "tests/sound/FakeAudioDevice.h"
#include "tests/sound/WavBytes.h"
#include "tests/support/TestFiles.h"
#include "tools/common/ArchiveWriter.h"

namespace {
std::vector<uint8_t> Wav(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, size_t dataBytes) {
    return RiffWave({{"fmt ", FmtBody(tag, channels, rate, bits)}, {"data", std::vector<uint8_t>(dataBytes, 0x40)}});
}

class WithDevice : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(DSCreate(&device), 1); }
    void TearDown() override { ReleaseSound(); }

    int CreateFrom(SoundEffect& effect, const std::vector<uint8_t>& bytes) {
        Wave wave;
        wave.LoadBytes(bytes, 0);
        return effect.CreateFromWave(wave);
    }
    FakeAudioDevice device;
};

TEST(SoundDevice, OpensWithAChannelForEveryEffect) {
    FakeAudioDevice device;
    EXPECT_EQ(DSCreate(&device), 1);
    EXPECT_EQ(device.channelsAsked, kEffectCount);
    EXPECT_EQ(lowDSound, &device);
    ReleaseSound();
    EXPECT_EQ(lowDSound, nullptr);
}

TEST(SoundDevice, WithoutADeviceEverythingIsSilentAndQuiet) {
    FakeAudioDevice refusing;
    refusing.opens = false;
    CapturingBox box;
    EXPECT_EQ(DSCreate(&refusing), 0);
    EXPECT_EQ(DSCreate(nullptr), 0);
    SoundEffect effect;
    EXPECT_EQ(effect.Create(nullptr, "absent.wav"), 0);
    effect.Play();
    effect.SetParams(22050, 3, 50);
    EXPECT_FALSE(effect.Loaded());
    EXPECT_TRUE(box.texts.empty());
}

struct FormatCase {
    const char* name;
    std::vector<uint8_t> bytes;
    bool accepted;
};

class EffectFormats : public WithDevice, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(EffectFormats, PlayableFormatsAreTakenOthersRefusedWithTheMessage) {
    const FormatCase& c = GetParam();
    CapturingBox box;
    SoundEffect effect;
    EXPECT_EQ(CreateFrom(effect, c.bytes), c.accepted ? 1 : 0);
    EXPECT_EQ(effect.Loaded(), c.accepted);
    EXPECT_EQ(box.texts,
              c.accepted ? std::vector<std::string>{} : std::vector<std::string>{"lowDSound->CreateSoundBuffer\r\n"});
}

INSTANTIATE_TEST_SUITE_P(Rows, EffectFormats,
                         ::testing::Values(FormatCase{"u8_mono_11025", Wav(1, 1, 11025, 8, 10), true},
                                           FormatCase{"s16_stereo_44100", Wav(1, 2, 44100, 16, 8), true},
                                           FormatCase{"s16_mono_8000", Wav(1, 1, 8000, 16, 2), true},
                                           FormatCase{"adpcm", Wav(2, 1, 22050, 4, 8), false},
                                           FormatCase{"float", Wav(3, 1, 44100, 32, 8), false},
                                           FormatCase{"alaw", Wav(6, 1, 8000, 8, 8), false},
                                           FormatCase{"pcm_24_bit", Wav(1, 1, 44100, 24, 6), false},
                                           FormatCase{"three_channels", Wav(1, 3, 44100, 16, 12), false},
                                           FormatCase{"rate_below_100", Wav(1, 1, 99, 8, 10), false},
                                           FormatCase{"rate_zero", Wav(1, 1, 0, 8, 10), false},
                                           FormatCase{"no_whole_frame", Wav(1, 2, 44100, 16, 3), false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WithDevice, CreatePlaysAtTheWaveRateCentredAtFullLevel) {
    SoundEffect effect;
    ASSERT_EQ(CreateFrom(effect, Wav(1, 2, 22050, 16, 10)), 1);
    const FakeAudioDevice::Effect& e = device.effects.at(0);
    EXPECT_EQ(e.rate, 22050);
    EXPECT_EQ(e.channels, 2);
    EXPECT_EQ(e.bits, 16);
    EXPECT_EQ(e.samples.size(), 8u); // the part of a frame at the end is dropped
    EXPECT_FLOAT_EQ(e.left, 1);
    EXPECT_FLOAT_EQ(e.right, 1);
    EXPECT_FLOAT_EQ(e.volume, 1);
}

TEST_F(WithDevice, SetParamsResamplesPansAndSetsTheLevelInDecibels) {
    SoundEffect effect;
    ASSERT_EQ(CreateFrom(effect, Wav(1, 1, 22050, 8, 10)), 1);
    const FakeAudioDevice::Effect& e = device.effects.at(0);
    effect.SetParams(44100, 3, 50);
    EXPECT_EQ(e.rate, 44100);
    EXPECT_NEAR(e.left, 0.031623f, 1e-5); // towards the right: the left side is 30 dB down
    EXPECT_FLOAT_EQ(e.right, 1);
    EXPECT_NEAR(e.volume, 0.0031623f, 1e-6); // 50 % is -50 dB
    effect.SetParams(50, -10, 0);            // a rate out of range keeps the pitch
    EXPECT_EQ(e.rate, 44100);
    EXPECT_FLOAT_EQ(e.left, 1);
    EXPECT_FLOAT_EQ(e.right, 0);
    EXPECT_FLOAT_EQ(e.volume, 0);
}

TEST(SoundLevels, HundredthsOfADecibelBecomeGains) {
    EXPECT_FLOAT_EQ(GainFromHundredthsDb(0), 1);
    EXPECT_FLOAT_EQ(GainFromHundredthsDb(-2000), 0.1f);
    EXPECT_FLOAT_EQ(GainFromHundredthsDb(-600), 0.50118723f);
    EXPECT_FLOAT_EQ(GainFromHundredthsDb(-10000), 0);
    EXPECT_FLOAT_EQ(GainFromHundredthsDb(-20000), 0);
    EXPECT_FLOAT_EQ(PanFromHundredthsDb(10000).left, 0);
    EXPECT_FLOAT_EQ(PanFromHundredthsDb(-4000).right, 0.01f);
    EXPECT_FLOAT_EQ(PanFromHundredthsDb(-4000).left, 1);
}

TEST_F(WithDevice, PlayHandsEveryRequestToTheEffectsOwnChannel) {
    SoundEffect first, second;
    ASSERT_EQ(CreateFrom(first, Wav(1, 1, 11025, 8, 4)), 1);
    ASSERT_EQ(CreateFrom(second, Wav(1, 1, 11025, 8, 4)), 1);
    first.Play();
    first.Play();
    second.Play();
    EXPECT_EQ(device.effects.at(0).plays, 2);
    EXPECT_EQ(device.effects.at(1).plays, 1);
}

TEST_F(WithDevice, DeviceFailuresShowTheirMessages) {
    CapturingBox box;
    SoundEffect effect;
    device.freeChannels = 0;
    EXPECT_EQ(CreateFrom(effect, Wav(1, 1, 11025, 8, 4)), 0);
    device.freeChannels = 1;
    device.acceptSamples = false;
    EXPECT_EQ(CreateFrom(effect, Wav(1, 1, 11025, 8, 4)), 0);
    EXPECT_FALSE(effect.Loaded());
    EXPECT_FALSE(device.effects.at(0).inUse); // the channel was given back
    EXPECT_EQ(box.texts, (std::vector<std::string>{"lowDSound->CreateSoundBuffer\r\n", "m_pDSB->Lock1\r\n"}));
}

class EffectTable : public WithDevice {
protected:
    void SetUp() override {
        WithDevice::SetUp();
        ArchiveWriter writer;
        for (int id = 0; id < kEffectCount; ++id) {
            if (id == EffectRank) continue;
            const bool noData = id == EffectCardOpen;
            writer.Add(kEffectFiles[id], noData ? RiffWave({{"fmt ", FmtBody(1, 1, 8000, 8)}})
                                                : Wav(1, 1, 8000 + id, 8, 4));
        }
        ASSERT_TRUE(writer.WriteTo(dir.Path("zor.res")));
        ASSERT_EQ(archive.Open(dir.Path("zor.res")), 1);
    }
    TempDir dir;
    Archive archive;
};

TEST_F(EffectTable, LoadsInOrderAndAFailureGoesOnWithTheNext) {
    CapturingBox box;
    LoadEffects(&archive);
    const int cardOpenOffset = archive.FindOffset("CardOpen.wav");
    EXPECT_EQ(box.texts, (std::vector<std::string>{
                             "Wave.Load( Rank.wav )\r\n",
                             "2 " + std::to_string(cardOpenOffset) + " " + std::to_string(cardOpenOffset + 12) + "\r\n",
                             "OPENFILE3\r\n", "Wave.Load( CardOpen.wav )\r\n"}));
    ASSERT_EQ(device.effects.size(), size_t{kEffectCount - 2});
    EXPECT_EQ(device.effects.front().rate, 8000 + EffectLogo);
    EXPECT_EQ(device.effects.back().rate, 8000 + EffectMouseClick);
    EXPECT_FALSE(gEffects[EffectRank].Loaded());
    EXPECT_TRUE(gEffects[EffectMouseClick].Loaded());
}

TEST_F(EffectTable, PlaysByIdByNameAndAtRandom) {
    LoadEffects(&archive);
    const auto playsOf = [this](int rate) {
        for (const auto& e : device.effects)
            if (e.rate == rate) return e.plays;
        return -1;
    };
    PlayEffect(EffectClear);
    EXPECT_TRUE(PlayEffect("LOGO.WAV"));
    EXPECT_FALSE(PlayEffect("logo.wa"));
    EXPECT_EQ(playsOf(8000 + EffectClear), 1);
    EXPECT_EQ(playsOf(8000 + EffectLogo), 1);

    SeedRandom(1);
    const int first = GameRand() % kSuccessEffects;
    SeedRandom(1);
    PlaySuccessEffect();
    EXPECT_EQ(playsOf(8000 + EffectSuccess1 + first), 1);
    SeedRandom(2);
    const int fail = GameRand() % kFailEffects;
    SeedRandom(2);
    PlayFailEffect();
    EXPECT_EQ(playsOf(8000 + EffectFail1 + fail), 1);
}
} // namespace
