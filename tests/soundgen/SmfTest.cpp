#include <gtest/gtest.h>

#include "tools/soundgen/SmfReader.h"
#include "tools/soundgen/SmfWriter.h"

namespace soundgen {
namespace {

struct VarLenRow {
    uint32_t value;
    Bytes encoded;
};

void PrintTo(const VarLenRow& r, std::ostream* os) {
    *os << r.value;
}

class VarLen : public testing::TestWithParam<VarLenRow> {};

TEST_P(VarLen, EncodesSevenBitGroupsMostSignificantFirst) {
    Bytes out;
    AppendVarLen(out, GetParam().value);
    EXPECT_EQ(out, GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(Quantities, VarLen,
                         testing::Values(VarLenRow{0x00, {0x00}}, VarLenRow{0x40, {0x40}},
                                         VarLenRow{0x7F, {0x7F}}, VarLenRow{0x80, {0x81, 0x00}},
                                         VarLenRow{0x2000, {0xC0, 0x00}}, VarLenRow{0x3FFF, {0xFF, 0x7F}},
                                         VarLenRow{0x4000, {0x81, 0x80, 0x00}},
                                         VarLenRow{0x1FFFFF, {0xFF, 0xFF, 0x7F}},
                                         VarLenRow{0x200000, {0x81, 0x80, 0x80, 0x00}},
                                         VarLenRow{0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}}));

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(SmfWriter, HeaderIsFormatZeroForOneTrackAndOneForMore) {
    const Bytes one = WriteSmf(480, {MidiTrack{}});
    EXPECT_EQ(Bytes(one.begin(), one.begin() + 14),
              (Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0}));
    const Bytes two = WriteSmf(96, {MidiTrack{}, MidiTrack{}});
    EXPECT_EQ(Bytes(two.begin(), two.begin() + 14),
              (Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96}));
}

TEST(SmfWriter, EmptyTrackHoldsOnlyTheEndOfTrackEvent) {
    EXPECT_EQ(MidiTrack{}.Encode(), (Bytes{'M', 'T', 'r', 'k', 0, 0, 0, 4, 0x00, 0xFF, 0x2F, 0x00}));
}

TEST(SmfWriter, ChordUsesRunningStatusAndNoteOffsComeBeforeNoteOnsAtTheSameTick) {
    MidiTrack t;
    t.Note(480, 480, 0, 62, 90); // added first, starts later
    t.Note(0, 480, 0, 60, 100);
    t.Note(0, 480, 0, 64, 100);
    const Bytes body = {0x00, 0x90, 60,   100, 0x00, 64,   100,         // chord: status once
                        0x83, 0x60, 0x80, 60,  0,    0x00, 64,   0,     // both off at 480
                        0x00, 0x90, 62,   90,  0x83, 0x60, 0x80, 62, 0, // the next note
                        0x00, 0xFF, 0x2F, 0x00};
    EXPECT_EQ(t.Encode(), Concat({{'M', 'T', 'r', 'k', 0, 0, 0, uint8_t(body.size())}, body}));
}

TEST(SmfWriter, MetaEventCancelsRunningStatus) {
    MidiTrack t;
    t.ControlChange(0, 2, 7, 100);
    t.Tempo(5, 500000);
    t.ControlChange(10, 2, 10, 64); // status repeated after the meta event
    t.ControlChange(20, 2, 91, 40); // and left out again after that
    const Bytes body = {0x00, 0xB2, 7,  100, 0x05, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,
                        0x05, 0xB2, 10, 64,  0x0A, 91,   40,   0x00, 0xFF, 0x2F, 0x00};
    EXPECT_EQ(t.Encode(), Concat({{'M', 'T', 'r', 'k', 0, 0, 0, uint8_t(body.size())}, body}));
}

TEST(SmfRoundTrip, ReaderGetsBackWhatTheWriterWrote) {
    MidiTrack meta, notes;
    meta.Tempo(0, 600000);
    meta.TrackName(0, "name");
    notes.ProgramChange(0, 3, 45);
    for (int i = 0; i < 40; ++i) notes.Note(uint32_t(i * 130), 200, i % 16, 40 + i, 50 + i);
    const auto file = ReadSmf(WriteSmf(240, {meta, notes}));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->format, 1);
    EXPECT_EQ(file->ticksPerQuarter, 240);
    ASSERT_EQ(file->tracks.size(), 2u);
    EXPECT_EQ(file->tracks[0][0].tempo, 600000u);
    const auto events = TimedChannelEvents(*file);
    ASSERT_EQ(events.size(), 81u);
    EXPECT_EQ(events[0].status, 0xC3);
    EXPECT_EQ(events[0].data1, 45);
    int ons = 0;
    for (const TimedEvent& e : events)
        if ((e.status & 0xF0) == 0x90) {
            EXPECT_EQ(e.status & 0x0F, ons % 16);
            EXPECT_EQ(e.data1, 40 + ons);
            EXPECT_NEAR(e.seconds, ons * 130 * 0.6 / 240, 1e-9);
            ++ons;
        }
    EXPECT_EQ(ons, 40);
}

