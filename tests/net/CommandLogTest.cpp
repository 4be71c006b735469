#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "game/shell/CommandLog.h"
#include "game/shell/Globals.h"

namespace {
FrameCommands Frame(int i) {
    FrameCommands f;
    f.seat[0].flags = PlayerCommand::kMouseRead;
    f.seat[0].dx = static_cast<int16_t>(i);
    f.seat[1].flags = PlayerCommand::kKeysRead | PlayerCommand::kFocusLost;
    f.seat[1].SetKey(i);
    return f;
}
} // namespace

TEST(CommandLog, ARecordPlaysBackFrameByFrameAndTheRunEndsAfterItsLast) {
    const std::string path = testing::TempDir() + "zor-commands.bin";
    CommandLog log;
    for (int i = 0; i < 40; ++i) log.Append(Frame(i));
    std::string error;
    ASSERT_TRUE(log.Save(path, error)) << error;
    CommandLog back;
    ASSERT_TRUE(back.Load(path, error)) << error;
    ASSERT_EQ(back.Frames(), 40u);
    gShell = ShellState{};
    LogFeed feed(back);
    FrameCommands out;
    for (int i = 0; i < 40; ++i) {
        feed.Exchange(PlayerCommand{}, out);
        ASSERT_TRUE(out.seat[0] == Frame(i).seat[0] && out.seat[1] == Frame(i).seat[1]) << i;
    }
    EXPECT_EQ(gShell.closeRequested, 0);
    feed.Exchange(PlayerCommand{}, out);
    EXPECT_EQ(gShell.closeRequested, 1);
    gShell = ShellState{};
    std::remove(path.c_str());
}

TEST(CommandLog, AFileThatIsNoWholeLogIsRefusedWithItsReason) {
    struct Bad {
        std::string bytes;
        const char* error;
    };
    const Bad kBad[] = {
        {"", "not a command log"},
        {"ZORCMDS2", "not a command log"},
        {std::string("ZORCMDS1\x01\x00\x00\x00\x00\x00\x00\x00", 16),
         "frame 0 cannot be read"}, // one seat only
        {std::string("ZORCMDS1\x80\x00\x00\x00\x00\x00\x00\x00", 16),
         "frame 0 cannot be read"}, // unknown flag
    };
    for (const Bad& bad : kBad) {
        CommandLog log;
        std::string error;
        EXPECT_FALSE(log.Decode(std::vector<uint8_t>(bad.bytes.begin(), bad.bytes.end()), error));
        EXPECT_EQ(error, bad.error);
        EXPECT_EQ(log.Frames(), 0u);
    }
    CommandLog log;
    std::string error;
    EXPECT_FALSE(log.Load("/nonexistent/zor.bin", error));
    EXPECT_EQ(error, "cannot read /nonexistent/zor.bin");
}
