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

// Small dots strewn over a band: pebbles, sand grains, flakes.
void Speckles(cairo_t* cr, Rng& rng, double y0, double y1, Rgb colour, int count, double rMin, double rMax) {
    for (int i = 0; i < count; ++i) {
        const double r = rng.Real(rMin, rMax);
        EllipsePath(cr, rng.Real(0, kW), rng.Real(y0, y1), r * 1.4, r);
    }
    SetColour(cr, colour);
    cairo_fill(cr);
}

// Board joints: long lines every `step` with staggered butt joints, widening towards the front.
void Planks(cairo_t* cr, Rng& rng, double y0, double y1, double step, Rgb line) {
    SetColour(cr, line);
    cairo_set_line_width(cr, 1.3);
    int row = 0;
    for (double y = y0 + step; y < y1; y += step + (y - y0) * 0.06, ++row) {
        cairo_move_to(cr, 0, y), cairo_line_to(cr, kW, y);
        for (double x = rng.Real(0, 60); x < kW; x += rng.Real(60, 110)) {
            cairo_move_to(cr, x, y), cairo_line_to(cr, x, y - step);
        }
    }
    cairo_stroke(cr);
}

// Brick or stone courses: mortar lines in rows of `h`, joints every `w`, every other row shifted.
void Bricks(cairo_t* cr, double y0, double y1, double w, double h, Rgb mortar) {
    SetColour(cr, mortar);
    cairo_set_line_width(cr, 1.2);
    int row = 0;
    for (double y = y0; y < y1; y += h, ++row) {
        cairo_move_to(cr, 0, y), cairo_line_to(cr, kW, y);
        for (double x = (row % 2) * w / 2; x < kW; x += w) {
            cairo_move_to(cr, x, y), cairo_line_to(cr, x, std::fmin(y + h, y1));
        }
    }
    cairo_stroke(cr);
}

// Tiny lit windows on far buildings, in rows.
void FarWindows(cairo_t* cr, Rng& rng, double x, double top, double width, double bottom, Rgb lit, Rgb dark) {
    for (double y = top + 5; y + 5 < bottom; y += 9) {
        for (double wx = x + 4; wx + 4 < x + width; wx += 8) {
            cairo_rectangle(cr, wx, y, 4, 5);
            SetColour(cr, rng.Chance(0.5) ? lit : dark);
            cairo_fill(cr);
        }
    }
}

// Rows of far-off round tree tops standing on the horizon, each outlined a shade darker.
void FarTrees(cairo_t* cr, Rng& rng, double horizon, Rgb colour, int count) {
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < count; ++i) {
        const double x = rng.Real(0, kW), r = rng.Real(4, 9), y = horizon - rng.Real(0, 16);
        EllipsePath(cr, x, y - r, r, r * 1.2);
        SetColour(cr, colour);
        cairo_fill_preserve(cr);
        SetColour(cr, Shade(colour, 0.6));
        cairo_stroke(cr);
    }
}

// Outlined bubbles rising through water.
void Bubbles(cairo_t* cr, Rng& rng, double y0, double y1, int count) {
    SetColour(cr, kWhite, 0.85);
    cairo_set_line_width(cr, 1.1);
    for (int i = 0; i < count; ++i) {
        const double r = rng.Real(1.5, 4.5);
        EllipsePath(cr, rng.Real(0, kW), rng.Real(y0, y1), r, r);
    }
    cairo_stroke(cr);
}

void Waves(cairo_t* cr, Rng& rng, double y0, double y1, int count) {
    SetColour(cr, kWhite, 0.8);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < count; ++i) {
        const double x = rng.Real(-10, kW - 20), y = rng.Real(y0, y1);
        cairo_move_to(cr, x, y), cairo_curve_to(cr, x + 8, y - 4, x + 14, y + 4, x + 22, y);
    }
    cairo_stroke(cr);
}

// A sea from the horizon down to the beach line with its waves, and sand below a gently curving shore.
struct Shore {
    Rgb seaTop, seaBottom;
    double wavesBelowHorizon;
    int waves;
    double swell, swellFrequency;
    Rgb sand;
    double specklesBelowBeach;
    Rgb speckle;
    int speckles;
};

void SeaAndBeach(cairo_t* cr, Rng& rng, double horizon, double beach, const Shore& shore) {
    Gradient(cr, horizon, beach + 4, shore.seaTop, shore.seaBottom);
    Waves(cr, rng, horizon + shore.wavesBelowHorizon, beach - 4, shore.waves);
    cairo_move_to(cr, 0, beach);
    for (int x = 0; x <= kW; x += 10)
        cairo_line_to(cr, x, beach + shore.swell * std::sin(x * shore.swellFrequency));
    cairo_line_to(cr, kW, kH), cairo_line_to(cr, 0, kH);
    cairo_close_path(cr);
    SetColour(cr, shore.sand);
    cairo_fill(cr);
    Speckles(cr, rng, beach + shore.specklesBelowBeach, kH, shore.speckle, shore.speckles, 0.8, 1.8);
}
} // namespace

