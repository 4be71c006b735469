#include <algorithm>
#include <cmath>
#include <tuple>

#include "tools/packgen/Art.h"

namespace {
constexpr Rgb kPost{140, 100, 65};
constexpr Rgb kChalk{235, 240, 230};
constexpr Rgb kGlow{255, 220, 120};
constexpr Rgb kDarkGlass{60, 70, 95};
constexpr Rgb kFruits[] = {{230, 60, 50}, {250, 170, 40}, {120, 190, 60}, {250, 215, 70}};

void FruitRow(const Ink& k, int count, double y, double span, double r) {
    for (int i = 0; i < count; ++i) {
        const double x = count == 1 ? 0 : -span / 2 + i * span / (count - 1);
        Oval(k, x, y, r, r, kFruits[i % std::size(kFruits)]);
    }
}
} // namespace

void DrawStone(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    if (o.variant % 2 == 0) {
        EllipsePath(cr, 0, -45, 68, 45);
    } else {
        PolygonPath(cr, {{-65, 0}, {-55, -60}, {-10, -95}, {40, -80}, {68, -30}, {60, 0}});
    }
    Paint(k, o.colours[0]);
    cairo_move_to(cr, -20, -60), cairo_line_to(cr, 0, -40), cairo_line_to(cr, -5, -20);
    Line(k, 0.7, Shade(o.colours[0], 0.6));
    if (Has(o, 0)) Oval(k, 25, -70, 22, 10, {110, 170, 80});
}

void DrawSign(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Box(k, -4, -60, 8, 60, 2, kPost);
    switch (o.variant % 3) {
    case 0:
        RoundRectPath(cr, -45, -100, 90, 44, 4);
        break;
    case 1:
        PolygonPath(cr, {{-45, -100}, {30, -100}, {48, -78}, {30, -56}, {-45, -56}});
        break;
    default:
        EllipsePath(cr, 0, -78, 48, 24);
        break;
    }
    Paint(k, o.colours[0]);
    Text(k, o.variant % 3 == 1 ? -6 : 0, -66, 24, Word(o.label), Shade(o.colours[0], 0.35));
    if (Has(o, 0)) Oval(k, 34, -100, 8, 8, o.colours[2]);
}

void DrawBooks(const Ink& k, const SceneObject& o) {
    const int count = std::max(o.count, 1);
    const double width = 15, left = -width * count / 2;
    for (int i = 0; i < count; ++i) {
        const double h = 70 + (i * 37 % 5) * 6, x = left + i * width;
        RoundRectPath(k.cr, x, -h, width - 1, h, 2);
        PaintPatterned(k, o.colours[i % 3], o.pattern);
        cairo_rectangle(k.cr, x + 2, -h + 10, width - 5, 4);
        Dab(k, Shade(o.colours[i % 3], 0.6));
    }
    if (Has(o, 0)) {
        PolygonPath(k.cr, {{-left, 0}, {-left + 4, -62}, {-left + 18, -58}, {-left + 14, 0}});
        Paint(k, o.colours[2]);
    }
}

void DrawBoard(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Box(k, -75, -100, 150, 100, 3, o.colours[0]);
    cairo_rectangle(cr, -67, -92, 134, 80);
    Dab(k, {45, 85, 65});
    Text(k, 0, -58, 22, Word(o.label), kChalk);
    Text(k, -20, -24, 16, Number(o.label), kChalk);
    if (Has(o, 0)) {
        cairo_new_path(cr);
        cairo_arc(cr, 40, -30, 12, 0, 2 * M_PI);
        Line(k, 0.8, kChalk);
    }
    if (Has(o, 1)) Box(k, -40, -13, 22, 6, 2, kWhite);
}

