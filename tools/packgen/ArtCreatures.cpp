#include <cmath>

#include "tools/packgen/Art.h"

namespace {
constexpr Rgb kPink{245, 160, 170};
constexpr Rgb kMuzzle{250, 240, 225};

enum CritterStyle { kCat, kBear, kRabbit, kDog, kPig, kFox, kStyles };

void Ears(const Ink& k, int style, Rgb c) {
    cairo_t* cr = k.cr;
    for (double s : {-1.0, 1.0}) {
        switch (style) {
        case kCat:
        case kFox:
            PolygonPath(cr, {{s * 10, -88}, {s * 28, -106}, {s * 28, -78}});
            Paint(k, c);
            break;
        case kBear:
            Oval(k, s * 22, -92, 10, 10, c);
            break;
        case kRabbit:
            Oval(k, s * 10, -110, 7, 22, c);
            EllipsePath(cr, s * 10, -110, 3, 15);
            Dab(k, kPink);
            break;
        case kDog:
            Oval(k, s * 27, -74, 8, 17, Shade(c, 0.7));
            break;
        default:
            PolygonPath(cr, {{s * 12, -90}, {s * 24, -100}, {s * 26, -84}});
            Paint(k, c);
            break;
        }
    }
}
} // namespace

void DrawCritter(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    const int style = o.variant % kStyles;
    const Rgb fur = o.colours[0];
    // Tail on the right: the critter is not symmetric, so mirroring it shows.
    cairo_move_to(cr, 22, -15);
    cairo_curve_to(cr, 50, -20, 45, -50, 36, -55);
    Line(k, style == kFox ? 6.0 : 3.5, Shade(fur, 0.75));
    Oval(k, 0, -28, 28, 28, fur);
    if (Has(o, 1)) {
        EllipsePath(cr, -8, -24, 9, 7);
        EllipsePath(cr, 10, -34, 7, 6);
        Dab(k, Shade(fur, 0.6));
    }
    Oval(k, -12, -4, 10, 6, fur);
    Oval(k, 12, -4, 10, 6, fur);
    Ears(k, style, fur);
    Oval(k, 0, -70, 28, 25, fur);
    if (style == kFox || style == kDog) Oval(k, 0, -60, 14, 10, kMuzzle);
    Eye(k, -10, -74, 5.5);
    Eye(k, 10, -74, 5.5);
    if (style == kPig) {
        Oval(k, 0, -62, 9, 7, kPink);
        EllipsePath(cr, -3, -62, 1.5, 2.5);
        EllipsePath(cr, 3, -62, 1.5, 2.5);
        Dab(k, kBlack);
    } else {
        Oval(k, 0, -64, 3.5, 2.5, kBlack);
    }
    Mouth(k, 0, -55, 5, true);
    if (Has(o, 0)) {
        Box(k, -18, -50, 36, 6, 3, o.colours[2]);
        Oval(k, 0, -43, 4, 4, {250, 210, 60});
    }
}

void DrawFish(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    PolygonPath(cr, {{-40, -50}, {-65, -75}, {-60, -50}, {-65, -25}});
    Paint(k, o.colours[1]);
    if (Has(o, 1)) {
        PolygonPath(cr, {{-15, -72}, {5, -90}, {20, -72}});
        Paint(k, o.colours[1]);
    }
    EllipsePath(cr, 0, -50, 48, 28);
    PaintPatterned(k, o.colours[0], o.pattern);
    if (Has(o, 0)) {
        EllipsePath(cr, 0, -50, 48, 28);
        cairo_clip(cr);
        for (double x : {-18.0, 2.0}) cairo_rectangle(cr, x, -80, 8, 60);
        Dab(k, o.colours[2]);
        cairo_reset_clip(cr);
    }
    Eye(k, 26, -56, 7);
    Mouth(k, 40, -44, 5, true);
}

void DrawCrab(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    for (double s : {-1.0, 1.0}) {
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, s * 30, -20 - i * 6), cairo_line_to(cr, s * 52, -4 - i * 8);
        }
        Line(k, 2.2, Shade(o.colours[0], 0.7));
        cairo_move_to(cr, s * 30, -40), cairo_line_to(cr, s * 48, -62);
        Line(k, 2.2, Shade(o.colours[0], 0.7));
        PolygonPath(cr, {{s * 40, -58}, {s * 62, -84}, {s * 50, -62}, {s * 62, -60}});
        Paint(k, o.colours[0]);
    }
    cairo_move_to(cr, -9, -42), cairo_line_to(cr, -10, -60);
    cairo_move_to(cr, 9, -42), cairo_line_to(cr, 10, -60);
    Line(k);
    Eye(k, -10, -64, 6);
    Eye(k, 10, -64, 6);
    Oval(k, 0, -30, 38, 22, o.colours[0]);
    Mouth(k, 0, -30, 8, true);
    if (Has(o, 0)) {
        for (double x : {-22.0, 20.0}) Oval(k, x, -36, 4, 3, o.colours[2]);
    }
}

void DrawStarfish(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 20 : 48;
        cairo_line_to(cr, std::cos(a) * r, -50 + std::sin(a) * r);
    }
    cairo_close_path(cr);
    Paint(k, o.colours[0]);
    if (Has(o, 0)) {
        for (int i = 0; i < 5; ++i) {
            const double a = -M_PI / 2 + i * 2 * M_PI / 5;
            Oval(k, std::cos(a) * 30, -50 + std::sin(a) * 30, 3.5, 3.5, o.colours[2]);
        }
    }
    if (Has(o, 1)) {
        EllipsePath(cr, -6, -54, 2.5, 3.5);
        EllipsePath(cr, 6, -54, 2.5, 3.5);
        Dab(k, kBlack);
        Mouth(k, 0, -45, 5, true);
    }
}

void DrawJellyfish(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    for (int i = 0; i < 4; ++i) {
        const double x = -24 + i * 16;
        cairo_move_to(cr, x, -55);
        cairo_curve_to(cr, x + 10, -40, x - 10, -20, x + 4, 0);
    }
    Line(k, 2.0, Shade(o.colours[0], 0.7));
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -55, 36, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    Paint(k, o.colours[0]);
    if (Has(o, 0)) {
        for (const auto& [x, y] : {std::pair{-18.0, -70.0}, {4.0, -80.0}, {20.0, -66.0}}) {
            Oval(k, x, y, 4, 4, o.colours[2]);
        }
    }
    if (Has(o, 1)) {
        EllipsePath(cr, -9, -64, 3, 4);
        EllipsePath(cr, 9, -64, 3, 4);
        Dab(k, kBlack);
        Mouth(k, 0, -58, 5, true);
    }
}

void DrawAlien(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Box(k, -18, -45, 36, 45, 14, o.colours[0]);
    if (Has(o, 1)) {
        cairo_move_to(cr, -12, -88), cairo_line_to(cr, -20, -104);
        cairo_move_to(cr, 12, -88), cairo_line_to(cr, 20, -104);
        Line(k);
        Oval(k, -20, -104, 5, 5, o.colours[2]);
        Oval(k, 20, -104, 5, 5, o.colours[2]);
    }
    Oval(k, 0, -68, 28, 26, o.colours[0]);
    Eye(k, -11, -72, 7);
    Eye(k, 11, -72, 7);
    if (Has(o, 0)) Eye(k, 0, -88, 5);
    Mouth(k, 0, -56, 7, true);
    cairo_move_to(cr, -18, -35), cairo_line_to(cr, -32, -20);
    cairo_move_to(cr, 18, -35), cairo_line_to(cr, 34, -50);
    Line(k, 2.5, Shade(o.colours[0], 0.7));
}
