#include "tools/artgen/Icons.h"

#include <algorithm>
#include <cairo-svg.h>
#include <cmath>
#include <filesystem>
#include <functional>

#include "tools/artgen/Paint.h"
#include "tools/artgen/PngFile.h"
#include "tools/artgen/Scenery.h"

using namespace Paint;

namespace {
constexpr double kGrid = 64;         // every icon is drawn on a 64-unit square, scaled to its size
constexpr int kDetailedFrom = 48;    // from this size on the pictures show their little landscapes
constexpr int kScalableDetail = 256; // the scalable icon is drawn with the detail of the largest size
constexpr double kPi = 3.14159265358979323846;

// An outline about one pixel wide at the small sizes, growing slowly with the icon, in grid units.
double Line(int size) {
    return std::max(1.0, size / 48.0) * kGrid / size;
}

void Tile(cairo_t* cr, int size, uint32_t base) {
    CandyPanel(cr, 3, 3, 58, 58, 12, Hex(base), Hex(Theme::kInk), 1.5 * Line(size));
}

// A picture of the kind the game shows: a little landscape at the larger sizes, sky over grass below them.
void Picture(cairo_t* cr, int size, double x, double y, double w, double h, int variant) {
    if (size >= kDetailedFrom) {
        Scenery::MiniPicture(cr, x, y, w, h, variant);
    } else {
        cairo_rectangle(cr, x, y, w, h * 0.6);
        Set(cr, Hex(Theme::kSkyTop));
        cairo_fill(cr);
        cairo_rectangle(cr, x, y + h * 0.6, w, h * 0.4);
        Set(cr, Hex(Theme::kGrass));
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_line_width(cr, Line(size));
    Set(cr, Hex(Theme::kInk));
    cairo_stroke(cr);
}

// The logo's magnifying glass with a found difference circled inside the lens.
void Magnifier(cairo_t* cr, int size, double cx, double cy, double r) {
    const double lw = Line(size);
    const double ring = r * 0.3;
    const double reach = r * 0.72; // the handle starts on the ring, diagonally down and right
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx + reach, cy + reach);
    cairo_line_to(cr, cx + reach * 1.75, cy + reach * 1.75);
    cairo_set_line_width(cr, ring * 1.5 + 2 * lw);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, ring * 1.5);
    Set(cr, Hex(0xA0522D));
    cairo_stroke(cr);

    Circle(cr, cx, cy, r);
    Set(cr, Hex(0xFFFFFF, 0.45));
    cairo_fill(cr);
    Circle(cr, cx, cy, r * 0.42);
    cairo_set_line_width(cr, std::max(lw * 1.5, r * 0.12));
    Set(cr, Hex(Theme::kCoral));
    cairo_stroke(cr);

    Circle(cr, cx, cy, r);
    cairo_set_line_width(cr, ring + 2 * lw);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, ring);
    Set(cr, Hex(Theme::kSun));
    cairo_stroke(cr);
    if (size >= kDetailedFrom) Twinkle(cr, cx - r * 0.45, cy - r * 0.45, r * 0.3, Hex(0xFFFFFF, 0.95));
}

// The game: two pictures side by side and the magnifying glass over them.
void DrawGame(cairo_t* cr, int size) {
    Tile(cr, size, Theme::kBlue);
    if (size >= kDetailedFrom) {
        Picture(cr, size, 8, 11, 23, 19, 0);
        Picture(cr, size, 33, 11, 23, 19, 2);
        Magnifier(cr, size, 35, 37, 12);
    } else {
        Picture(cr, size, 9, 10, 46, 20, 0);
        Magnifier(cr, size, 29, 31, 14);
    }
}

// A pencil lying from lower right up to its point at (x, y).
void Pencil(cairo_t* cr, int size, double x, double y, double length) {
    const double lw = Line(size);
    const double half = length * 0.16;
    const double tip = length * 0.28;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, kPi / 4);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, tip, -half);
    cairo_line_to(cr, tip, half);
    cairo_close_path(cr);
    FillStroke(cr, Hex(Theme::kCream), Hex(Theme::kInk), lw);
    cairo_rectangle(cr, tip, -half, length - tip, 2 * half);
    FillStroke(cr, Hex(Theme::kOrange), Hex(Theme::kInk), lw);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, tip * 0.35, -half * 0.35);
    cairo_line_to(cr, tip * 0.35, half * 0.35);
    cairo_close_path(cr);
    Set(cr, Hex(Theme::kInk));
    cairo_fill(cr);
    cairo_restore(cr);
}

// The editor: a picture with a difference rectangle being drawn over it by a pencil.
void DrawEditor(cairo_t* cr, int size) {
    const double lw = Line(size);
    Tile(cr, size, Theme::kMint);
    Picture(cr, size, 9, 10, 46, 34, 1);
    const double dash = std::max(2.0 * lw, 2.5);
    cairo_set_dash(cr, &dash, 1, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_rectangle(cr, 22, 20, 22, 18);
    cairo_set_line_width(cr, 1.5 * lw);
    Set(cr, Hex(Theme::kCoral));
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    Pencil(cr, size, 37, 34, 24);
}

using DrawFn = std::function<void(cairo_t*, int)>;

bool WritePng(const DrawFn& draw, int size, const std::string& path, std::string& error) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, size / kGrid, size / kGrid);
    draw(cr, size);
    cairo_destroy(cr);
    const bool ok = WritePngFile(surface, path, error);
    cairo_surface_destroy(surface);
    return ok;
}

bool WriteSvg(const DrawFn& draw, const std::string& path, std::string& error) {
    const std::string temp = path + ".tmp";
    cairo_surface_t* surface = cairo_svg_surface_create(temp.c_str(), kGrid, kGrid);
    cairo_t* cr = cairo_create(surface);
    draw(cr, kScalableDetail);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    std::error_code ec;
    if (status != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + temp;
        std::filesystem::remove(temp, ec);
        return false;
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        error = "cannot rename " + temp + ": " + ec.message();
        return false;
    }
    return true;
}

bool MakeFolder(const std::filesystem::path& folder, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) error = "cannot create " + folder.string() + ": " + ec.message();
    return !ec;
}
} // namespace

bool WriteIcons(const std::string& dir, std::string& error) {
    const DrawFn drawings[] = {DrawGame, DrawEditor};
    const std::filesystem::path theme = std::filesystem::path(dir) / "hicolor";
    for (size_t i = 0; i < kIconNames.size(); ++i) {
        const std::string file = kIconNames[i];
        for (int size : kIconSizes) {
            const std::string side = std::to_string(size);
            const std::filesystem::path folder = theme / (side + "x" + side) / "apps";
            if (!MakeFolder(folder, error) ||
                !WritePng(drawings[i], size, (folder / (file + ".png")).string(), error))
                return false;
        }
        const std::filesystem::path scalable = theme / "scalable" / "apps";
        if (!MakeFolder(scalable, error) ||
            !WriteSvg(drawings[i], (scalable / (file + ".svg")).string(), error))
            return false;
    }
    return true;
}