void DrawDesk(const Ink& k, const SceneObject& o) {
    Box(k, -60, -58, 8, 58, 2, Shade(o.colours[0], 0.8));
    Box(k, 52, -58, 8, 58, 2, Shade(o.colours[0], 0.8));
    Box(k, -66, -66, 132, 12, 3, o.colours[0]);
    Box(k, -54, -54, 50, 18, 2, Shade(o.colours[0], 0.9));
    Oval(k, -29, -45, 3, 3, kOutline);
    if (Has(o, 0)) Box(k, 10, -80, 36, 14, 2, o.colours[1]);
    if (Has(o, 1)) Oval(k, -20, -76, 9, 9, kFruits[0]);
}

void DrawStall(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    for (double x : {-62.0, 56.0}) Box(k, x, -100, 6, 100, 1, kPost);
    Box(k, -68, -45, 136, 45, 2, o.colours[1]);
    PolygonPath(cr, {{-72, -80}, {-62, -100}, {62, -100}, {72, -80}});
    PaintPatterned(k, o.colours[0], o.pattern);
    FruitRow(k, std::max(o.count, 1), -53, 100, 8);
    Box(k, -34, -36, 68, 24, 3, {250, 245, 225});
    Text(k, 0, -17, 15, Word(o.label), kOutline);
}

void DrawCrate(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    FruitRow(k, std::max(o.count, 1), -62, 70, 12);
    Box(k, -50, -60, 100, 60, 2, o.colours[0]);
    for (double y : {-40.0, -20.0}) cairo_move_to(cr, -50, y), cairo_line_to(cr, 50, y);
    Line(k, 0.8);
    Box(k, 4, -54, 42, 26, 2, kWhite);
    Text(k, 25, -34, 16, Number(o.label), kOutline);
}

void DrawFlag(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    Box(k, -40, -100, 5, 100, 2, {120, 120, 130});
    cairo_new_path(cr);
    cairo_move_to(cr, -35, -98);
    cairo_curve_to(cr, -5, -108, 15, -88, 40, -96);
    cairo_line_to(cr, 40, -56);
    cairo_curve_to(cr, 15, -48, -5, -68, -35, -58);
    cairo_close_path(cr);
    PaintPatterned(k, o.colours[0], o.pattern);
    if (Has(o, 0)) Oval(k, -37, -102, 5, 5, kGlow);
}

void DrawTower(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    const int teeth = std::max(o.count, 2);
    const double toothW = 80.0 / (2 * teeth - 1);
    Box(k, -35, -82, 70, 82, 1, o.colours[0]);
    for (int i = 0; i < teeth; ++i) Box(k, -40 + 2 * i * toothW, -96, toothW, 16, 1, o.colours[0]);
    Box(k, -40, -84, 80, 8, 1, Shade(o.colours[0], 0.85));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            cairo_rectangle(cr, -30 + col * 22 + (row % 2) * 10, -70 + row * 17, 14, 1.5);
        }
    }
    Dab(k, Shade(o.colours[0], 0.7));
    RoundRectPath(cr, -7, -66, 14, 22, 7);
    PaintFlat(k, kDarkGlass);
    if (Has(o, 0)) {
        RoundRectPath(cr, -14, -26, 28, 26, 12);
        Paint(k, kPost);
    }
    if (Has(o, 1)) {
        cairo_move_to(cr, 0, -96), cairo_line_to(cr, 0, -116);
        Line(k);
        PolygonPath(cr, {{0, -116}, {20, -111}, {0, -106}});
        Paint(k, o.colours[2]);
    }
}

void DrawBuilding(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    const int columns = std::max(o.count, 1);
    Box(k, -42, -100, 84, 100, 1, o.colours[0]);
    const double cell = 70.0 / columns;
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < columns; ++col) {
            const bool lit = (row * 7 + col * 3 + o.pattern * 2) % 5 < 3;
            cairo_rectangle(cr, -35 + col * cell + cell * 0.2, -92 + row * 14, cell * 0.6, 8);
            SetColour(cr, lit ? kGlow : kDarkGlass);
            cairo_fill(cr);
        }
    }
    if (Has(o, 0)) {
        cairo_move_to(cr, 20, -100), cairo_line_to(cr, 20, -118);
        Line(k, 1.2);
        Oval(k, 20, -119, 3, 3, {250, 70, 60});
    }
    if (Has(o, 1)) Box(k, -12, -12, 24, 12, 1, kGlow);
}

