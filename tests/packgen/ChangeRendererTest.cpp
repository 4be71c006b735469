#include <gtest/gtest.h>

#include "tools/packgen/ChangeRenderer.h"
#include "tools/packgen/SceneComposer.h"
#include "tools/packgen/Theme.h"
#include "tools/pairs/PairLayout.h"

namespace {
using namespace pair_layout;

enum class Change { Move, Hide, Grow };

SceneObject Changed(SceneObject o, Change change) {
    switch (change) {
    case Change::Move:
        o.x += 23;
        break;
    case Change::Hide:
        o.visible = !o.visible;
        break;
    case Change::Grow:
        o.size *= 1.4;
        break;
    }
    return o;
}

bool Inside(const PixelBox& b, int x, int y) {
    return x >= b.x0 && x <= b.x1 && y >= b.y0 && y <= b.y1;
}
} // namespace

class ChangeRendering : public testing::TestWithParam<Change> {};

// The whole point of the partial drawing: inside the area it draws, the pixels are those of a full
// rendering of the changed scene; outside it, the full rendering equals the scene's own picture.
TEST_P(ChangeRendering, EqualsAFullRenderingOfTheChangedScene) {
    for (const char* theme : {"park", "kitchen", "space"}) {
        Rng rng(17);
        const Scene scene = ComposeScene(FindTheme(theme), rng);
        ChangeRenderer renderer(scene);
        const SceneRenderer full(scene);
        for (size_t i = 0; i < scene.objects.size(); i += 3) {
            Scene changed = scene;
            changed.objects[i] = Changed(scene.objects[i], GetParam());
            const PixelBox area = renderer.Render(i, changed.objects[i]);
            const RgbImage expected = full.Render(changed);
            int wrong = 0;
            for (int y = 0; y < kPictureHeight; ++y) {
                for (int x = 0; x < kPictureWidth; ++x) {
                    const Rgb got = Inside(area, x, y) ? renderer.Changed(x, y) : renderer.Base(x, y);
                    wrong += got != expected.At(x, y);
                }
            }
            EXPECT_EQ(wrong, 0) << theme << " object " << i;
        }
        // Several changes at once, some of them overlapping, as a pair's right picture has them.
        Scene several = scene;
        for (size_t i = 0; i < several.objects.size(); i += 5)
            several.objects[i] = Changed(several.objects[i], GetParam());
        EXPECT_EQ(renderer.PictureOf(several).pixels, full.Render(several).pixels) << theme;
    }
}

INSTANTIATE_TEST_SUITE_P(Changes, ChangeRendering, testing::Values(Change::Move, Change::Hide, Change::Grow));

TEST(Footprint, IsEmptyForAHiddenObjectOrOneOutsideThePicture) {
    SceneObject o;
    o.kind = Kind::Ball;
    o.x = 100, o.y = 200;
    EXPECT_FALSE(Footprint(o).Empty());
    o.visible = false;
    EXPECT_TRUE(Footprint(o).Empty());
    o.visible = true;
    o.x = -500;
    EXPECT_TRUE(Footprint(o).Empty());
}
