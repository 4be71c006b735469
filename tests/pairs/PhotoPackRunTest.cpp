// A pack made from photos, played in the real game: chosen on the selection screen, its first picture
// shown, each of its five differences found by a click.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/e2e/ZorRun.h"
#include "tests/pairs/PhotoScene.h"
#include "tests/support/TestFiles.h"
#include "tools/packgen/JpegIo.h"
#include "tools/packgen/PackReader.h"
#include "tools/packgen/PhotoPair.h"

namespace {
constexpr int kModePlay = 4;
constexpr int kMenuPenX = 320 + 23, kTitlePacksTipY = 423; // the menu pen's tip over "packs"
constexpr int kPenTipX = 23, kPenTipY = 18;
constexpr int kFramesBetweenFinds = 25;
constexpr int kPhotoWidth = 480, kPhotoHeight = 640;

std::vector<uint8_t> PhotoPack() {
    TempDir photos;
    for (int i = 0; i < 10; ++i) {
        photos.Write("photo" + std::to_string(i) + ".jpg",
                     EncodeJpeg(RenderPhotoScene(100 + i, kPhotoWidth, kPhotoHeight), 90));
    }
    std::vector<uint8_t> archive;
    std::string error;
    std::ostringstream progress;
    EXPECT_TRUE(BuildPhotoPack(photos.Path(""), {}, 7, archive, progress, error)) << error;
    return archive;
}

struct Script {
    std::string text;
    void At(int frame, const std::string& line) { text += std::to_string(frame) + " " + line + "\n"; }
    void Click(int frame) {
        At(frame, "button down left");
        At(frame + 1, "button up left");
    }
};
} // namespace

TEST(PhotoPackRun, APackFromPhotosIsChosenAndItsDifferencesAreFound) {
    const std::vector<uint8_t> archive = PhotoPack();
    PackReader pack;
    std::string error;
    ASSERT_TRUE(pack.Load(archive, error)) << error;
    std::vector<uint8_t> mapBytes;
    ASSERT_TRUE(pack.Read("pair00.map", mapBytes));
    const DifferenceMap map = DecodeMap(mapBytes);

    // Title: "packs"; the selection screen opens on the first pack by name, ours; then "one player".
    Script s;
    s.At(1, "key down ESCAPE");
    s.At(2, "key up ESCAPE");
    s.At(3, "move 0 " + std::to_string(kTitlePacksTipY - kPenTipY - 200));
    s.Click(4);
    s.At(22, "move " + std::to_string(100 - kMenuPenX) + " " + std::to_string(440 - kTitlePacksTipY));
    s.Click(24);
    constexpr int kFirstClick = 120;                 // after the stage banner
    int penX = 100, penY = 200, frame = kFirstClick; // where a stage puts player 1's pen
    for (const MapRect& r : map) {
        const int x = (r.left + r.right) / 2 - kPenTipX, y = (r.top + r.bottom) / 2 - kPenTipY;
        s.At(frame, "move " + std::to_string(x - penX) + " " + std::to_string(y - penY));
        s.Click(frame + 1);
        penX = x, penY = y + 15; // the pen steps down after its found animation
        frame += kFramesBetweenFinds;
    }
    ZorRunOptions options;
    options.args = {"--seed", "4242", "--frames", std::to_string(frame + 5)};
    options.files["00_photos.zor"] = std::string(archive.begin(), archive.end());
    const ZorRun run = RunZor(s.text, options);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_TRUE(run.messages.empty()) << run.messages.front();
    EXPECT_EQ(run.IntAt(45, "mode"), kModePlay);
    EXPECT_EQ(run.At(45, "entry"), "0,0"); // picture 0 of our pack
    EXPECT_EQ(run.IntAt(kFirstClick - 1, "banner"), 0);
    EXPECT_EQ(run.IntAt(kFirstClick - 1, "left"), 5);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(run.IntAt(kFirstClick + 1 + k * kFramesBetweenFinds, "left"), 4 - k) << "find " << k;
    }
    EXPECT_EQ(run.IntAt(frame, "p1"), 10); // no click missed
}