void PaintParkBackground(cairo_t* cr, Rng& rng, double horizon) {
    Sky(cr, rng, horizon);
    Hills(cr, rng, horizon, {130, 195, 110}, {110, 185, 90});
    FarTrees(cr, rng, horizon, {80, 150, 70}, 30);
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
    Speckles(cr, rng, horizon + 20, kH, {175, 150, 110}, 30, 1.2, 2.4);
    Tufts(cr, rng, horizon, {60, 130, 55}, 300);
}

void PaintSeasideBackground(cairo_t* cr, Rng& rng, double horizon) {
    Sky(cr, rng, horizon);
    const double beach = horizon + rng.Real(45, 70);
    SeaAndBeach(cr, rng, horizon, beach,
                {{40, 120, 190}, {90, 190, 215}, 6, 26, 5, 0.05, {240, 215, 160}, 10, {195, 160, 100}, 400});
}

void PaintStreetBackground(cairo_t* cr, Rng& rng, double horizon) {
    Sky(cr, rng, horizon);
    // Far-away towers on the horizon.
    for (double x = -10; x < kW; x += rng.Real(30, 50)) {
        const double h = rng.Real(40, 110), w = rng.Real(25, 40);
        SetColour(cr, {165, 175, 200});
        cairo_rectangle(cr, x, horizon - h, w, h + 2);
        cairo_fill(cr);
        FarWindows(cr, rng, x, horizon - h, w, horizon, {215, 225, 240}, {120, 130, 160});
    }
    Ground(cr, horizon, {190, 190, 185}, {170, 170, 165});
    const double road = horizon + (kH - horizon) * 0.45;
    Bricks(cr, horizon, road, 24, 12, {150, 150, 145});
    Gradient(cr, road, kH - 25, {95, 95, 105}, {80, 80, 90});
    SetColour(cr, {250, 240, 200});
    for (double x = 10; x < kW; x += 50) {
        cairo_rectangle(cr, x, (road + kH - 25) / 2 - 2, 28, 5);
    }
    cairo_fill(cr);
    Gradient(cr, kH - 25, kH, {200, 195, 185}, {180, 175, 165});
    Bricks(cr, kH - 25, kH, 26, 12, {140, 135, 125});
}

void PaintSpaceBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kDeep[] = {{15, 15, 50}, {30, 10, 55}, {10, 25, 60}};
    Gradient(cr, 0, kH, rng.Pick(kDeep), {60, 40, 110});
    for (int i = 0; i < 600; ++i) {
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
    for (int i = 0; i < 40; ++i) {
        EllipsePath(cr, rng.Real(10, kW - 10), rng.Real(horizon + 15, kH - 8), rng.Real(5, 18),
                    rng.Real(2, 6));
        SetColour(cr, {125, 120, 140});
        cairo_fill_preserve(cr);
        SetColour(cr, {215, 210, 225});
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    Speckles(cr, rng, horizon + 10, kH, {135, 130, 145}, 280, 0.8, 1.8);
}

void PaintKitchenBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kWalls[] = {{250, 235, 200}, {220, 240, 230}, {235, 225, 245}, {250, 225, 215}};
    const Rgb wall = rng.Pick(kWalls);
    Gradient(cr, 0, horizon, Shade(wall, 1.1), wall);
    Tiles(cr, horizon - 60, horizon, 15, Shade(wall, 0.8), Shade(wall, 1.2));
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
    Bricks(cr, 0, horizon - 60, 30, 30, Shade(wall, 0.7));
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
    Speckles(cr, rng, horizon + 15, kH, {150, 110, 60}, 60, 1.5, 3.0);
    Tufts(cr, rng, horizon, {50, 100, 45}, 380);
}

