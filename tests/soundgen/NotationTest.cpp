#include <gtest/gtest.h>

#include "tools/soundgen/Notation.h"

namespace soundgen {
namespace {

struct PitchRow {
    Key key;
    int degree;
    int alteration;
    int pitch;
};

void PrintTo(const PitchRow& r, std::ostream* os) {
    *os << "tonic " << r.key.tonic << (r.key.minor ? " minor" : " major") << " degree " << r.degree;
}

class Degrees : public testing::TestWithParam<PitchRow> {};

TEST_P(Degrees, MapToKeyNumbers) {
    const PitchRow& r = GetParam();
    EXPECT_EQ(DegreePitch(r.key, r.degree, r.alteration), r.pitch);
}

INSTANTIATE_TEST_SUITE_P(Keys, Degrees,
                         testing::Values(PitchRow{{60, false}, 0, 0, 60}, PitchRow{{60, false}, 2, 0, 64},
                                         PitchRow{{60, false}, 7, 0, 72}, PitchRow{{60, false}, -1, 0, 59},
                                         PitchRow{{60, false}, -7, 0, 48}, PitchRow{{60, false}, 3, 1, 66},
                                         PitchRow{{57, true}, 2, 0, 60}, PitchRow{{57, true}, 6, 1, 68},
                                         PitchRow{{57, true}, -2, 0, 53}));

TEST(Grid, ReadsNotesHoldsRestsAndOctaves) {
    std::vector<GridNote> notes;
    uint32_t units = 0;
    std::string error;
    ASSERT_TRUE(ParseGrid("1 - 3 . | #4' b7, - -", notes, units, error)) << error;
    EXPECT_EQ(units, 8u);
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0].start, 0u);
    EXPECT_EQ(notes[0].length, 2u);
    EXPECT_EQ(notes[1].degree, 2);
    EXPECT_EQ(notes[1].length, 1u);
    EXPECT_EQ(notes[2].start, 4u);
    EXPECT_EQ(notes[2].degree, 10);
    EXPECT_EQ(notes[2].alteration, 1);
    EXPECT_EQ(notes[3].degree, -1);
    EXPECT_EQ(notes[3].alteration, -1);
    EXPECT_EQ(notes[3].length, 3u);
}

class BadGrid : public testing::TestWithParam<const char*> {};

TEST_P(BadGrid, IsRefused) {
    std::vector<GridNote> notes;
    uint32_t units = 0;
    std::string error;
    EXPECT_FALSE(ParseGrid(GetParam(), notes, units, error));
    EXPECT_FALSE(error.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, BadGrid, testing::Values("- 1", "1 . -", "8", "0", "1x", "c", "#"));

TEST(Chords, ReadSplitBarsSeventhsAndAlteredRoots) {
    std::vector<std::vector<ChordSymbol>> bars;
    std::string error;
    ASSERT_TRUE(ParseChords("1 | 4/5^ b7", bars, error)) << error;
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[1].size(), 2u);
    EXPECT_EQ(bars[1][1].degree, 4);
    EXPECT_TRUE(bars[1][1].seventh);
    EXPECT_EQ(bars[2][0].alteration, -1);
    EXPECT_FALSE(ParseChords("1 9", bars, error));
    EXPECT_FALSE(ParseChords("1 5^^", bars, error));
}

struct ChordRow {
    Key key;
    ChordSymbol chord;
    std::vector<int> pitchClasses;
};

void PrintTo(const ChordRow& r, std::ostream* os) {
    *os << "tonic " << r.key.tonic << (r.key.minor ? " minor" : " major") << " chord on " << r.chord.degree;
}

class ChordTones : public testing::TestWithParam<ChordRow> {};

TEST_P(ChordTones, AreDiatonicWithARaisedLeadingToneInMinor) {
    EXPECT_EQ(ChordPitchClasses(GetParam().key, GetParam().chord), GetParam().pitchClasses);
}

INSTANTIATE_TEST_SUITE_P(Chords, ChordTones,
                         testing::Values(ChordRow{{60, false}, {0, 0, false}, {0, 4, 7}},
                                         ChordRow{{60, false}, {1, 0, false}, {2, 5, 9}},
                                         ChordRow{{60, false}, {4, 0, true}, {7, 11, 2, 5}},
                                         ChordRow{{60, false}, {6, -1, false}, {10, 2, 5}},
                                         ChordRow{{57, true}, {4, 0, false}, {4, 8, 11}},
                                         ChordRow{{57, true}, {0, 0, false}, {9, 0, 4}},
                                         ChordRow{{57, true}, {6, 0, false}, {7, 11, 2}}));

} // namespace
} // namespace soundgen
