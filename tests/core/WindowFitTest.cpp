#include <gtest/gtest.h>

#include "platform/WindowFit.h"

struct FitCase {
    int width, height, scale;
};

class WindowFit : public ::testing::TestWithParam<FitCase> {};

// Usable areas of common screens (the desktop's panels taken off) and the 640x480 window that fits.
TEST_P(WindowFit, TakesTheLargestWholeMultipleThatFitsBothWays) {
    EXPECT_EQ(FitWindowScale(GetParam().width, GetParam().height, 640, 480), GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowFit,
                         ::testing::Values(FitCase{1024, 728, 1}, FitCase{1920, 1040, 2},
                                           FitCase{3840, 2100, 4}, FitCase{1280, 960, 2},
                                           FitCase{1279, 960, 1}, FitCase{600, 400, 1}, FitCase{0, 0, 1}));
