#include <algorithm>
#include <cmath>

#include "tools/packgen/Art.h"

namespace {
constexpr Rgb kSteam{255, 255, 255};
constexpr Rgb kMetal{190, 195, 205};
constexpr Rgb kLeafGreen{80, 170, 70};
constexpr Rgb kStem{110, 80, 50};
} // namespace

void DrawCup(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_new_path(cr);
    cairo_arc(cr, 30, -42, 14, -M_PI / 2, M_PI / 2);
    Line(k, 4.5);
    cairo_new_path(cr);
    cairo_arc(cr, 30, -42, 14, -M_PI / 2, M_PI / 2);
    Line(k, 2.5, o.colours[0]);
    RoundRectPath(cr, -30, -70, 60, 70, 10);
    PaintPatterned(k, o.colours[0], o.pattern);
    if (Has(o, 0)) {
        cairo_rectangle(cr, -29, -44, 58, 9);
        Dab(k, o.colours[2]);
    }
    if (Has(o, 1)) {
        for (double x : {-10.0, 8.0}) {
            cairo_move_to(cr, x, -78);
            cairo_curve_to(cr, x - 8, -88, x + 8, -94, x, -106);
        }
        Line(k, 1.6, kSteam);
    }
}

void DrawTeapot(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    PolygonPath(cr, {{30, -30}, {60, -66}, {66, -62}, {42, -18}});
    Paint(k, o.colours[0]);
    cairo_new_path(cr);
    cairo_arc(cr, -42, -42, 16, M_PI / 2, 3 * M_PI / 2);
    Line(k, 4.5);
    Oval(k, 0, -38, 45, 36, o.colours[0]);
    Oval(k, 0, -74, 22, 6, Shade(o.colours[0], 0.9));
    if (Has(o, 1)) Oval(k, 0, -84, 6, 6, o.colours[2]);
    if (Has(o, 0)) {
        for (const auto& [x, y] : {std::pair{-20.0, -42.0}, {0.0, -30.0}, {20.0, -44.0}, {-4.0, -56.0}}) {
            Oval(k, x, y, 5, 5, o.colours[1]);
        }
    }
}

void DrawFruit(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    if (o.variant % 3 == 1) { // pear
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -80);
        cairo_curve_to(cr, 16, -80, 12, -55, 30, -35);
        cairo_curve_to(cr, 44, -10, 20, 0, 0, 0);
        cairo_curve_to(cr, -20, 0, -44, -10, -30, -35);
        cairo_curve_to(cr, -12, -55, -16, -80, 0, -80);
        cairo_close_path(cr);
        Paint(k, o.colours[0]);
    } else {
        Oval(k, 0, -38, 38, 36, o.colours[0]);
    }
    EllipsePath(cr, -14, -52, 7, 10);
    Dab(k, kWhite, 0.4);
    cairo_move_to(cr, 0, -72), cairo_line_to(cr, 4, -90);
    Line(k, 2.2, kStem);
    if (Has(o, 0)) {
        cairo_new_path(cr);
        cairo_move_to(cr, 4, -84);
        cairo_curve_to(cr, 14, -100, 30, -96, 34, -90);
        cairo_curve_to(cr, 24, -80, 12, -80, 4, -84);
        Paint(k, kLeafGreen);
    }
}

void DrawPot(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    for (int i = 0; i < 5; ++i) {
        const double a = M_PI * (1.15 + i * 0.175);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -40);
        cairo_curve_to(cr, std::cos(a) * 20, -40 + std::sin(a) * 40, std::cos(a) * 45, -40 + std::sin(a) * 45,
                       std::cos(a) * 40, -40 + std::sin(a) * 60);
        cairo_curve_to(cr, std::cos(a) * 30, -40 + std::sin(a) * 30, std::cos(a) * 10, -40, 0, -40);
        Paint(k, kLeafGreen);
    }
    if (Has(o, 0)) Oval(k, 8, -96, 9, 9, o.colours[2]);
    PolygonPath(cr, {{-32, -45}, {32, -45}, {24, 0}, {-24, 0}});
    Paint(k, o.colours[0]);
    Box(k, -36, -50, 72, 12, 3, Shade(o.colours[0], 1.1));
}

