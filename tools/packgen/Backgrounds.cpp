#include "tools/packgen/Backgrounds.h"

#include <cmath>

#include "tools/packgen/ArtKit.h"
#include "tools/pairs/PairLayout.h"

namespace {
constexpr double kW = pair_layout::kPictureWidth;
constexpr double kH = pair_layout::kPictureHeight;

void Gradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    cairo_rectangle(cr, 0, y0, kW, y1 - y0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// A sky: day in one of a few moods.
void Sky(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kTops[] = {{90, 160, 235}, {120, 185, 240}, {70, 140, 220}, {150, 170, 230}};
    static constexpr Rgb kBottoms[] = {{200, 230, 250}, {230, 240, 220}, {250, 220, 200}, {215, 235, 250}};
    Gradient(cr, 0, horizon + 2, rng.Pick(kTops), rng.Pick(kBottoms));
}

// Rolling hills along the horizon, then the ground in front.
void Hills(cairo_t* cr, Rng& rng, double horizon, Rgb far, Rgb near) {
    for (int layer = 0; layer < 2; ++layer) {
        const double base = horizon + 2, amplitude = layer ? 14 : 34;
        const double phase = rng.Real(0, 6.28), wave = rng.Real(0.012, 0.025);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, kH);
        for (int x = 0; x <= kW; x += 6) {
            cairo_line_to(cr, x, base - amplitude * (0.5 + 0.5 * std::sin(phase + x * wave)));
        }
        cairo_line_to(cr, kW, kH);
        cairo_close_path(cr);
        SetColour(cr, layer ? near : far);
        cairo_fill(cr);
    }
}

void Ground(cairo_t* cr, double horizon, Rgb top, Rgb bottom) {
    Gradient(cr, horizon, kH, top, bottom);
}

void Tufts(cairo_t* cr, Rng& rng, double horizon, Rgb colour, int count) {
    SetColour(cr, colour);
    cairo_set_line_width(cr, 1.4);
    for (int i = 0; i < count; ++i) {
        const double x = rng.Real(0, kW), y = rng.Real(horizon + 10, kH);
        cairo_move_to(cr, x - 3, y), cairo_line_to(cr, x - 5, y - 6);
        cairo_move_to(cr, x, y), cairo_line_to(cr, x, y - 8);
        cairo_move_to(cr, x + 3, y), cairo_line_to(cr, x + 5, y - 6);
    }
    cairo_stroke(cr);
}

void Tiles(cairo_t* cr, double y0, double y1, double step, Rgb a, Rgb b) {
    for (double y = y0; y < y1; y += step) {
        for (double x = 0; x < kW; x += step) {
            SetColour(cr, (int(x / step) + int((y - y0) / step)) % 2 ? a : b);
            cairo_rectangle(cr, x, y, step, std::fmin(step, y1 - y));
            cairo_fill(cr);
        }
    }
}
} // namespace

void PaintParkBackground(cairo_t* cr, Rng& rng, double horizon) {
    Sky(cr, rng, horizon);
    Hills(cr, rng, horizon, {130, 195, 110}, {110, 185, 90});
    Ground(cr, horizon, {120, 195, 95}, {80, 160, 70});
    // A path winding to the front.
    const double x0 = rng.Real(60, 240);
    cairo_move_to(cr, x0 - 8, horizon + 6);
    cairo_curve_to(cr, x0 - 60, horizon + 80, x0 + 80, kH - 100, x0 - 40, kH);
    cairo_line_to(cr, x0 + 60, kH);
    cairo_curve_to(cr, x0 + 140, kH - 100, x0, horizon + 80, x0 + 8, horizon + 6);
    cairo_close_path(cr);
    SetColour(cr, {225, 205, 160});
    cairo_fill(cr);
    Tufts(cr, rng, horizon, {60, 130, 55}, 40);
}

void PaintSeasideBackground(cairo_t* cr, Rng& rng, double horizon) {
    Sky(cr, rng, horizon);
    const double beach = horizon + rng.Real(45, 70);
    Gradient(cr, horizon, beach + 4, {40, 120, 190}, {90, 190, 215});
    SetColour(cr, kWhite, 0.7);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 8; ++i) {
        const double x = rng.Real(0, kW - 30), y = rng.Real(horizon + 8, beach - 6);
        cairo_move_to(cr, x, y), cairo_curve_to(cr, x + 8, y - 4, x + 14, y + 4, x + 22, y);
    }
    cairo_stroke(cr);
    cairo_move_to(cr, 0, beach);
    for (int x = 0; x <= kW; x += 10) cairo_line_to(cr, x, beach + 5 * std::sin(x * 0.05));
    cairo_line_to(cr, kW, kH), cairo_line_to(cr, 0, kH);
    cairo_close_path(cr);
    SetColour(cr, {240, 215, 160});
    cairo_fill(cr);
}

