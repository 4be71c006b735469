#include <gtest/gtest.h>

#include <cmath>

#include "tools/soundgen/SampleOps.h"
#include "tools/soundgen/WavWriter.h"

namespace soundgen {
namespace {

TEST(WavWriter, WritesACanonicalMono16BitPcmFile) {
    const int16_t samples[] = {0, -2, 0x1234};
    const std::vector<uint8_t> expected = {'R',  'I',  'F', 'F', 42,  0,  0, 0, 'W', 'A', 'V',
                                           'E',  'f',  'm', 't', ' ', 16, 0, 0, 0,   1,   0, // PCM
                                           1,    0,                                          // mono
                                           0x22, 0x56, 0,   0, // 22050 per second
                                           0x44, 0xAC, 0,   0, // 44100 bytes per second
                                           2,    0,    16,  0, // block alignment, bits per sample
                                           'd',  'a',  't', 'a', 6,   0,  0, 0, 0,   0,   0xFE,
                                           0xFF, 0x34, 0x12};
    EXPECT_EQ(EncodeWavMono16(samples, 22050), expected);
}

TEST(WavWriter, NoSamplesGiveAnEmptyDataChunk) {
    const auto wav = EncodeWavMono16({}, 8000);
    ASSERT_EQ(wav.size(), 44u);
    EXPECT_EQ(wav[4], 36);
    EXPECT_EQ(wav[40], 0);
}

Samples Sine(size_t n, float amplitude) {
    Samples s(n);
    for (size_t i = 0; i < n; ++i) s[i] = amplitude * std::sin(0.05f * float(i));
    return s;
}

TEST(Loudness, QuietToneIsRaisedToTheTargetLevel) {
    Samples s = Sine(20000, 0.01f);
    NormaliseLoudness(s);
    EXPECT_NEAR(Measure(s).rms, kTargetRms, 1e-4);
    EXPECT_LE(Measure(s).peak, kPeakCeiling);
}

TEST(Loudness, SpikySoundStopsAtThePeakCeiling) {
    Samples s(20000, 0.0f);
    s[100] = 0.3f; // one spike: reaching the RMS target would clip it
    s[200] = 0.01f;
    NormaliseLoudness(s);
    EXPECT_FLOAT_EQ(Measure(s).peak, kPeakCeiling);
}

TEST(Loudness, SilenceStaysSilent) {
    Samples s(100, 0.0f);
    NormaliseLoudness(s);
    EXPECT_EQ(Measure(s).peak, 0.0f);
}

TEST(EdgeFades, StartAndEndAtZeroAndLeaveTheMiddle) {
    Samples s(1000, 0.5f);
    ApplyEdgeFades(s, 10000, 2, 5);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_EQ(s.back(), 0.0f);
    EXPECT_LT(s[10], 0.5f);
    EXPECT_EQ(s[500], 0.5f);
    EXPECT_LT(s[960], 0.5f);
    EXPECT_EQ(s[900], 0.5f);
}

TEST(EdgeFades, ShorterThanTheFadesStillEndsAtZero) {
    Samples s(3, 1.0f);
    ApplyEdgeFades(s, 22050, 10, 10);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_EQ(s.back(), 0.0f);
}

TEST(TrimSilence, KeepsAFiveMillisecondMarginAroundTheSound) {
    Samples s(3000, 0.0f);
    for (size_t i = 1000; i < 1500; ++i) s[i] = 0.5f;
    TrimSilence(s, 1000, 0.01f); // 1000 per second: the margin is 5 samples
    EXPECT_EQ(s.size(), 510u);
    EXPECT_EQ(s[4], 0.0f);
    EXPECT_EQ(s[5], 0.5f);
}

TEST(TrimSilence, AllSilentBecomesEmpty) {
    Samples s(100, 0.0001f);
    TrimSilence(s, 22050, 0.01f);
    EXPECT_TRUE(s.empty());
}

TEST(Pcm16, RoundsAndClamps) {
    const float in[] = {0.0f, 1.0f, -1.0f, 2.0f, -3.0f, 0.5f};
    EXPECT_EQ(ToPcm16(in), (std::vector<int16_t>{0, 32767, -32767, 32767, -32767, 16384}));
}

} // namespace
} // namespace soundgen
