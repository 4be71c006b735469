#include "tools/packgen/ArtKit.h"

#include <cmath>

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
    double x0, y0, x1, y1;
    cairo_path_extents(ink.cr, &x0, &y0, &x1, &y1);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, y0, x0 + (x1 - x0) * 0.3, y1);
    const Rgb top = Shade(c, 1.3), bottom = Shade(c, 0.78);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    cairo_set_source(ink.cr, gradient);
    cairo_fill_preserve(ink.cr);
    cairo_pattern_destroy(gradient);
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
