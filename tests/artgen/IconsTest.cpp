// The menu icons: every size the icon theme is told about, square, a tile on a clear background.
#include <gtest/gtest.h>

#include <algorithm>
#include <cairo.h>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "tools/artgen/Icons.h"

namespace {
struct Png {
    explicit Png(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Png() { cairo_surface_destroy(surface); }
    bool Read() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int Width() const { return cairo_image_surface_get_width(surface); }
    int Height() const { return cairo_image_surface_get_height(surface); }
    uint8_t Alpha(int x, int y) const {
        cairo_surface_flush(surface);
        const unsigned char* row =
            cairo_image_surface_get_data(surface) + size_t(y) * cairo_image_surface_get_stride(surface);
        return uint8_t(reinterpret_cast<const uint32_t*>(row)[x] >> 24);
    }
    cairo_surface_t* surface;
};
} // namespace

TEST(Icons, EverySizeOfEveryProgramIsASquareTileOnAClearBackground) {
    TempDir dir;
    std::string error;
    ASSERT_TRUE(WriteIcons(dir.Path("icons"), error)) << error;
    for (const char* name : kIconNames) {
        for (int size : kIconSizes) {
            const std::string side = std::to_string(size);
            const Png png(dir.Path("icons/hicolor/" + side + "x" + side + "/apps/" + name + ".png"));
            ASSERT_TRUE(png.Read()) << name << " " << size;
            EXPECT_EQ(png.Width(), size) << name;
            EXPECT_EQ(png.Height(), size) << name;
            EXPECT_EQ(png.Alpha(0, 0), 0) << name << " " << size << ": the corner is not clear";
            EXPECT_EQ(png.Alpha(size / 2, size / 2), 255)
                << name << " " << size << ": the middle is not opaque";
        }
        const std::vector<uint8_t> svg =
            ReadAll(dir.Path(std::string("icons/hicolor/scalable/apps/") + name + ".svg"));
        EXPECT_EQ(std::string(svg.begin(), svg.begin() + std::min<size_t>(svg.size(), 5)), "<?xml") << name;
    }
}

TEST(Icons, AFolderThatCannotBeMadeIsReported) {
    TempDir dir;
    const std::string blocker = dir.Write("file", {1});
    std::string error;
    EXPECT_FALSE(WriteIcons(blocker + "/icons", error));
    EXPECT_NE(error.find("cannot create"), std::string::npos) << error;
}
