#include "tools/artgen/ContactSheet.h"

#include <algorithm>
#include <cstdio>

#include "tools/artgen/Canvas.h"
#include "tools/artgen/Paint.h"
#include "tools/artgen/PngFile.h"

namespace {
constexpr int kSheetWidth = 1340;
constexpr int kMargin = 16;
constexpr int kGap = 6;
constexpr int kLabelHeight = 22;
constexpr int kCellLabel = 12;
constexpr int kChecker = 8;
constexpr double kLabelSize = 13;

struct Placed {
    int x, y; // offset of the cell inside its block
};

struct Block {
    const BuiltAsset* asset;
    std::vector<Placed> cells;
    int width = 0, height = 0;
    int x = 0, y = 0;
};

bool IsStrip(const AssetSpec& s) {
    return s.cells > 1;
}

Block LayOut(const BuiltAsset& asset) {
    const AssetSpec& s = *asset.spec;
    Block block{&asset, {}, 0, 0, 0, 0};
    const int labelRoom = IsStrip(s) ? kCellLabel : 0;
    const int limit = kSheetWidth - 2 * kMargin;
    int x = 0, y = kLabelHeight;
    for (int i = 0; i < s.cells; ++i) {
        if (x > 0 && x + s.cellWidth > limit) x = 0, y += s.cellHeight + labelRoom + kGap;
        block.cells.push_back({x, y});
        block.width = std::max(block.width, x + s.cellWidth);
        x += s.cellWidth + (IsStrip(s) ? kGap : 0);
    }
    block.height = y + s.cellHeight + labelRoom;
    block.width = std::max(block.width, 260);
    return block;
}

void Place(std::vector<Block>& blocks, int& sheetHeight) {
    int x = kMargin, y = kMargin, shelf = 0;
    for (Block& b : blocks) {
        if (x > kMargin && x + b.width > kSheetWidth - kMargin) x = kMargin, y += shelf + 2 * kGap, shelf = 0;
        b.x = x, b.y = y;
        x += b.width + 3 * kGap;
        shelf = std::max(shelf, b.height);
    }
    sheetHeight = y + shelf + kMargin;
}

void Checker(cairo_t* cr, int x, int y, int w, int h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int cy = 0; cy < h; cy += kChecker)
        for (int cx = 0; cx < w; cx += kChecker) {
            const bool dark = ((cx + cy) / kChecker) % 2;
            cairo_set_source_rgb(cr, dark ? 0.78 : 0.9, dark ? 0.78 : 0.9, dark ? 0.8 : 0.92);
            cairo_rectangle(cr, x + cx, y + cy, kChecker, kChecker);
            cairo_fill(cr);
        }
    cairo_restore(cr);
}

cairo_surface_t* ToSurface(const Image& image) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const Rgba& c = image.At(x, y);
            row[x] = c.a ? (0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b) : 0;
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

std::string Caption(const AssetSpec& s) {
    static const char* const kFormats[] = {"PCX 256", "BMP 8", "BMP 24"};
    char text[160];
    if (IsStrip(s))
        std::snprintf(text, sizeof text, "%s  [%s]  %s  %d x %dx%d", s.name, ArchiveFileName(s.archive),
                      kFormats[int(s.format)], s.cells, s.cellWidth, s.cellHeight);
    else
        std::snprintf(text, sizeof text, "%s  [%s]  %s  %dx%d", s.name, ArchiveFileName(s.archive),
                      kFormats[int(s.format)], s.width, s.height);
    return text;
}

void DrawBlock(cairo_t* cr, const Block& b) {
    const AssetSpec& s = *b.asset->spec;
    Paint::TextStyle label;
    label.font = "NanumSquareRound Bold";
    label.size = kLabelSize;
    label.fill = Paint::Hex(0x2B2D42);
    Paint::Text(cr, Caption(s), b.x, b.y + kLabelHeight / 2.0 - 2, label, Paint::Align::Left);
    cairo_surface_t* picture = ToSurface(b.asset->shown);
    for (int i = 0; i < s.cells; ++i) {
        const int x = b.x + b.cells[i].x, y = b.y + b.cells[i].y;
        Checker(cr, x, y, s.cellWidth, s.cellHeight);
        cairo_set_source_surface(cr, picture, x - i * s.stride, y);
        cairo_rectangle(cr, x, y, s.cellWidth, s.cellHeight);
        cairo_fill(cr);
        if (IsStrip(s)) {
            Paint::TextStyle small = label;
            small.size = 10;
            small.fill = Paint::Hex(0x6C6F85);
            Paint::Text(cr, std::to_string(i), x + s.cellWidth / 2.0, y + s.cellHeight + kCellLabel / 2.0 + 1,
                        small);
        }
    }
    cairo_surface_destroy(picture);
}
} // namespace

bool WriteContactSheet(const std::vector<BuiltAsset>& assets, const std::string& path, std::string& error) {
    std::vector<Block> blocks;
    for (const BuiltAsset& a : assets) blocks.push_back(LayOut(a));
    int height = 0;
    Place(blocks, height);
    Canvas sheet(kSheetWidth, height);
    cairo_t* cr = sheet.Context();
    cairo_set_source_rgb(cr, 0.97, 0.97, 0.99);
    cairo_paint(cr);
    for (const Block& b : blocks) DrawBlock(cr, b);
    return WritePngFile(cairo_get_target(cr), path, error);
}
