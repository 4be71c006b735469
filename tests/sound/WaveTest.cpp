#include "game/io/Wave.h"

#include <gtest/gtest.h>

#include "game/gfx/Archive.h"
#include "game/io/SoundEffect.h"
#include "tests/sound/CapturingBox.h"
#include "tests/sound/WavBytes.h"
#include "tests/support/TestFiles.h"
#include "tools/common/ArchiveWriter.h"

#include <filesystem>

namespace {
const std::vector<uint8_t> kFourSamples = {1, 2, 3, 4, 5, 6, 7, 8};
const std::vector<uint8_t> kOdd = {9, 9, 9};
const std::vector<uint8_t> kAdpcmExtra = {0xF4, 0x01, 0x07, 0x00};

std::vector<uint8_t> Pcm16() {
    return FmtBody(1, 1, 44100, 16);
}

std::vector<uint8_t> AdpcmFmtMissingALastByte() {
    std::vector<uint8_t> fmt = FmtBody(2, 1, 22050, 4, &kAdpcmExtra);
    fmt.pop_back();
    return fmt;
}

// A file whose last chunk declares `declared` bytes but holds only the body.
std::vector<uint8_t> WithLastChunkClaiming(std::vector<WavChunk> chunks, uint32_t declared) {
    const WavChunk last = chunks.back();
    chunks.pop_back();
    std::vector<uint8_t> out = RiffWave(chunks);
    const std::vector<uint8_t> tail = ChunkBytes(last, declared);
    out.insert(out.end(), tail.begin(), tail.end());
    const uint32_t riff = static_cast<uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<uint8_t>(riff >> (8 * i));
    return out;
}

struct WaveCase {
    const char* name;
    std::vector<uint8_t> bytes;
    int result;
    std::vector<std::string> messages;
    std::vector<uint8_t> data;
};

class WaveParse : public ::testing::TestWithParam<WaveCase> {};

TEST_P(WaveParse, GivesResultMessagesAndSamples) {
    const WaveCase& c = GetParam();
    CapturingBox box;
    Wave wave;
    EXPECT_EQ(wave.LoadBytes(c.bytes, 0), c.result);
    EXPECT_EQ(box.texts, c.messages);
    EXPECT_EQ(wave.Data(), c.data);
    EXPECT_EQ(wave.Size(), c.data.size());
    EXPECT_EQ(wave.HasFormat(), c.result == kWaveOk);
}

const std::vector<std::string> kNoDataBoxes = {"2 0 12\r\n", "OPENFILE3\r\n"};

INSTANTIATE_TEST_SUITE_P(
    Rows, WaveParse,
    ::testing::Values(
        WaveCase{
            "plain_pcm", RiffWave({{"fmt ", Pcm16()}, {"data", kFourSamples}}), kWaveOk, {}, kFourSamples},
        WaveCase{"data_before_fmt",
                 RiffWave({{"data", kFourSamples}, {"fmt ", Pcm16()}}),
                 kWaveOk,
                 {},
                 kFourSamples},
        WaveCase{
            "list_before_data",
            RiffWave({{"fmt ", Pcm16()}, {"LIST", std::vector<uint8_t>(26, 'i')}, {"data", kFourSamples}}),
            kWaveOk,
            {},
            kFourSamples},
        WaveCase{"odd_chunk_with_pad_byte",
                 RiffWave({{"fmt ", Pcm16()}, {"junk", kOdd}, {"data", kFourSamples}}),
                 kWaveOk,
                 {},
                 kFourSamples},
        WaveCase{"odd_chunk_without_pad_byte",
                 RiffWave({{"fmt ", Pcm16()}, {"junk", kOdd, false}, {"data", kFourSamples}}),
                 kWaveNoData,
                 kNoDataBoxes,
                 {}},
        WaveCase{"riff_size_beyond_the_bytes",
                 RiffWave({{"fmt ", Pcm16()}, {"data", kFourSamples}}, 100000),
                 kWaveOk,
                 {},
                 kFourSamples},
        WaveCase{"fmt_shorter_than_16",
                 RiffWave({{"fmt ", std::vector<uint8_t>(15)}, {"data", kFourSamples}}),
                 kWaveBadFormat,
                 {},
                 {}},
        WaveCase{"no_fmt", RiffWave({{"data", kFourSamples}}), kWaveBadFormat, {}, {}},
        WaveCase{"fmt_past_the_end", WithLastChunkClaiming({{"fmt ", Pcm16()}}, 40), kWaveBadFormat, {}, {}},
        WaveCase{"extra_format_bytes_past_fmt",
                 RiffWave({{"fmt ", AdpcmFmtMissingALastByte()}, {"data", kFourSamples}}),
                 kWaveBadFormat,
                 {},
                 {}},
        WaveCase{"not_riff",
                 std::vector<uint8_t>{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'},
                 kWaveBadFormat,
                 {},
                 {}},
        WaveCase{"shorter_than_a_header", std::vector<uint8_t>{'R', 'I', 'F', 'F'}, kWaveBadFormat, {}, {}},
        WaveCase{
            "missing_data", RiffWave({{"fmt ", Pcm16()}, {"LIST", kOdd}}), kWaveNoData, kNoDataBoxes, {}},
        WaveCase{"chunk_before_data_runs_past_riff",
                 WithLastChunkClaiming({{"fmt ", Pcm16()}, {"junk", kOdd}}, 0x7FFFFFF0),
                 kWaveNoData,
                 kNoDataBoxes,
                 {}},
        WaveCase{"data_longer_than_the_entry",
                 WithLastChunkClaiming({{"fmt ", Pcm16()}, {"data", kFourSamples}}, 9),
                 kWaveDataCut,
                 {"OPENFILE2\r\n"},
                 {}},
        WaveCase{"data_claims_4_gib",
                 WithLastChunkClaiming({{"fmt ", Pcm16()}, {"data", kFourSamples}}, 0xFFFFFFFF),
                 kWaveDataCut,
                 {"OPENFILE2\r\n"},
                 {}},
        WaveCase{"data_past_a_short_riff_size",
                 RiffWave({{"fmt ", Pcm16()}, {"data", kFourSamples}}, 40),
                 kWaveDataCut,
                 {"OPENFILE2\r\n"},
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Wave, NonPcmFormatKeepsItsExtraBytes) {
    Wave wave;
    ASSERT_EQ(wave.LoadBytes(
                  RiffWave({{"fmt ", FmtBody(2, 1, 22050, 4, &kAdpcmExtra)}, {"data", kFourSamples}}), 0),
              kWaveOk);
    EXPECT_EQ(wave.Format().formatTag, 2);
    EXPECT_EQ(wave.Format().samplesPerSec, 22050u);
    EXPECT_EQ(wave.Format().extraSize, 4);
    EXPECT_EQ(wave.Format().extra, kAdpcmExtra);
}

TEST(Wave, LoadingAgainForgetsThePreviousWave) {
    Wave wave;
    ASSERT_EQ(wave.LoadBytes(RiffWave({{"fmt ", Pcm16()}, {"data", kFourSamples}}), 0), kWaveOk);
    EXPECT_EQ(wave.LoadBytes(RiffWave({{"data", kFourSamples}}), 0), kWaveBadFormat);
    EXPECT_FALSE(wave.HasFormat());
    EXPECT_EQ(wave.Size(), 0u);
}

TEST(Wave, EveryTruncationIsRefusedOrReadSafely) {
    const std::vector<uint8_t> whole =
        RiffWave({{"fmt ", FmtBody(2, 2, 22050, 4, &kAdpcmExtra)}, {"LIST", kOdd}, {"data", kFourSamples}});
    CapturingBox box;
    for (size_t n = 0; n < whole.size(); ++n) {
        Wave wave;
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + n);
        EXPECT_NE(wave.LoadBytes(cut, 0), kWaveOk) << n;
        EXPECT_LE(wave.Size(), n);
    }
}

class WaveInArchive : public ::testing::Test {
  protected:
    void SetUp() override {
        ArchiveWriter writer;
        ASSERT_TRUE(writer.Add("first.bin", std::vector<uint8_t>(100, 7)));
        ASSERT_TRUE(writer.Add("good.wav", RiffWave({{"fmt ", Pcm16()}, {"data", kFourSamples}})));
        ASSERT_TRUE(writer.Add("nodata.wav", RiffWave({{"fmt ", Pcm16()}})));
        ASSERT_TRUE(writer.WriteTo(dir.Path("zor.res")));
        ASSERT_EQ(archive.Open(dir.Path("zor.res")), 1);
    }
    TempDir dir;
    Archive archive;
};

TEST_F(WaveInArchive, ReadsTheEntryInPlaceWithoutRegardToCase) {
    Wave wave;
    ASSERT_EQ(wave.Load("GOOD.WAV", &archive), kWaveOk);
    EXPECT_EQ(wave.Data(), kFourSamples);
}

TEST_F(WaveInArchive, MissingDataShowsTheEntryOffsetAndTheSeekResult) {
    CapturingBox box;
    Wave wave;
    EXPECT_EQ(wave.Load("nodata.wav", &archive), kWaveNoData);
    const int offset = archive.FindOffset("nodata.wav");
    EXPECT_EQ(box.texts, (std::vector<std::string>{"2 " + std::to_string(offset) + " " +
                                                       std::to_string(offset + 12) + "\r\n",
                                                   "OPENFILE3\r\n"}));
}

TEST_F(WaveInArchive, AbsentEntryFailsWithoutMessage) {
    CapturingBox box;
    Wave wave;
    EXPECT_EQ(wave.Load("absent.wav", &archive), kWaveOpenFailed);
    EXPECT_TRUE(box.texts.empty());
}

TEST(Wave, ReadsAPlainFileWithoutAnArchive) {
    TempDir dir;
    const std::string path = dir.Write("a.wav", RiffWave({{"fmt ", Pcm16()}, {"data", kFourSamples}}));
    Wave wave;
    ASSERT_EQ(wave.Load(path.c_str(), nullptr), kWaveOk);
    EXPECT_EQ(wave.Data(), kFourSamples);
    EXPECT_EQ(wave.Load(dir.Path("absent.wav").c_str(), nullptr), kWaveOpenFailed);
}

// Files from other projects: what the reader makes of them, and whether the sound device would take them.
struct CorpusCase {
    const char* file;
    int result;
    uint32_t dataBytes;
    bool playable;
};

class WaveCorpus : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(WaveCorpus, ReadsOrRefusesSafely) {
    const CorpusCase& c = GetParam();
    // A clone without the shared corpus beside it skips these rows; a corpus that lacks a file fails.
    if (!std::filesystem::exists(std::string(ZOR_CORPUS_DIR) + "/README.md"))
        GTEST_SKIP() << "no corpus at " << ZOR_CORPUS_DIR << " (configure with -DZOR_CORPUS_DIR=...)";
    const std::string path = std::string(ZOR_CORPUS_DIR) + "/wav/" + c.file;
    const std::vector<uint8_t> bytes = ReadAll(path);
    ASSERT_FALSE(bytes.empty()) << "corpus file not found: " << path;
    CapturingBox box;
    Wave wave;
    EXPECT_EQ(wave.LoadBytes(bytes, 0), c.result);
    EXPECT_EQ(wave.Size(), c.dataBytes);
    EXPECT_EQ(wave.HasFormat() && IsPlayableFormat(wave.Format()), c.playable);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WaveCorpus,
    ::testing::Values(
        CorpusCase{"hound/nonstandard-01.wav", kWaveOk, 6, false},
        CorpusCase{"hound/nonstandard-02.wav", kWaveOk, 16, false},
        CorpusCase{"hound/pcmwaveformat-16bit-44100Hz-mono-extra.wav", kWaveOk, 8, true},
        CorpusCase{"hound/pcmwaveformat-16bit-44100Hz-mono.wav", kWaveOk, 8, true},
        CorpusCase{"hound/pcmwaveformat-24bit-4byte-48kHz-stereo.wav", kWaveOk, 16, false},
        CorpusCase{"hound/pcmwaveformat-8bit-44100Hz-mono.wav", kWaveOk, 4, true},
        CorpusCase{"hound/pop.wav", kWaveOk, 200, true},
        CorpusCase{"hound/waveformatex-16bit-44100Hz-mono-extra.wav", kWaveOk, 8, true},
        CorpusCase{"hound/waveformatex-16bit-44100Hz-mono.wav", kWaveOk, 8, true},
        CorpusCase{"hound/waveformatex-16bit-44100Hz-stereo.wav", kWaveOk, 16, true},
        CorpusCase{"hound/waveformatex-8bit-11025Hz-mono.wav", kWaveOk, 4, true},
        CorpusCase{"hound/waveformatex-ieeefloat-44100Hz-mono.wav", kWaveOk, 16, false},
        CorpusCase{"hound/waveformatextensible-24bit-192kHz-mono.wav", kWaveOk, 12, false},
        CorpusCase{"hound/waveformatextensible-24bit-4byte-48kHz-stereo.wav", kWaveOk, 16, false},
        CorpusCase{"hound/waveformatextensible-32bit-48kHz-stereo.wav", kWaveOk, 16, false},
        CorpusCase{"hound/waveformatextensible-ieeefloat-44100Hz-mono.wav", kWaveOk, 16, false},
        CorpusCase{"taglib/alaw.wav", kWaveOk, 56800, false},
        CorpusCase{"taglib/duplicate_tags.wav", kWaveOk, 14700, true},
        CorpusCase{"taglib/empty.wav", kWaveOk, 14700, true},
        CorpusCase{"taglib/float64.wav", kWaveOk, 68496, false},
        CorpusCase{"taglib/infloop.wav", kWaveOk, 14083, true},
        CorpusCase{"taglib/invalid-chunk.wav", kWaveBadFormat, 0, false},
        CorpusCase{"taglib/pcm_with_fact_chunk.wav", kWaveOk, 14700, true},
        CorpusCase{"taglib/rf64.wav", kWaveBadFormat, 0, false},
        CorpusCase{"taglib/segfault.wav", kWaveBadFormat, 0, false},
        CorpusCase{"taglib/uint8we.wav", kWaveOk, 46986, true},
        CorpusCase{"taglib/zero-size-chunk.wav", kWaveBadFormat, 0, false},
        CorpusCase{"hound/fuzz/crash-24728523ef4be15c838293b676f6853e73723bf4.wav", kWaveBadFormat, 0, false},
        CorpusCase{"hound/fuzz/crash-b8447179832529c48f9c6bf17feab6337bbc78ea.wav", kWaveBadFormat, 0, false},
        CorpusCase{"hound/fuzz/crash-cbd757427cea12bd8a21f86cd8cf74d98ce56bee.wav", kWaveBadFormat, 0, false},
        CorpusCase{"hound/fuzz/crash-e5471f5b58397287b509db7d026e95f1724454f5.wav", kWaveOk, 16, false},
        CorpusCase{"hound/fuzz/crash-e879de4eb4d206c59e21f0e01def16457af80fdc.wav", kWaveBadFormat, 0, false},
        CorpusCase{"hound/fuzz/oom-48ae4cd061ff8578ad3f23dc87624bd365cf5216.wav", kWaveBadFormat, 0, false}),
    [](const auto& info) {
        std::string name = info.param.file;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });
} // namespace