void DrawJar(const Ink& k, const SceneObject& o) {
    Box(k, -26, -78, 52, 78, 10, {200, 225, 235});
    Box(k, -22, -70, 44, 62, 8, o.colours[0]);
    Box(k, -24, -92, 48, 16, 4, o.colours[1]);
    if (Has(o, 0)) {
        Box(k, -20, -52, 40, 24, 3, {250, 245, 230});
        Text(k, 0, -33, 13, Word(o.label).substr(0, 3), kOutline);
    }
}

void DrawClock(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Oval(k, 0, -50, 45, 45, o.colours[0]);
    Oval(k, 0, -50, 36, 36, {250, 248, 240});
    if (Has(o, 0)) {
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            cairo_move_to(cr, std::cos(a) * 30, -50 + std::sin(a) * 30);
            cairo_line_to(cr, std::cos(a) * 34, -50 + std::sin(a) * 34);
        }
        Line(k, 1.0);
    }
    const double hour = (o.variant % 12) * M_PI / 6 - M_PI / 2,
                 minute = (o.variant % 4) * M_PI / 2 - M_PI / 2;
    cairo_move_to(cr, 0, -50), cairo_line_to(cr, std::cos(hour) * 18, -50 + std::sin(hour) * 18);
    Line(k, 2.5);
    cairo_move_to(cr, 0, -50), cairo_line_to(cr, std::cos(minute) * 28, -50 + std::sin(minute) * 28);
    Line(k, 1.6);
    Oval(k, 0, -50, 3, 3, o.colours[1]);
}

void DrawBlock(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    PolygonPath(cr, {{-40, -80}, {-25, -95}, {45, -95}, {30, -80}});
    Paint(k, Shade(o.colours[0], 1.2));
    PolygonPath(cr, {{30, -80}, {45, -95}, {45, -15}, {30, 0}});
    Paint(k, Shade(o.colours[0], 0.75));
    Box(k, -40, -80, 70, 80, 2, o.colours[0]);
    if (Has(o, 0)) {
        cairo_new_path(cr);
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 10 : 24;
            cairo_line_to(cr, -5 + std::cos(a) * r, -40 + std::sin(a) * r);
        }
        cairo_close_path(cr);
        Paint(k, o.colours[2]);
    } else {
        Oval(k, -5, -40, 18, 18, o.colours[2]);
    }
}

void DrawRobot(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    for (double x : {-16.0, 6.0}) Box(k, x, -22, 10, 22, 2, kMetal);
    cairo_move_to(cr, -24, -50), cairo_line_to(cr, -36, -30);
    cairo_move_to(cr, 24, -50), cairo_line_to(cr, 36, -66);
    Line(k, 3.0, kMetal);
    Box(k, -24, -58, 48, 38, 5, o.colours[0]);
    if (Has(o, 0)) {
        for (int i = 0; i < o.count; ++i)
            Oval(k, -15 + i * 30.0 / std::max(o.count - 1, 1), -42, 3.5, 3.5, o.colours[2]);
    }
    Box(k, -18, -88, 36, 28, 6, o.colours[1]);
    Oval(k, -8, -75, 5, 5, {120, 230, 250});
    Oval(k, 8, -75, 5, 5, {120, 230, 250});
    if (Has(o, 1)) {
        cairo_move_to(cr, 0, -88), cairo_line_to(cr, 0, -100);
        Line(k);
        Oval(k, 0, -102, 4, 4, {250, 80, 80});
    }
}

void DrawFrame(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Box(k, -40, -100, 80, 100, 3, o.colours[0]);
    cairo_rectangle(cr, -32, -92, 64, 84);
    Dab(k, {180, 220, 245});
    PolygonPath(cr, {{-32, -8}, {-10, -50}, {8, -26}, {18, -40}, {32, -8}});
    Dab(k, o.colours[1]);
    if (Has(o, 0)) Oval(k, 16, -74, 8, 8, {250, 210, 60});
}
