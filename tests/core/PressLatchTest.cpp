#include <gtest/gtest.h>

#include <string>

#include "platform/PressLatch.h"

namespace {
constexpr uint8_t kKeys = 1, kPad = 2;

// Events between polls, one letter each: 'd'/'u' keyboard down/up, 'D'/'U' pad down/up, 'x' the keyboard's
// keys dropped, '|' a poll. The answer is what every poll read, '1' down and '0' up.
std::string Polls(const std::string& events) {
    PressLatch<1> latch;
    std::string reads;
    for (char c : events) {
        switch (c) {
        case 'd':
            latch.Press(0, kKeys);
            break;
        case 'u':
            latch.Release(0, kKeys);
            break;
        case 'D':
            latch.Press(0, kPad);
            break;
        case 'U':
            latch.Release(0, kPad);
            break;
        case 'x':
            latch.Drop(kKeys);
            break;
        default: {
            uint8_t out = 0;
            latch.Read(&out);
            reads += out == PressLatch<1>::kDown ? '1' : '0';
        }
        }
    }
    return reads;
}

struct Case {
    const char* events;
    const char* reads;
};

class PressLatchReads : public ::testing::TestWithParam<Case> {};

TEST_P(PressLatchReads, AsExpected) {
    EXPECT_EQ(Polls(GetParam().events), GetParam().reads) << GetParam().events;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressLatchReads,
    ::testing::Values(Case{"|d|||u||", "011100"}, // held over polls, released
                      Case{"|du|||", "0100"},     // a tap inside one frame is down once
                      Case{"|dudu||", "010"},     // two taps in one frame: one press
                      Case{"d|ud|u|", "101"},     // released and pressed again between polls: up, then down
                      Case{"d|udu|||", "1010"},   // the same tap while held: up, down, up
                      Case{"d|u|", "10"},         // a plain release
                      Case{"d|D|u|U|", "1110"},   // both hold it: down while either does
                      Case{"d|U|", "11"},         // a release by a source that never pressed changes nothing
                      Case{"d|x|", "10"},         // dropped: reads up without a press
                      Case{"dux|", "0"},          // a tap before the drop is forgotten
                      Case{"D|x|", "11"}));       // a drop of the keyboard leaves the pad's press

TEST(PressLatch, EntriesAreIndependentAndOutOfRangeIsIgnored) {
    PressLatch<3> latch;
    latch.Press(1, kKeys);
    latch.Press(7, kKeys);
    latch.Release(7, kKeys);
    uint8_t out[3] = {9, 9, 9};
    latch.Read(out);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], PressLatch<3>::kDown);
    EXPECT_EQ(out[2], 0);
    EXPECT_TRUE(latch.HeldBy(1, kKeys));
    EXPECT_FALSE(latch.HeldBy(1, kPad));
    EXPECT_FALSE(latch.HeldBy(7, kKeys));
}
} // namespace
