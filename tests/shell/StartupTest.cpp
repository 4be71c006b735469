#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <utility>

#include "game/gfx/Globals.h"
#include "game/shell/Globals.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/Presenter.h"
#include "tests/support/MessageLog.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/TestFiles.h"
#include "tools/common/ArchiveWriter.h"

namespace {
class RecordingPresenter : public Presenter {
  public:
    PixelFormatDescription Format() const override { return {}; }
    bool Present(const uint16_t* pixels, int width, int height, int pitch) override {
        last.assign(pixels, pixels + size_t(pitch) * height);
        lastWidth = width;
        return !std::exchange(lost, false);
    }
    bool lost = false; // the next present reports lost surfaces
    std::vector<uint16_t> last;
    int lastWidth = 0;
};

// A 640 x 480 PCX of palette entry 5 (pure red) everywhere: runs of 63, then one of 10, a row.
std::vector<uint8_t> RedLoadingPicture() {
    std::vector<uint8_t> rle;
    for (int y = 0; y < 480; ++y) {
        for (int run = 0; run < 10; ++run) rle.insert(rle.end(), {0xFF, 5});
        rle.insert(rle.end(), {0xCA, 5});
    }
    std::array<Rgb, 256> palette{};
    palette[5] = {255, 0, 0};
    return MakePcx(640, 480, rle, palette);
}

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(dir.Path("."));
        platform.presenter = &presenter;
        platform.clock = &clock;
        platform.messages = &log;
    }
    void TearDown() override { std::filesystem::current_path(previous); }
    std::filesystem::path previous;
    TempDir dir;
    RecordingPresenter presenter;
    VirtualClock clock;
    MessageLog log;
    PlatformServices platform;
};

TEST_F(StartupTest, LoadingPictureIsPresentedFromTheMainArchive) {
    ArchiveWriter w;
    w.Add("loading.pcx", RedLoadingPicture());
    ASSERT_TRUE(w.WriteTo("zor.res"));
    ASSERT_TRUE(gFrame.LoadFrame(platform, ""));
    ASSERT_EQ(presenter.lastWidth, 640);
    EXPECT_EQ(presenter.last[0], 0xF800);
    EXPECT_EQ(presenter.last[640 * 480 - 1], 0xF800);
    EXPECT_TRUE(gSparePicture.Empty());
    EXPECT_EQ(gMainArchive.Count(), 1);
}

TEST_F(StartupTest, MissingArchiveReportsTheLoadingPicture) {
    ASSERT_TRUE(gFrame.LoadFrame(platform, ""));
    // The first boxes of a start without data; the effects, pictures and packs report theirs after them.
    const std::vector<std::string> first{"ERROR|Direct Input Create error!!!!",
                                         "ERROR|Load(loading.pcx) zor.res",
                                         "ERROR|LowLoadPcx256(loading.pcx)"};
    ASSERT_GE(log.lines.size(), first.size());
    EXPECT_EQ(std::vector<std::string>(log.lines.begin(), log.lines.begin() + 3), first);
    EXPECT_EQ(presenter.last[0], 0); // the cleared screen stays
}

TEST_F(StartupTest, LostSurfacesReloadThePicturesBeforeTheNextDraw) {
    ASSERT_TRUE(gFrame.LoadFrame(platform, ""));
    gDisplay.ready = 1;
    gShell.focusLost = 0;
    const auto reloads = [this] {
        return std::count(log.lines.begin(), log.lines.end(), "ERROR|FILE OPEN( backUp.bmp)");
    };
    const auto before = reloads();
    gFrame.FrameDraw();
    EXPECT_EQ(reloads(), before);
    presenter.lost = true;
    gFrame.FrameDraw();
    EXPECT_EQ(reloads(), before + 1); // the play frame's pictures were asked for again
}
} // namespace
