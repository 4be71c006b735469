#include <algorithm>
#include <cmath>
#include <tuple>

#include "tools/packgen/Art.h"

namespace {
constexpr Rgb kWood{150, 100, 60};
constexpr Rgb kLeaf{70, 160, 60};
constexpr Rgb kLight{255, 230, 110};
constexpr Rgb kSnow{245, 250, 255};
constexpr Rgb kCarrot{245, 130, 30};
} // namespace

void DrawCloud(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    EllipsePath(cr, -40, -30, 38, 28);
    EllipsePath(cr, 5, -55, 42, 40);
    EllipsePath(cr, 45, -30, 36, 28);
    EllipsePath(cr, 0, -22, 70, 22);
    if (Has(o, 0)) EllipsePath(cr, 72, -22, 22, 20);
    PaintMerged(k, o.colours[0]);
    if (Has(o, 1)) {
        for (int i = 0; i < 3; ++i) {
            EllipsePath(cr, -30 + 30 * i, 12 + 8 * (i % 2), 4, 7);
            Dab(k, {80, 140, 230});
        }
    }
}

void DrawSun(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    const double cy = -50;
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6 + o.variant * 0.2;
        PolygonPath(cr, {{std::cos(a - 0.12) * 36, cy + std::sin(a - 0.12) * 36},
                         {std::cos(a) * 50, cy + std::sin(a) * 50},
                         {std::cos(a + 0.12) * 36, cy + std::sin(a + 0.12) * 36}});
    }
    Paint(k, o.colours[1]);
    Oval(k, 0, cy, 34, 34, o.colours[0]);
    if (Has(o, 0)) {
        Box(k, -24, cy - 12, 20, 11, 4, kBlack);
        Box(k, 4, cy - 12, 20, 11, 4, kBlack);
        cairo_move_to(cr, -4, cy - 8), cairo_line_to(cr, 4, cy - 8);
        Line(k);
    } else {
        EllipsePath(cr, -11, cy - 7, 3.5, 5);
        EllipsePath(cr, 11, cy - 7, 3.5, 5);
        Dab(k, kBlack);
    }
    Mouth(k, 0, cy + 8, 14, true);
    if (Has(o, 1)) {
        EllipsePath(cr, -20, cy + 6, 6, 4);
        EllipsePath(cr, 20, cy + 6, 6, 4);
        Dab(k, {250, 120, 110}, 0.8);
    }
}

void DrawBird(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    PolygonPath(cr, {{-38, -50}, {-62, -68}, {-58, -40}});
    Paint(k, Shade(o.colours[0], 0.8));
    Oval(k, -5, -45, 40, 30, o.colours[0]);
    Oval(k, 30, -68, 22, 21, o.colours[0]);
    PolygonPath(cr, {{48, -72}, {66, -64}, {48, -60}});
    Paint(k, o.colours[2]);
    Eye(k, 36, -72, 6);
    cairo_new_path(cr);
    cairo_move_to(cr, -25, -48);
    cairo_curve_to(cr, -10, -80, 15, -70, 12, -40);
    cairo_close_path(cr);
    Paint(k, Shade(o.colours[0], 0.85));
    if (Has(o, 0)) {
        PolygonPath(cr, {{24, -86}, {20, -100}, {30, -88}, {36, -99}, {36, -86}});
        Paint(k, o.colours[1]);
    }
    if (Has(o, 1)) {
        EllipsePath(cr, -5, -35, 22, 12);
        Dab(k, o.colours[1], 0.9);
    }
    cairo_move_to(cr, -10, -16), cairo_line_to(cr, -12, 0);
    cairo_move_to(cr, 6, -16), cairo_line_to(cr, 8, 0);
    Line(k, 1.2, {220, 120, 40});
}

void DrawTree(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    PolygonPath(cr, {{-9, 0}, {-6, -45}, {6, -45}, {9, 0}});
    Paint(k, o.colours[1]);
    if (o.variant % 2 == 0) {
        EllipsePath(cr, -22, -55, 26, 24);
        EllipsePath(cr, 22, -55, 26, 24);
        EllipsePath(cr, 0, -78, 30, 22);
    } else {
        EllipsePath(cr, 0, -62, 30, 38);
    }
    PaintMerged(k, o.colours[0]);
    EllipsePath(cr, -12, -80, 10, 6);
    Dab(k, kWhite, 0.3);
    if (Has(o, 0)) {
        for (const auto& [x, y] : {std::pair{-20.0, -50.0}, {14.0, -70.0}, {18.0, -44.0}, {-6.0, -86.0}}) {
            Oval(k, x, y, 5, 5, o.colours[2]);
        }
    }
    if (Has(o, 1)) {
        EllipsePath(cr, 2, -30, 4, 5);
        Dab(k, kBlack);
    }
}

