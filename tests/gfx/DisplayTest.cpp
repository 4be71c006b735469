#include <gtest/gtest.h>

#include "game/gfx/Globals.h"
#include "game/gfx/ShowError.h"
#include "tests/gfx/DisplayFixture.h"
#include "tests/support/MessageLog.h"

TEST(DisplayCreate, AScreenThatCannotBeMadeReportsEveryStepThatFailed) {
    RecordingPresenter presenter;
    MessageLog log;
    SetErrorSink(&log);
    const bool created = DDCreate(presenter, 0, kScreenHeight, kScreenDepth);
    SetErrorSink(nullptr);
    EXPECT_FALSE(created);
    EXPECT_EQ(gDisplay.ready, 0);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"ERROR|lowDDraw->CreateSurface(lowDDFront)",
                                                   "ERROR|DDCreateScreenSurfaces", "ERROR|DDSetScreenMode"}));
    DDDestroy();
}