void DrawMoon(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    if (o.variant % 2 == 0) {
        Oval(k, 0, -50, 46, 46, o.colours[0]);
        for (const auto& [x, y, r] :
             {std::tuple{-15.0, -60.0, 9.0}, {14.0, -38.0, 7.0}, {18.0, -66.0, 5.0}}) {
            EllipsePath(cr, x, y, r, r);
            Dab(k, Shade(o.colours[0], 0.85));
        }
    } else {
        cairo_new_path(cr);
        cairo_arc(cr, 0, -50, 46, M_PI * 0.35, M_PI * 1.65);
        cairo_arc_negative(cr, 22, -50, 38, M_PI * 1.45, M_PI * 0.55);
        cairo_close_path(cr);
        Paint(k, o.colours[0]);
    }
    if (Has(o, 0)) {
        for (int i = 0; i < 3; ++i) {
            const double x = 50 + i * 10, y = -90 + i * 28;
            PolygonPath(cr, {{x, y - 6},
                             {x + 2, y - 2},
                             {x + 6, y},
                             {x + 2, y + 2},
                             {x, y + 6},
                             {x - 2, y + 2},
                             {x - 6, y},
                             {x - 2, y - 2}});
            Dab(k, kGlow);
        }
    }
}

void DrawLantern(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_move_to(cr, 0, -100), cairo_line_to(cr, 0, -80);
    Line(k, 0.8);
    EllipsePath(cr, 0, -40, 44, 44);
    SetColour(cr, kGlow, 0.35);
    cairo_fill(cr);
    Box(k, -12, -84, 24, 8, 2, kOutline);
    EllipsePath(cr, 0, -50, 28, 30);
    PaintPatterned(k, o.colours[0], o.pattern);
    Box(k, -12, -22, 24, 6, 2, kOutline);
    if (Has(o, 0)) {
        cairo_move_to(cr, 0, -16), cairo_line_to(cr, 0, 0);
        Line(k, 1.4, o.colours[2]);
    }
}

void DrawShield(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    cairo_new_path(cr);
    if (o.variant % 2 == 0) {
        cairo_move_to(cr, -40, -100);
        cairo_line_to(cr, 40, -100);
        cairo_curve_to(cr, 40, -40, 20, -15, 0, 0);
        cairo_curve_to(cr, -20, -15, -40, -40, -40, -100);
    } else {
        cairo_arc(cr, 0, -50, 42, 0, 2 * M_PI);
    }
    cairo_close_path(cr);
    PaintPatterned(k, o.colours[0], o.pattern);
    if (Has(o, 0)) Oval(k, 0, -58, 10, 10, o.colours[2]);
}

void DrawGarland(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    const int flags = std::max(o.count, 2);
    cairo_move_to(cr, -100, -100);
    cairo_curve_to(cr, -40, -55, 40, -55, 100, -100);
    Line(k, 0.8);
    for (int i = 0; i < flags; ++i) {
        const double t = (i + 0.5) / flags, x = -100 + 200 * t;
        const double y = -100 + 4 * t * (1 - t) * 34; // follows the string's sag
        PolygonPath(cr, {{x - 9, y}, {x + 9, y}, {x, y + 24}});
        Paint(k, o.colours[i % 3]);
    }
}

void DrawTowel(const Ink& k, const SceneObject& o) {
    cairo_t* cr = k.cr;
    PolygonPath(cr, {{-70, 0}, {-40, -70}, {80, -70}, {55, 0}});
    PaintPatterned(k, o.colours[0], o.pattern);
    if (Has(o, 0)) {
        for (int i = 0; i < 6; ++i) cairo_move_to(cr, -62 + i * 22, 0), cairo_line_to(cr, -64 + i * 22, 8);
        Line(k, 1.2, o.colours[1]);
    }
}