void DrawPine(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Box(k, -6, -18, 12, 18, 2, o.colours[1]);
    for (int i = 0; i < 3; ++i) {
        const double base = -14 - i * 26, half = 36 - i * 9;
        PolygonPath(cr, {{-half, base}, {0, base - 42}, {half, base}});
        Paint(k, o.colours[0]);
        if (Has(o, 1)) {
            PolygonPath(cr, {{-half * 0.45, base - 23}, {0, base - 42}, {half * 0.45, base - 23}});
            PaintFlat(k, kSnow);
        }
    }
    if (Has(o, 0)) {
        for (const auto& [x, y] : {std::pair{-14.0, -22.0}, {12.0, -30.0}, {-6.0, -50.0}, {9.0, -62.0}}) {
            Oval(k, x, y, 4, 4, o.colours[2]);
        }
    }
}

void DrawBush(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    EllipsePath(cr, -34, -32, 28, 30);
    EllipsePath(cr, 0, -55, 34, 40);
    EllipsePath(cr, 34, -32, 28, 30);
    EllipsePath(cr, 0, -20, 55, 20);
    PaintMerged(k, o.colours[0]);
    if (Has(o, 0)) {
        for (const auto& [x, y] :
             {std::pair{-30.0, -30.0}, {-8.0, -62.0}, {18.0, -40.0}, {36.0, -22.0}, {-2.0, -25.0}}) {
            Oval(k, x, y, 6, 6, o.colours[2]);
        }
    }
}

void DrawFlower(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 4, -25, -4, -45, 0, -62);
    Line(k, 2.0, {60, 130, 50});
    cairo_move_to(cr, 1, -25);
    cairo_curve_to(cr, 15, -35, 25, -30, 28, -24);
    cairo_curve_to(cr, 18, -18, 8, -20, 1, -25);
    Paint(k, kLeaf);
    if (Has(o, 0)) {
        cairo_move_to(cr, -1, -40);
        cairo_curve_to(cr, -15, -50, -25, -45, -28, -38);
        cairo_curve_to(cr, -18, -32, -8, -34, -1, -40);
        Paint(k, kLeaf);
    }
    const int petals = std::max(o.count, 3);
    for (int i = 0; i < petals; ++i) {
        const double a = i * 2 * M_PI / petals;
        Oval(k, std::cos(a) * 15, -75 + std::sin(a) * 15, 11, 11, o.colours[0]);
    }
    Oval(k, 0, -75, 10, 10, o.colours[2]);
}

void DrawBench(const Ink& k, const SceneObject& o) {
    for (double x : {-60.0, 50.0}) Box(k, x, -40, 10, 40, 2, kBlack);
    for (int i = 0; i < 3; ++i) Box(k, -70, -100 + i * 16, 140, 11, 3, o.colours[0]);
    Box(k, -75, -48, 150, 12, 3, o.colours[0]);
    if (Has(o, 0)) Box(k, -5, -62, 10, 24, 3, kBlack);
}

void DrawBalloon(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_move_to(cr, 0, -38);
    cairo_curve_to(cr, 8, -25, -8, -12, 2, 0);
    Line(k, 0.8);
    PolygonPath(cr, {{-4, -36}, {4, -36}, {0, -42}});
    Paint(k, o.colours[0]);
    EllipsePath(cr, 0, -70, 24, 30);
    PaintPatterned(k, o.colours[0], o.pattern);
    EllipsePath(cr, -10, -82, 5, 9);
    Dab(k, kWhite, 0.6);
    if (Has(o, 0)) {
        EllipsePath(cr, 0, -70, 24, 30);
        cairo_clip(cr);
        cairo_rectangle(cr, -30, -74, 60, 9);
        Dab(k, o.colours[2]);
        cairo_reset_clip(cr);
    }
}