void PaintStreetBackground(cairo_t* cr, Rng& rng, double horizon) {
    Sky(cr, rng, horizon);
    // Far-away towers on the horizon.
    for (double x = -10; x < kW; x += rng.Real(30, 50)) {
        const double h = rng.Real(40, 110);
        SetColour(cr, {165, 175, 200});
        cairo_rectangle(cr, x, horizon - h, rng.Real(25, 40), h + 2);
        cairo_fill(cr);
    }
    Ground(cr, horizon, {190, 190, 185}, {170, 170, 165});
    const double road = horizon + (kH - horizon) * 0.45;
    Gradient(cr, road, kH - 25, {95, 95, 105}, {80, 80, 90});
    SetColour(cr, {250, 240, 200});
    for (double x = 10; x < kW; x += 50) {
        cairo_rectangle(cr, x, (road + kH - 25) / 2 - 2, 28, 5);
    }
    cairo_fill(cr);
    Gradient(cr, kH - 25, kH, {200, 195, 185}, {180, 175, 165});
}

void PaintSpaceBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kDeep[] = {{15, 15, 50}, {30, 10, 55}, {10, 25, 60}};
    Gradient(cr, 0, kH, rng.Pick(kDeep), {60, 40, 110});
    for (int i = 0; i < 90; ++i) {
        EllipsePath(cr, rng.Real(0, kW), rng.Real(0, horizon), rng.Real(0.5, 1.6), rng.Real(0.5, 1.6));
        SetColour(cr, kWhite, rng.Real(0.4, 1.0));
        cairo_fill(cr);
    }
    // The moon's surface with its craters.
    cairo_move_to(cr, 0, horizon + 10);
    cairo_curve_to(cr, kW * 0.3, horizon - 12, kW * 0.7, horizon - 6, kW, horizon + 8);
    cairo_line_to(cr, kW, kH), cairo_line_to(cr, 0, kH);
    cairo_close_path(cr);
    SetColour(cr, {175, 170, 185});
    cairo_fill(cr);
    for (int i = 0; i < 7; ++i) {
        EllipsePath(cr, rng.Real(10, kW - 10), rng.Real(horizon + 15, kH - 8), rng.Real(8, 18),
                    rng.Real(3, 6));
        SetColour(cr, {140, 135, 155});
        cairo_fill(cr);
    }
}

void PaintKitchenBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kWalls[] = {{250, 235, 200}, {220, 240, 230}, {235, 225, 245}, {250, 225, 215}};
    const Rgb wall = rng.Pick(kWalls);
    Gradient(cr, 0, horizon, Shade(wall, 1.1), wall);
    Tiles(cr, horizon - 60, horizon, 15, Shade(wall, 0.92), Shade(wall, 1.2));
    // Counter top, cupboard doors with knobs, then the floor.
    static constexpr Rgb kWoods[] = {{180, 125, 80}, {120, 160, 190}, {200, 90, 80}};
    const Rgb wood = rng.Pick(kWoods);
    Gradient(cr, horizon, horizon + 10, Shade(wood, 1.3), Shade(wood, 1.1));
    Gradient(cr, horizon + 10, kH - 40, wood, Shade(wood, 0.8));
    for (double x = 8; x + 60 < kW; x += 72) {
        RoundRectPath(cr, x, horizon + 20, 62, kH - 70 - horizon, 4);
        SetColour(cr, Shade(wood, 0.7));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        EllipsePath(cr, x + 31, horizon + 30, 3, 3);
        SetColour(cr, {230, 210, 120});
        cairo_fill(cr);
    }
    Tiles(cr, kH - 40, kH, 20, {200, 200, 205}, {240, 240, 240});
}

