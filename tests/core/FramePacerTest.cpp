#include <gtest/gtest.h>

#include <vector>

#include "game/control/Globals.h"
#include "game/gfx/Globals.h"
#include "game/io/Globals.h"
#include "game/shell/FramePacer.h"
#include "game/shell/Globals.h"

namespace {
std::vector<uint32_t> FrameStarts(uint32_t workMs, int frames) {
    VirtualClock clock;
    FramePacer pacer;
    std::vector<uint32_t> starts;
    for (int i = 0; i < frames; ++i) {
        pacer.RunFrame(clock, [&] {
            starts.push_back(clock.Ticks());
            clock.Advance(workMs);
        });
    }
    return starts;
}
} // namespace

TEST(FramePacer, FiveMillisecondsOfWorkGiveTwoFramesPerPeriod) {
    // The stored stamp is the one taken before sleeping, so a frame that slept is followed by one that
    // does not.
    EXPECT_EQ(FrameStarts(5, 6), (std::vector<uint32_t>{45, 50, 95, 100, 145, 150}));
}

TEST(FramePacer, FirstFrameWaitsFromZeroThenStaysOnTheGrid) {
    // Relative to the first frame: 0, 5, 50, 55, 100, 105.
    const auto starts = FrameStarts(5, 6);
    std::vector<uint32_t> relative;
    for (uint32_t s : starts) relative.push_back(s - starts[0]);
    EXPECT_EQ(relative, (std::vector<uint32_t>{0, 5, 50, 55, 100, 105}));
}

TEST(FramePacer, WorkLongerThanAFrameNeverSleeps) {
    EXPECT_EQ(FrameStarts(60, 3), (std::vector<uint32_t>{45, 105, 165}));
}

namespace {
// One frame on this machine's command, as the main loop runs it.
void RunSampledFrame() {
    gFrame.FrameUpdate(FrameCommands{{gCommandSampler.Sample(), {}}});
}
} // namespace

TEST(FrameUpdate, CounterWrapsAfter9999AndStandsStillWithoutFocus) {
    gShell = ShellState{};
    gDisplay.ready = 1;
    gController.mode = ModeEnding; // a mode whose update draws nothing and changes no screen
    gShell.frameCounter = 9998;
    std::vector<uint32_t> seen;
    for (int i = 0; i < 3; ++i) {
        RunSampledFrame();
        seen.push_back(gShell.frameCounter);
    }
    EXPECT_EQ(seen, (std::vector<uint32_t>{9999, 0, 1}));

    gFrame.OnFocus(false);
    RunSampledFrame();
    EXPECT_EQ(gShell.frameCounter, 1u);
    gFrame.OnFocus(true);
    RunSampledFrame();
    EXPECT_EQ(gShell.frameCounter, 2u);
    // A network game stands still only while both machines' windows are in the background.
    gTwoSeats = 1;
    FrameCommands away;
    for (int seat : {0, 1}) {
        away = FrameCommands{};
        away.seat[seat].flags = PlayerCommand::kFocusLost;
        gFrame.FrameUpdate(away);
    }
    EXPECT_EQ(gShell.frameCounter, 4u);
    away.seat[0].flags = PlayerCommand::kFocusLost;
    gFrame.FrameUpdate(away);
    EXPECT_EQ(gShell.frameCounter, 4u);
    gTwoSeats = 0;
    gDisplay.ready = 0;
}

TEST(FrameCommands, TabMovesTypingAwayUntilFocusReturns) {
    gShell = ShellState{};
    gFrame.OnFocus(false);
    gFrame.OnCommand(CmdFocusEdit);
    EXPECT_FALSE(gCommandSampler.FocusLost()); // the game keeps running
    EXPECT_EQ(gShell.editFocus, 1);
    gFrame.OnFocus(false);
    gFrame.OnFocus(true);
    EXPECT_EQ(gShell.editFocus, 0);
    gFrame.OnCommand(CmdExit);
    EXPECT_EQ(gShell.closeRequested, 1);
}