void PaintFarmBackground(cairo_t* cr, Rng& rng, double horizon) {
    Sky(cr, rng, horizon);
    Hills(cr, rng, horizon, {170, 200, 110}, {150, 190, 95});
    FarTrees(cr, rng, horizon, {100, 160, 70}, 26);
    Ground(cr, horizon, {160, 200, 90}, {120, 170, 70});
    // Ploughed field rows.
    SetColour(cr, {135, 175, 70});
    cairo_set_line_width(cr, 2);
    for (double y = horizon + 12; y < kH; y += 14 + (y - horizon) * 0.12) {
        cairo_move_to(cr, 0, y), cairo_line_to(cr, kW, y + rng.Real(-3, 3));
    }
    cairo_stroke(cr);
    Tufts(cr, rng, horizon, {90, 140, 50}, 300);
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
    Bubbles(cr, rng, 0, horizon, 150);
    // Dark weed far behind.
    SetColour(cr, {20, 80, 90});
    cairo_set_line_width(cr, 2.5);
    for (double x = rng.Real(0, 12); x < kW; x += rng.Real(10, 22)) {
        const double h = rng.Real(30, 80);
        cairo_move_to(cr, x, horizon + 5);
        cairo_curve_to(cr, x - 8, horizon - h / 3, x + 8, horizon - 2 * h / 3, x, horizon - h);
    }
    cairo_stroke(cr);
    cairo_move_to(cr, 0, horizon);
    cairo_curve_to(cr, kW * 0.3, horizon - 15, kW * 0.6, horizon + 12, kW, horizon - 5);
    cairo_line_to(cr, kW, kH), cairo_line_to(cr, 0, kH);
    cairo_close_path(cr);
    SetColour(cr, {225, 200, 140});
    cairo_fill(cr);
    Speckles(cr, rng, horizon + 8, kH, {170, 140, 95}, 320, 0.8, 2.2);
    SetColour(cr, {200, 170, 115});
    cairo_set_line_width(cr, 1.4);
    for (double y = horizon + 20; y < kH; y += 16) {
        for (double x = rng.Real(-20, 10); x < kW; x += rng.Real(40, 70)) {
            cairo_move_to(cr, x, y), cairo_curve_to(cr, x + 10, y - 5, x + 20, y + 5, x + 30, y);
        }
    }
    cairo_stroke(cr);
}

void PaintWinterBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kTops[] = {{150, 175, 215}, {120, 150, 200}, {180, 190, 220}};
    Gradient(cr, 0, horizon + 2, rng.Pick(kTops), {230, 235, 245});
    Hills(cr, rng, horizon, {225, 232, 245}, {240, 244, 252});
    Ground(cr, horizon, {245, 248, 255}, {215, 225, 240});
    Tufts(cr, rng, horizon, {170, 185, 215}, 110);
    Speckles(cr, rng, 0, horizon, kWhite, 140, 1.2, 2.2);
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
    Planks(cr, rng, horizon + 8, kH, 18, {150, 105, 70});
    for (double y = 12; y < horizon - 6; y += 24) {
        for (double x = 17; x < kW; x += 24) EllipsePath(cr, x, y + (int(x / 24) % 2) * 12, 2.5, 2.5);
    }
    SetColour(cr, Shade(wall, 0.75));
    cairo_fill(cr);
    // A round rug.
    EllipsePath(cr, rng.Real(100, 200), (horizon + kH) / 2 + 30, 110, 40);
    static constexpr Rgb kRugs[] = {{230, 110, 110}, {120, 160, 230}, {150, 200, 120}};
    SetColour(cr, rng.Pick(kRugs), 0.85);
    cairo_fill(cr);
}

void PaintClassroomBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kWalls[] = {{235, 230, 200}, {210, 230, 225}, {240, 220, 200}};
    const Rgb wall = rng.Pick(kWalls);
    Gradient(cr, 0, horizon, Shade(wall, 1.1), wall);
    // Wainscot boards under the windows' sill line, then the floor.
    const Rgb panel = {190, 150, 105};
    Gradient(cr, horizon - 45, horizon, panel, Shade(panel, 0.85));
    SetColour(cr, Shade(panel, 0.65));
    cairo_set_line_width(cr, 1.2);
    for (double x = 10; x < kW; x += 14) cairo_move_to(cr, x, horizon - 45), cairo_line_to(cr, x, horizon);
    cairo_stroke(cr);
    Gradient(cr, horizon, kH, {200, 170, 130}, {170, 135, 95});
    Planks(cr, rng, horizon, kH, 14, {140, 105, 70});
}

void PaintMarketBackground(cairo_t* cr, Rng& rng, double horizon) {
    Sky(cr, rng, horizon);
    static constexpr Rgb kFronts[] = {{235, 200, 160}, {220, 170, 150}, {200, 210, 180}, {240, 225, 190}};
    for (double x = -10; x < kW; x += 46) {
        const double h = rng.Real(60, 100);
        SetColour(cr, rng.Pick(kFronts));
        cairo_rectangle(cr, x, horizon - h, 46, h + 2);
        cairo_fill(cr);
        FarWindows(cr, rng, x + 4, horizon - h, 38, horizon - 8, {120, 150, 190}, {90, 100, 130});
    }
    Ground(cr, horizon, {200, 190, 175}, {170, 160, 145});
    Bricks(cr, horizon, kH, 18, 10, {140, 130, 115});
}

