#include <cmath>

#include "tools/packgen/Art.h"

namespace {
constexpr Rgb kPole{235, 235, 230};
constexpr Rgb kGold{250, 200, 50};
} // namespace

void DrawUmbrella(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Box(k, -2.5, -80, 5, 80, 2, kPole);
    const int panels = 6;
    for (int i = 0; i < panels; ++i) {
        const double a0 = M_PI + i * M_PI / panels, a1 = a0 + M_PI / panels;
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -60);
        cairo_arc(cr, 0, -60, 60, a0, a1);
        cairo_close_path(cr);
        Paint(k, o.colours[i % 2]);
    }
    if (Has(o, 0)) Oval(k, 0, -122, 5, 5, o.colours[2]);
}

void DrawSailboat(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Box(k, -2, -100, 4, 80, 1, {140, 100, 60});
    PolygonPath(cr, {{4, -96}, {50, -28}, {4, -28}});
    Paint(k, o.colours[1]);
    PolygonPath(cr, {{-4, -80}, {-36, -30}, {-4, -30}});
    Paint(k, Shade(o.colours[1], 0.9));
    if (Has(o, 1)) {
        PolygonPath(cr, {{4, -62}, {27, -62}, {32, -55}, {4, -55}});
        Dab(k, o.colours[2]);
    }
    if (Has(o, 0)) {
        PolygonPath(cr, {{-2, -100}, {-22, -94}, {-2, -88}});
        Paint(k, o.colours[2]);
    }
    PolygonPath(cr, {{-60, -24}, {62, -24}, {44, 0}, {-44, 0}});
    Paint(k, o.colours[0]);
}

void DrawShell(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -6);
    cairo_arc(cr, 0, -40, 40, M_PI * 0.85, M_PI * 2.15);
    cairo_close_path(cr);
    Paint(k, o.colours[0]);
    for (int i = 1; i < 6; ++i) {
        const double a = M_PI * 0.85 + i * M_PI * 1.3 / 6;
        cairo_move_to(cr, 0, -6), cairo_line_to(cr, std::cos(a) * 36, -40 + std::sin(a) * 36);
    }
    Line(k, 0.7);
    Box(k, -10, -12, 20, 10, 3, Shade(o.colours[0], 0.85));
    if (Has(o, 0)) Oval(k, 0, -64, 5, 5, o.colours[2]);
}

void DrawSandcastle(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    for (double x : {-45.0, 25.0}) {
        Box(k, x, -62, 20, 62, 1, o.colours[0]);
        for (int i = 0; i < 3; ++i) Box(k, x + i * 7 - 1, -68, 6, 8, 1, o.colours[0]);
    }
    Box(k, -28, -80, 56, 80, 1, Shade(o.colours[0], 1.05));
    for (int i = 0; i < 4; ++i) Box(k, -28 + i * 15, -88, 10, 10, 1, o.colours[0]);
    if (Has(o, 1)) {
        cairo_new_path(cr);
        cairo_move_to(cr, -10, 0);
        cairo_arc(cr, 0, -22, 10, M_PI, 2 * M_PI);
        cairo_line_to(cr, 10, 0);
        cairo_close_path(cr);
        PaintFlat(k, Shade(o.colours[0], 0.55));
    }
    if (Has(o, 0)) {
        cairo_move_to(cr, 0, -88), cairo_line_to(cr, 0, -112);
        Line(k);
        PolygonPath(cr, {{0, -112}, {18, -106}, {0, -100}});
        Paint(k, o.colours[2]);
    }
}

void DrawBucket(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    if (Has(o, 0)) {
        cairo_move_to(cr, 20, -40), cairo_line_to(cr, 40, -95);
        Line(k, 2.0, {160, 110, 60});
        PolygonPath(cr, {{36, -88}, {52, -110}, {50, -88}, {42, -80}});
        Paint(k, o.colours[1]);
    }
    cairo_new_path(cr);
    cairo_arc_negative(cr, 0, -62, 30, 0, M_PI);
    Line(k, 1.5);
    PolygonPath(cr, {{-34, -65}, {34, -65}, {26, 0}, {-26, 0}});
    PaintPatterned(k, o.colours[0], o.pattern);
    cairo_rectangle(cr, -32, -48, 64, 8);
    Dab(k, o.colours[2]);
}

