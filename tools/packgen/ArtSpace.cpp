#include <cmath>
#include <tuple>

#include "tools/packgen/Art.h"

namespace {
constexpr Rgb kFlame{255, 150, 40};
constexpr Rgb kHull{230, 232, 240};

void HalfRingPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, -50);
    cairo_scale(cr, 70, 16);
    cairo_arc(cr, 0, 0, 1, 0, M_PI);
    cairo_restore(cr);
}
} // namespace

void DrawPlanet(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    const bool ring = o.variant % 2 == 1;
    if (ring) {
        EllipsePath(cr, 0, -50, 70, 16);
        Line(k, 5.0);
        EllipsePath(cr, 0, -50, 70, 16);
        Line(k, 3.0, o.colours[1]);
    }
    Oval(k, 0, -50, 45, 45, o.colours[0]);
    if (Has(o, 1)) {
        EllipsePath(cr, 0, -50, 45, 45);
        cairo_clip(cr);
        for (double y : {-70.0, -45.0}) cairo_rectangle(cr, -50, y, 100, 9);
        Dab(k, Shade(o.colours[0], 0.7), 0.8);
        cairo_reset_clip(cr);
    }
    if (Has(o, 0)) {
        for (const auto& [x, y, r] :
             {std::tuple{-15.0, -62.0, 8.0}, {16.0, -40.0, 6.0}, {-4.0, -30.0, 5.0}}) {
            Oval(k, x, y, r, r, Shade(o.colours[0], 0.75));
        }
    }
    if (ring) {
        // The front half of the ring passes over the planet.
        for (const auto& [width, colour] : {std::pair{5.0, kOutline}, {3.0, o.colours[1]}}) {
            HalfRingPath(cr);
            Line(k, width, colour);
        }
    }
}

void DrawRocket(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    if (Has(o, 0)) {
        PolygonPath(cr, {{-10, -12}, {0, 14}, {10, -12}});
        Paint(k, kFlame);
    }
    for (double s : {-1.0, 1.0}) {
        PolygonPath(cr, {{s * 14, -40}, {s * 30, -10}, {s * 14, -14}});
        Paint(k, o.colours[1]);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, -15, -12);
    cairo_curve_to(cr, -20, -50, -12, -85, 0, -104);
    cairo_curve_to(cr, 12, -85, 20, -50, 15, -12);
    cairo_close_path(cr);
    Paint(k, kHull);
    PolygonPath(cr, {{-10, -88}, {0, -104}, {10, -88}});
    Paint(k, o.colours[0]);
    if (Has(o, 1)) {
        cairo_rectangle(cr, -16, -38, 32, 7);
        Dab(k, o.colours[0]);
    }
    Oval(k, 0, -64, 8, 8, {140, 200, 240});
}

void DrawUfo(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Oval(k, 0, -60, 24, 22, {170, 220, 240});
    if (Has(o, 1)) {
        Oval(k, 0, -60, 10, 10, {120, 210, 100});
        Eye(k, 0, -62, 4);
    }
    Oval(k, 0, -42, 60, 16, o.colours[0]);
    if (Has(o, 0)) {
        for (int i = 0; i < 5; ++i) Oval(k, -36 + i * 18, -40, 4, 4, o.colours[2]);
    }
    cairo_move_to(cr, -20, -30), cairo_line_to(cr, -28, -12);
    cairo_move_to(cr, 20, -30), cairo_line_to(cr, 28, -12);
    Line(k, 1.5);
}

void DrawStar(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 20 : 46;
        cairo_line_to(cr, std::cos(a) * r, -50 + std::sin(a) * r);
    }
    cairo_close_path(cr);
    Paint(k, o.colours[0]);
    if (Has(o, 0)) {
        EllipsePath(cr, -7, -52, 3, 4);
        EllipsePath(cr, 7, -52, 3, 4);
        Dab(k, kBlack);
        Mouth(k, 0, -44, 5, true);
    }
}