TEST(SmfDuration, FollowsTempoChanges) {
    MidiTrack meta, notes;
    meta.Tempo(0, 500000);    // 120 per minute for the first quarter
    meta.Tempo(480, 1000000); // then 60 per minute
    notes.Note(0, 960, 0, 60, 100);
    const auto file = ReadSmf(WriteSmf(480, {meta, notes}));
    ASSERT_TRUE(file);
    EXPECT_DOUBLE_EQ(DurationSeconds(*file), 1.5);
}

Bytes Header(uint16_t division) {
    return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, uint8_t(division >> 8), uint8_t(division)};
}
Bytes Track(const Bytes& body) {
    return Concat({{'M', 'T', 'r', 'k', 0, 0, 0, uint8_t(body.size())}, body});
}

struct BadFileRow {
    const char* what;
    Bytes bytes;
};

void PrintTo(const BadFileRow& r, std::ostream* os) {
    *os << r.what;
}

class BadSmf : public testing::TestWithParam<BadFileRow> {};

TEST_P(BadSmf, IsRefused) {
    EXPECT_FALSE(ReadSmf(GetParam().bytes)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadSmf,
    testing::Values(
        BadFileRow{"empty", {}}, BadFileRow{"wrong id", Concat({{'R', 'I', 'F', 'F'}, Header(480)})},
        BadFileRow{"SMPTE division", Concat({Header(0xE728), Track({0, 0xFF, 0x2F, 0})})},
        BadFileRow{"zero division", Concat({Header(0), Track({0, 0xFF, 0x2F, 0})})},
        BadFileRow{"missing track", Header(480)},
        BadFileRow{"track longer than the file", Concat({Header(480), {'M', 'T', 'r', 'k', 0, 0, 1, 0, 0}})},
        BadFileRow{"data byte without running status", Concat({Header(480), Track({0, 0x3C, 0x40})})},
        BadFileRow{"five-byte delta",
                   Concat({Header(480), Track({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 1, 1})})},
        BadFileRow{"truncated note", Concat({Header(480), Track({0, 0x90, 0x3C})})},
        BadFileRow{"meta longer than the track", Concat({Header(480), Track({0, 0xFF, 0x01, 0x09, 'a'})})}));

TEST(SmfReader, EveryTruncationOfAGoodFileIsHandled) {
    MidiTrack t;
    t.Tempo(0, 400000);
    for (int i = 0; i < 10; ++i) t.Note(uint32_t(i * 100), 300, 1, 60 + i, 80);
    const Bytes good = WriteSmf(480, {t});
    ASSERT_TRUE(ReadSmf(good));
    for (size_t n = 0; n < good.size(); ++n) EXPECT_FALSE(ReadSmf(std::span(good.data(), n))) << n;
}

} // namespace
} // namespace soundgen