void DrawBall(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Oval(k, 0, -40, 40, 40, kPole);
    const int segments = Has(o, 0) ? 6 : 4;
    for (int i = 0; i < segments; i += 2) {
        const double a0 = i * 2 * M_PI / segments, a1 = a0 + 2 * M_PI / segments;
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -40);
        cairo_arc(cr, 0, -40, 40, a0, a1);
        cairo_close_path(cr);
        Paint(k, o.colours[i / 2 % 2 ? 1 : 0]);
    }
    Oval(k, 0, -40, 7, 7, o.colours[2]);
    EllipsePath(cr, -16, -58, 8, 5);
    Dab(k, kWhite, 0.5);
}

void DrawPalm(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_new_path(cr);
    cairo_move_to(cr, -10, 0);
    cairo_curve_to(cr, -6, -40, 6, -60, 16, -80);
    cairo_line_to(cr, 24, -78);
    cairo_curve_to(cr, 16, -58, 6, -38, 8, 0);
    cairo_close_path(cr);
    Paint(k, {170, 120, 70});
    for (int i = 0; i < 5; ++i) {
        const double a = M_PI * (1.05 + i * 0.22);
        const double ex = 20 + std::cos(a) * 55, ey = -80 + std::sin(a) * 30 + 25;
        cairo_new_path(cr);
        cairo_move_to(cr, 20, -80);
        cairo_curve_to(cr, 20 + std::cos(a) * 30, -100, ex, ey - 20, ex, ey);
        cairo_curve_to(cr, ex - std::cos(a) * 10, ey - 30, 20 + std::cos(a) * 20, -86, 20, -80);
        cairo_close_path(cr);
        Paint(k, o.colours[0]);
    }
    if (Has(o, 0)) {
        Oval(k, 14, -76, 6, 6, {120, 80, 40});
        Oval(k, 26, -74, 6, 6, {120, 80, 40});
    }
}

void DrawSeaweed(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    const int strands = Has(o, 0) ? 3 : 2;
    for (int i = 0; i < strands; ++i) {
        const double x = -14 + i * 14, h = 100 - i * 22;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 5, 0);
        cairo_curve_to(cr, x - 20, -h * 0.3, x + 15, -h * 0.6, x - 2, -h);
        cairo_curve_to(cr, x + 22, -h * 0.6, x - 12, -h * 0.3, x + 5, 0);
        cairo_close_path(cr);
        Paint(k, i % 2 ? Shade(o.colours[0], 0.85) : o.colours[0]);
    }
}

void DrawCoral(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0), cairo_line_to(cr, 0, -50);
    cairo_move_to(cr, 0, -40), cairo_line_to(cr, -30, -70), cairo_line_to(cr, -34, -92);
    cairo_move_to(cr, -20, -60), cairo_line_to(cr, -40, -55);
    cairo_move_to(cr, 0, -50), cairo_line_to(cr, 20, -80), cairo_line_to(cr, 16, -100);
    cairo_move_to(cr, 10, -30), cairo_line_to(cr, 36, -50), cairo_line_to(cr, 40, -72);
    if (Has(o, 0)) cairo_move_to(cr, -6, -20), cairo_line_to(cr, -40, -30);
    cairo_path_t* branches = cairo_copy_path(cr);
    Line(k, 9.0);
    cairo_append_path(cr, branches);
    Line(k, 6.5, o.colours[0]);
    cairo_path_destroy(branches);
}

void DrawChest(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    if (Has(o, 1)) {
        for (const auto& [x, y] : {std::pair{-20.0, -58.0}, {0.0, -62.0}, {18.0, -57.0}})
            Oval(k, x, y, 9, 6, kGold);
    }
    Box(k, -45, -50, 90, 50, 3, o.colours[0]);
    cairo_new_path(cr);
    cairo_move_to(cr, -45, -50);
    cairo_curve_to(cr, -45, -75, 45, -75, 45, -50);
    cairo_close_path(cr);
    Paint(k, Shade(o.colours[0], 1.1));
    for (double x : {-30.0, 24.0}) {
        cairo_rectangle(cr, x, -68, 6, 68);
        Dab(k, o.colours[1]);
    }
    if (Has(o, 0)) Box(k, -7, -56, 14, 16, 3, kGold);
}
