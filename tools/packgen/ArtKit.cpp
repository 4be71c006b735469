#include "tools/packgen/ArtKit.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
void FillGradient(const Ink& ink, Rgb c) {
    double x0, y0, x1, y1;
    cairo_path_extents(ink.cr, &x0, &y0, &x1, &y1);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, y0, x0 + (x1 - x0) * 0.3, y1);
    const Rgb top = Shade(c, 1.3), bottom = Shade(c, 0.78);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    cairo_set_source(ink.cr, gradient);
    cairo_fill_preserve(ink.cr);
    cairo_pattern_destroy(gradient);
}

} // namespace

void SetColour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_close_path(cr);
}

void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::fmin(r, std::fmin(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void PolygonPath(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
    cairo_new_sub_path(cr);
    for (const auto& [x, y] : points) cairo_line_to(cr, x, y);
    cairo_close_path(cr);
}

void Paint(const Ink& ink, Rgb c) {
    FillGradient(ink, c);
    Line(ink);
}

void PaintMerged(const Ink& ink, Rgb c) {
    SetColour(ink.cr, kOutline);
    cairo_set_line_width(ink.cr, ink.line * 2);
    cairo_set_line_join(ink.cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(ink.cr);
    double x0, y0, x1, y1;
    cairo_path_extents(ink.cr, &x0, &y0, &x1, &y1);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, y0, x0, y1);
    const Rgb top = Shade(c, 1.25), bottom = Shade(c, 0.8);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    cairo_set_source(ink.cr, gradient);
    cairo_fill(ink.cr);
    cairo_pattern_destroy(gradient);
}

void PaintFlat(const Ink& ink, Rgb c) {
    SetColour(ink.cr, c);
    cairo_fill_preserve(ink.cr);
    Line(ink);
}

void Dab(const Ink& ink, Rgb c, double alpha) {
    SetColour(ink.cr, c, alpha);
    cairo_fill(ink.cr);
}

void Line(const Ink& ink, double widthFactor, Rgb c) {
    SetColour(ink.cr, c);
    cairo_set_line_width(ink.cr, ink.line * widthFactor);
    cairo_set_line_join(ink.cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(ink.cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(ink.cr);
}

void Oval(const Ink& ink, double cx, double cy, double rx, double ry, Rgb c) {
    EllipsePath(ink.cr, cx, cy, rx, ry);
    Paint(ink, c);
}

void Box(const Ink& ink, double x, double y, double w, double h, double r, Rgb c) {
    RoundRectPath(ink.cr, x, y, w, h, r);
    Paint(ink, c);
}

void Eye(const Ink& ink, double cx, double cy, double r) {
    EllipsePath(ink.cr, cx, cy, r, r * 1.15);
    PaintFlat(ink, kWhite);
    EllipsePath(ink.cr, cx + r * 0.2, cy + r * 0.15, r * 0.55, r * 0.6);
    Dab(ink, kBlack);
    EllipsePath(ink.cr, cx + r * 0.35, cy - r * 0.1, r * 0.18, r * 0.18);
    Dab(ink, kWhite);
}

void Mouth(const Ink& ink, double cx, double cy, double w, bool happy) {
    cairo_new_path(ink.cr);
    if (happy) {
        cairo_arc(ink.cr, cx, cy - w * 0.5, w, M_PI * 0.2, M_PI * 0.8);
    } else {
        cairo_arc_negative(ink.cr, cx, cy + w * 0.9, w, -M_PI * 0.2, -M_PI * 0.8);
    }
    Line(ink);
}

namespace {
void DrawPattern(cairo_t* cr, int pattern, double x0, double y0, double x1, double y1) {
    constexpr double kStep = 24, kDot = 7;
    switch (pattern) {
    case kStripes:
        for (double x = x0 + 4; x < x1; x += kStep) cairo_rectangle(cr, x, y0, kStep * 0.45, y1 - y0);
        break;
    case kDots:
        for (double y = y0 + 8; y < y1; y += kStep) {
            for (double x = x0 + 8 + (int((y - y0) / kStep) % 2) * kStep / 2; x < x1; x += kStep) {
                EllipsePath(cr, x, y, kDot, kDot);
            }
        }
        break;
    case kBands:
        for (double y = y0 + 5; y < y1; y += kStep) cairo_rectangle(cr, x0, y, x1 - x0, kStep * 0.4);
        break;
    case kChecks:
        for (double y = y0; y < y1; y += kStep / 1.5) {
            for (double x = x0 + (int((y - y0) / (kStep / 1.5)) % 2) * kStep / 1.5; x < x1;
                 x += kStep * 4 / 3) {
                cairo_rectangle(cr, x, y, kStep / 1.5, kStep / 1.5);
            }
        }
        break;
    default:
        break;
    }
    cairo_fill(cr);
}

// Strokes on a 4 x 6 grid: points "xy" with y downwards, strokes separated by '|'.
std::string_view Glyph(char c) {
    static constexpr std::string_view kLetters[26] = {
        "06 02 20 42 46|04 44",
        "06 00 30 41 42 33 03|33 44 45 36 06",
        "40 10 01 05 16 46",
        "00 30 41 45 36 06 00",
        "40 00 06 46|03 33",
        "40 00 06|03 33",
        "40 10 01 05 16 46 43 23",
        "00 06|40 46|03 43",
        "10 30|20 26|16 36",
        "40 45 36 16 05",
        "00 06|40 03 46",
        "00 06 46",
        "06 00 23 40 46",
        "06 00 46 40",
        "10 30 41 45 36 16 05 01 10",
        "06 00 30 41 42 33 03",
        "10 30 41 45 36 16 05 01 10|24 46",
        "06 00 30 41 42 33 03|23 46",
        "40 10 01 02 13 33 44 45 36 06",
        "00 40|20 26",
        "00 05 16 36 45 40",
        "00 26 40",
        "00 16 23 36 40",
        "00 46|40 06",
        "00 23 40|23 26",
        "00 40 06 46",
    };
    static constexpr std::string_view kDigits[10] = {
        "10 30 41 45 36 16 05 01 10|41 05",
        "11 20 26|16 36",
        "01 10 30 41 42 06 46",
        "01 10 30 41 42 33 13|33 44 45 36 16 05",
        "30 04 44|30 36",
        "40 00 02 32 43 45 36 06",
        "40 10 01 05 16 36 45 43 32 02",
        "00 40 26",
        "13 02 01 10 30 41 42 33 13 04 05 16 36 45 44 33",
        "43 03 01 10 30 41 45 36 06",
    };
    if (c >= 'A' && c <= 'Z') return kLetters[c - 'A'];
    if (c >= '0' && c <= '9') return kDigits[c - '0'];
    return {};
}
} // namespace

void PaintPatterned(const Ink& ink, Rgb c, int pattern) {
    constexpr float kLightL = 55;
    const Rgb mark = ToLab(c).l > kLightL ? Shade(c, 0.55) : Shade(c, 1.7);
    FillGradient(ink, c);
    if (pattern != kPlain) {
        cairo_path_t* path = cairo_copy_path(ink.cr);
        double x0, y0, x1, y1;
        cairo_path_extents(ink.cr, &x0, &y0, &x1, &y1);
        cairo_save(ink.cr);
        cairo_clip(ink.cr);
        SetColour(ink.cr, mark);
        DrawPattern(ink.cr, pattern, x0, y0, x1, y1);
        cairo_restore(ink.cr);
        cairo_new_path(ink.cr);
        cairo_append_path(ink.cr, path);
        cairo_path_destroy(path);
    }
    Line(ink);
}

void Text(const Ink& ink, double cx, double y, double height, std::string_view text, Rgb c) {
    const double unit = height / 6, advance = unit * 5.5;
    double x = cx - advance * double(text.size()) / 2 + unit * 0.75;
    cairo_t* cr = ink.cr;
    cairo_new_path(cr);
    for (char ch : text) {
        const std::string_view strokes = Glyph(ch);
        bool first = true;
        for (size_t i = 0; i + 1 < strokes.size();) {
            if (strokes[i] == '|' || strokes[i] == ' ') {
                first = first || strokes[i] == '|';
                ++i;
                continue;
            }
            const double px = x + (strokes[i] - '0') * unit, py = y - height + (strokes[i + 1] - '0') * unit;
            first ? cairo_move_to(cr, px, py) : cairo_line_to(cr, px, py);
            first = false;
            i += 2;
        }
        x += advance;
    }
    SetColour(cr, c);
    cairo_set_line_width(cr, std::max(unit * 1.2, ink.line * 1.1));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

std::string_view Word(int label) {
    static constexpr std::string_view kWords[] = {"OPEN", "SHOP", "CAFE", "BOOK", "SALE", "TOYS",
                                                  "MILK", "FISH", "CAKE", "STOP", "EXIT", "BUS",
                                                  "ZOO",  "JAM",  "TEA",  "MAP"};
    return kWords[unsigned(label) % std::size(kWords)];
}

std::string Number(int label) {
    return std::to_string(10 + unsigned(label) * 7 % 90);
}