void DrawKite(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_move_to(cr, 0, -40);
    cairo_curve_to(cr, 20, -28, -20, -15, 10, 0);
    Line(k, 0.8);
    PolygonPath(cr, {{0, -100}, {30, -70}, {0, -40}, {-30, -70}});
    PaintPatterned(k, o.colours[0], o.pattern);
    PolygonPath(cr, {{0, -100}, {30, -70}, {0, -70}});
    Dab(k, o.colours[1]);
    PolygonPath(cr, {{0, -40}, {-30, -70}, {0, -70}});
    Dab(k, o.colours[1]);
    cairo_move_to(cr, 0, -100), cairo_line_to(cr, 0, -40);
    cairo_move_to(cr, -30, -70), cairo_line_to(cr, 30, -70);
    Line(k, 0.7);
    const int bows = Has(o, 0) ? 3 : 2;
    for (int i = 0; i < bows; ++i) {
        const double y = -30 + i * 12, x = (i % 2 ? -4 : 6);
        PolygonPath(cr, {{x - 7, y - 4}, {x + 7, y + 4}, {x + 7, y - 4}, {x - 7, y + 4}});
        Paint(k, o.colours[2]);
    }
}

void DrawLamp(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Box(k, -10, -8, 20, 8, 2, o.colours[0]);
    Box(k, -3, -80, 6, 74, 2, o.colours[0]);
    if (Has(o, 0)) {
        EllipsePath(cr, 0, -88, 22, 22);
        Dab(k, kLight, 0.45);
    }
    PolygonPath(cr, {{-10, -80}, {10, -80}, {13, -96}, {-13, -96}});
    Paint(k, Has(o, 0) ? kLight : Rgb{200, 210, 220});
    PolygonPath(cr, {{-16, -96}, {16, -96}, {0, -104}});
    Paint(k, o.colours[0]);
}

void DrawMushroom(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    PolygonPath(cr, {{-14, 0}, {-10, -50}, {10, -50}, {14, 0}});
    Paint(k, {245, 235, 215});
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -45, 45, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    Paint(k, o.colours[0]);
    if (Has(o, 0)) {
        for (const auto& [x, y, r] : {std::tuple{-22.0, -58.0, 7.0}, {5.0, -75.0, 8.0}, {26.0, -56.0, 6.0}}) {
            Oval(k, x, y, r, r * 0.8, kWhite);
        }
    }
    if (Has(o, 1)) {
        EllipsePath(cr, -5, -30, 3, 4);
        EllipsePath(cr, 5, -30, 3, 4);
        Dab(k, kBlack);
        Mouth(k, 0, -22, 5, true);
    }
}

void DrawButterfly(const Ink& k, const SceneObject& o) {
    for (double side : {-1.0, 1.0}) {
        Oval(k, side * 24, -64, 24, 26, o.colours[0]);
        Oval(k, side * 20, -28, 17, 18, o.colours[1]);
        if (Has(o, 0)) {
            Oval(k, side * 26, -66, 8, 8, o.colours[2]);
            Oval(k, side * 20, -28, 5, 5, o.colours[2]);
        }
    }
    Box(k, -4, -80, 8, 62, 4, kBlack);
    cairo_move_to(k.cr, -2, -78), cairo_line_to(k.cr, -12, -96);
    cairo_move_to(k.cr, 2, -78), cairo_line_to(k.cr, 12, -96);
    Line(k);
}

void DrawSnowman(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Oval(k, 0, -22, 28, 22, kSnow);
    Oval(k, 0, -57, 21, 18, kSnow);
    Oval(k, 0, -84, 15, 14, kSnow);
    EllipsePath(cr, -5, -87, 2.5, 2.5);
    EllipsePath(cr, 5, -87, 2.5, 2.5);
    Dab(k, kBlack);
    PolygonPath(cr, {{0, -84}, {20, -80}, {0, -79}});
    Paint(k, kCarrot);
    if (Has(o, 0)) {
        Box(k, -14, -100, 28, 6, 2, o.colours[1]);
        Box(k, -9, -114, 18, 16, 2, o.colours[1]);
    }
    if (Has(o, 1)) {
        Box(k, -17, -74, 34, 7, 3, o.colours[0]);
        Box(k, 6, -72, 7, 20, 3, o.colours[0]);
    }
    if (Has(o, 2)) {
        for (int i = 0; i < 3; ++i) Oval(k, 0, -62 + i * 8, 2.5, 2.5, kBlack);
    }
    cairo_move_to(cr, -20, -58), cairo_line_to(cr, -40, -72);
    cairo_move_to(cr, 20, -58), cairo_line_to(cr, 38, -70);
    Line(k, 1.4, kWood);
}