void PaintCastleBackground(cairo_t* cr, Rng& rng, double horizon) {
    Sky(cr, rng, horizon);
    Hills(cr, rng, horizon, {130, 180, 110}, {115, 170, 95});
    // The curtain wall along the horizon, with its battlements.
    const double top = horizon - 55;
    SetColour(cr, {175, 170, 160});
    cairo_rectangle(cr, 0, top, kW, horizon - top + 2);
    for (double x = 0; x < kW; x += 20) cairo_rectangle(cr, x, top - 10, 11, 10);
    cairo_fill(cr);
    Bricks(cr, top, horizon, 22, 10, {130, 125, 118});
    Ground(cr, horizon, {120, 180, 95}, {85, 150, 70});
    Tufts(cr, rng, horizon, {60, 120, 50}, 330);
    Speckles(cr, rng, horizon + 20, kH, {150, 145, 135}, 40, 1.5, 3);
}

void PaintNightCityBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kTops[] = {{15, 20, 50}, {25, 15, 55}, {10, 30, 60}};
    Gradient(cr, 0, horizon + 2, rng.Pick(kTops), {70, 60, 120});
    Speckles(cr, rng, 0, horizon - 60, {230, 230, 250}, 260, 0.7, 1.4);
    for (double x = -10; x < kW; x += rng.Real(24, 40)) {
        const double h = rng.Real(40, 120), w = rng.Real(22, 36);
        SetColour(cr, {40, 40, 70});
        cairo_rectangle(cr, x, horizon - h, w, h + 2);
        cairo_fill(cr);
        FarWindows(cr, rng, x, horizon - h, w, horizon, {250, 215, 120}, {55, 55, 90});
    }
    Gradient(cr, horizon, kH, {80, 80, 95}, {55, 55, 70});
    Bricks(cr, horizon, horizon + 40, 20, 10, {60, 60, 75});
    const double road = horizon + 40;
    SetColour(cr, {230, 210, 120});
    for (double y = road + 30; y < kH; y += 60) {
        for (double x = 10; x < kW; x += 50) cairo_rectangle(cr, x, y, 26, 4);
    }
    cairo_fill(cr);
    Speckles(cr, rng, road, kH, {110, 110, 130}, 300, 0.8, 1.8);
}

void PaintLibraryBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kWoods[] = {{150, 95, 60}, {120, 80, 55}, {170, 115, 70}};
    const Rgb wood = rng.Pick(kWoods);
    Gradient(cr, 0, horizon, Shade(wood, 1.15), wood);
    // Panelled wall: framed panels in two rows.
    SetColour(cr, Shade(wood, 0.7));
    cairo_set_line_width(cr, 2);
    for (double x = 8; x + 40 < kW; x += 48) {
        cairo_rectangle(cr, x, 10, 40, horizon * 0.45);
        cairo_rectangle(cr, x, 20 + horizon * 0.45, 40, horizon * 0.45 - 24);
    }
    cairo_stroke(cr);
    static constexpr Rgb kCarpets[] = {{160, 50, 60}, {50, 90, 130}, {60, 110, 70}};
    const Rgb carpet = rng.Pick(kCarpets);
    Gradient(cr, horizon, kH, carpet, Shade(carpet, 0.8));
    for (double y = horizon + 12; y < kH; y += 18) {
        for (double x = 9 + (int((y - horizon) / 18) % 2) * 9; x < kW; x += 18) {
            PolygonPath(cr, {{x, y - 4}, {x + 4, y}, {x, y + 4}, {x - 4, y}});
        }
    }
    SetColour(cr, Shade(carpet, 1.45));
    cairo_fill(cr);
}

void PaintBeachPartyBackground(cairo_t* cr, Rng& rng, double horizon) {
    static constexpr Rgb kTops[] = {{250, 150, 90}, {240, 120, 110}, {200, 120, 170}};
    Gradient(cr, 0, horizon + 2, rng.Pick(kTops), {255, 215, 140});
    const double beach = horizon + rng.Real(35, 55);
    SeaAndBeach(cr, rng, horizon, beach,
                {{60, 110, 170}, {110, 170, 200}, 5, 22, 4, 0.06, {240, 210, 160}, 8, {185, 150, 100}, 420});
    Speckles(cr, rng, 0, horizon - 40, {255, 245, 200}, 60, 0.8, 1.6);
}