void PaintForestBackground(cairo_t* cr, Rng& rng, double horizon) {
    Sky(cr, rng, horizon);
    // A line of dark far trees.
    SetColour(cr, {70, 120, 90});
    for (double x = -10; x < kW + 10; x += rng.Real(14, 24)) {
        const double h = rng.Real(30, 60);
        cairo_move_to(cr, x - 10, horizon + 2), cairo_line_to(cr, x, horizon - h),
            cairo_line_to(cr, x + 10, horizon + 2);
    }
    cairo_fill(cr);
    Ground(cr, horizon, {100, 160, 80}, {70, 125, 60});
    Tufts(cr, rng, horizon, {50, 100, 45}, 50);
}

void PaintFarmBackground(cairo_t* cr, Rng& rng, double horizon) {
    Sky(cr, rng, horizon);
    Hills(cr, rng, horizon, {170, 200, 110}, {150, 190, 95});
    Ground(cr, horizon, {160, 200, 90}, {120, 170, 70});
    // Ploughed field rows.
    SetColour(cr, {135, 175, 70});
    cairo_set_line_width(cr, 2);
    for (double y = horizon + 12; y < kH; y += 14 + (y - horizon) * 0.12) {
        cairo_move_to(cr, 0, y), cairo_line_to(cr, kW, y + rng.Real(-3, 3));
    }
    cairo_stroke(cr);
}

void PaintUnderseaBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kTops[] = {{60, 170, 220}, {40, 150, 200}, {70, 190, 210}};
    Gradient(cr, 0, kH, rng.Pick(kTops), {15, 60, 120});
    // Light rays from the surface.
    for (int i = 0; i < 4; ++i) {
        const double x = rng.Real(0, kW);
        cairo_move_to(cr, x, 0), cairo_line_to(cr, x + 30, 0), cairo_line_to(cr, x - 40, horizon);
        cairo_line_to(cr, x - 80, horizon);
        cairo_close_path(cr);
        SetColour(cr, kWhite, 0.08);
        cairo_fill(cr);
    }
    for (int i = 0; i < 12; ++i) {
        EllipsePath(cr, rng.Real(0, kW), rng.Real(0, horizon), 2.5, 2.5);
        SetColour(cr, kWhite, 0.5);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 0, horizon);
    cairo_curve_to(cr, kW * 0.3, horizon - 15, kW * 0.6, horizon + 12, kW, horizon - 5);
    cairo_line_to(cr, kW, kH), cairo_line_to(cr, 0, kH);
    cairo_close_path(cr);
    SetColour(cr, {225, 200, 140});
    cairo_fill(cr);
}

void PaintWinterBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kTops[] = {{150, 175, 215}, {120, 150, 200}, {180, 190, 220}};
    Gradient(cr, 0, horizon + 2, rng.Pick(kTops), {230, 235, 245});
    Hills(cr, rng, horizon, {225, 232, 245}, {240, 244, 252});
    Ground(cr, horizon, {245, 248, 255}, {215, 225, 240});
    for (int i = 0; i < 60; ++i) {
        EllipsePath(cr, rng.Real(0, kW), rng.Real(0, kH), 1.6, 1.6);
        SetColour(cr, kWhite, 0.9);
        cairo_fill(cr);
    }
}

void PaintToyRoomBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kWalls[] = {{200, 225, 250}, {250, 220, 230}, {235, 245, 200}, {250, 235, 190}};
    const Rgb wall = rng.Pick(kWalls);
    Gradient(cr, 0, horizon, wall, Shade(wall, 0.9));
    // Wallpaper stripes.
    for (double x = 0; x < kW; x += 24) {
        cairo_rectangle(cr, x, 0, 10, horizon);
    }
    SetColour(cr, Shade(wall, 1.3), 0.6);
    cairo_fill(cr);
    Gradient(cr, horizon, horizon + 8, {250, 250, 250}, {220, 220, 220});
    Gradient(cr, horizon + 8, kH, {205, 160, 110}, {170, 120, 80});
    SetColour(cr, {150, 105, 70});
    cairo_set_line_width(cr, 1.2);
    for (double y = horizon + 30; y < kH; y += 26) cairo_move_to(cr, 0, y), cairo_line_to(cr, kW, y);
    cairo_stroke(cr);
    // A round rug.
    EllipsePath(cr, rng.Real(100, 200), (horizon + kH) / 2 + 30, 110, 40);
    static constexpr Rgb kRugs[] = {{230, 110, 110}, {120, 160, 230}, {150, 200, 120}};
    SetColour(cr, rng.Pick(kRugs), 0.85);
    cairo_fill(cr);
}
