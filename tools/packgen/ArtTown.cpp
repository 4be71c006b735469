#include <algorithm>
#include <cmath>

#include "tools/packgen/Art.h"

namespace {
constexpr Rgb kGlass{170, 215, 240};
constexpr Rgb kLitGlass{255, 225, 120};
constexpr Rgb kTyre{45, 45, 52};
constexpr Rgb kHub{200, 200, 210};
constexpr Rgb kStraw{235, 200, 90};

void Window(const Ink& k, double x, double y, double w, double h, bool lit) {
    Box(k, x, y, w, h, 2, lit ? kLitGlass : kGlass);
    cairo_move_to(k.cr, x + w / 2, y), cairo_line_to(k.cr, x + w / 2, y + h);
    cairo_move_to(k.cr, x, y + h / 2), cairo_line_to(k.cr, x + w, y + h / 2);
    Line(k, 0.8);
}

void Wheel(const Ink& k, double cx, double cy, double r) {
    Oval(k, cx, cy, r, r, kTyre);
    Oval(k, cx, cy, r * 0.45, r * 0.45, kHub);
}
} // namespace

void DrawHouse(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    if (Has(o, 0)) Box(k, 22, -98, 12, 26, 1, Shade(o.colours[1], 0.8));
    Box(k, -45, -60, 90, 60, 2, o.colours[0]);
    PolygonPath(cr, {{-55, -58}, {0, -100}, {55, -58}});
    Paint(k, o.colours[1]);
    Box(k, -12, -34, 22, 34, 3, o.colours[2]);
    Oval(k, 5, -16, 2, 2, kLitGlass);
    Window(k, -38, -48, 20, 18, Has(o, 1));
    Window(k, 20, -48, 20, 18, false);
    if (Has(o, 2)) {
        EllipsePath(cr, 0, -74, 8, 8);
        PaintFlat(k, kGlass);
    }
}

void DrawCar(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_new_path(cr);
    cairo_move_to(cr, -75, -18);
    cairo_line_to(cr, -75, -45);
    cairo_line_to(cr, -40, -50);
    cairo_line_to(cr, -25, -78);
    cairo_line_to(cr, 30, -78);
    cairo_line_to(cr, 48, -50);
    cairo_line_to(cr, 75, -45);
    cairo_line_to(cr, 78, -18);
    cairo_close_path(cr);
    PaintPatterned(k, o.colours[0], o.pattern);
    PolygonPath(cr, {{-33, -52}, {-21, -72}, {0, -72}, {0, -52}});
    PaintFlat(k, kGlass);
    PolygonPath(cr, {{6, -52}, {6, -72}, {27, -72}, {40, -52}});
    PaintFlat(k, kGlass);
    if (Has(o, 0)) {
        cairo_rectangle(cr, -73, -36, 149, 7);
        Dab(k, o.colours[1]);
    }
    if (Has(o, 1)) Oval(k, 70, -40, 5, 4, kLitGlass);
    if (Has(o, 2)) Box(k, -10, -86, 20, 8, 2, o.colours[2]);
    Wheel(k, -45, -16, 16);
    Wheel(k, 45, -16, 16);
}

void DrawTrafficLight(const Ink& k, const SceneObject& o) {
    Box(k, -4, -60, 8, 60, 2, {90, 95, 100});
    Box(k, -15, -104, 30, 50, 5, o.colours[0]);
    const Rgb on[3] = {{240, 60, 50}, {250, 200, 40}, {60, 200, 90}};
    const int lit = Has(o, 0) ? 2 : 0;
    for (int i = 0; i < 3; ++i) Oval(k, 0, -95 + i * 16, 6, 6, i == lit ? on[i] : Shade(on[i], 0.35));
}

void DrawBarn(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    PolygonPath(cr, {{-50, 0}, {-50, -55}, {-30, -85}, {30, -85}, {50, -55}, {50, 0}});
    Paint(k, o.colours[0]);
    PolygonPath(cr,
                {{-56, -52}, {-32, -90}, {32, -90}, {56, -52}, {50, -52}, {30, -84}, {-30, -84}, {-50, -52}});
    PaintFlat(k, kWhite);
    Box(k, -20, -40, 40, 40, 1, o.colours[1]);
    if (Has(o, 1)) {
        cairo_move_to(cr, -20, -40), cairo_line_to(cr, 20, 0);
        cairo_move_to(cr, 20, -40), cairo_line_to(cr, -20, 0);
        Line(k, 2.0, kWhite);
    }
    if (Has(o, 0)) Window(k, -10, -72, 20, 18, false);
}

void DrawFence(const Ink& k, const SceneObject& o) {
    Box(k, -80, -62, 160, 10, 2, o.colours[0]);
    if (Has(o, 0)) Box(k, -80, -32, 160, 10, 2, o.colours[0]);
    const int posts = std::max(o.count, 2);
    for (int i = 0; i < posts; ++i) {
        const double x = -75 + i * 150.0 / (posts - 1);
        PolygonPath(k.cr, {{x - 6, 0}, {x - 6, -72}, {x, -80}, {x + 6, -72}, {x + 6, 0}});
        Paint(k, Shade(o.colours[0], 1.1));
    }
}

void DrawTractor(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    if (Has(o, 0)) Box(k, 30, -92, 7, 40, 2, kTyre);
    Box(k, -30, -86, 40, 44, 4, o.colours[1]);
    Box(k, -24, -80, 28, 22, 2, kGlass);
    PolygonPath(cr, {{-40, -20}, {-40, -44}, {68, -44}, {70, -20}});
    Paint(k, o.colours[0]);
    if (Has(o, 1)) Oval(k, 66, -38, 5, 5, kLitGlass);
    Wheel(k, -30, -27, 27);
    Wheel(k, 50, -13, 13);
}

void DrawHaystack(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_new_path(cr);
    cairo_move_to(cr, -50, 0);
    cairo_curve_to(cr, -50, -70, -30, -90, 0, -90);
    cairo_curve_to(cr, 30, -90, 50, -70, 50, 0);
    cairo_close_path(cr);
    Paint(k, o.colours[0]);
    for (int i = 0; i < 6; ++i) {
        const double x = -35 + i * 14;
        cairo_move_to(cr, x, -10), cairo_line_to(cr, x + 4, -30 - (i % 3) * 12);
    }
    Line(k, 0.7, Shade(kStraw, 0.6));
    if (Has(o, 0)) {
        cairo_rectangle(cr, -48, -42, 96, 8);
        Dab(k, o.colours[2]);
    }
}
