#include "tools/artgen/Paint.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <pango/pangocairo.h>
#include <set>
#include <stdexcept>

#include "platform/Utf8.h"
#include "tools/artgen/Edition.h"

namespace Paint {
namespace {
constexpr double kPi = 3.14159265358979323846;

struct LayoutDeleter {
    void operator()(PangoLayout* p) const { g_object_unref(p); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutDeleter>;

// Throws unless the face's family is installed: fontconfig would quietly draw another one instead.
// Each face is looked up once.
void RequireFace(PangoContext* context, const PangoFontDescription* wanted, const std::string& face) {
    static std::set<std::string> found;
    if (found.count(face)) return;
    PangoFont* font = pango_context_load_font(context, wanted);
    PangoFontDescription* got = font ? pango_font_describe(font) : nullptr;
    const char* family = got ? pango_font_description_get_family(got) : nullptr;
    const bool installed =
        family && g_ascii_strcasecmp(family, pango_font_description_get_family(wanted)) == 0;
    if (got) pango_font_description_free(got);
    if (font) g_object_unref(font);
    if (!installed)
        throw std::runtime_error("the font '" + face + "' is not installed (scripts/install-deps.sh)");
    found.insert(face);
}

LayoutPtr MakeLayout(cairo_t* cr, const std::string& utf8, const TextStyle& style) {
    LayoutPtr layout(pango_cairo_create_layout(cr));
    PangoFontDescription* desc = pango_font_description_from_string(style.font.c_str());
    pango_font_description_set_absolute_size(desc, style.size * PANGO_SCALE);
    RequireFace(pango_layout_get_context(layout.get()), desc, style.font);
    if (style.bold) pango_font_description_set_weight(desc, PANGO_WEIGHT_BOLD);
    pango_layout_set_font_description(layout.get(), desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout.get(), utf8.c_str(), -1);
    return layout;
}

// The style for words of the context's edition: the English edition sets them in Latin faces.
TextStyle InEdition(cairo_t* cr, TextStyle style) {
    if (EditionOf(cr) == Language::English) style.font = LatinTwin(style.font);
    return style;
}
} // namespace

Colour Hex(uint32_t rgb, double alpha) {
    return Colour{((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

Colour Mix(const Colour& a, const Colour& b, double t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}
Colour Lighter(const Colour& c, double t) {
    return Mix(c, Colour{1, 1, 1, c.a}, t);
}
Colour Darker(const Colour& c, double t) {
    return Mix(c, Colour{0, 0, 0, c.a}, t);
}

void Set(cairo_t* cr, const Colour& c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void VGradient(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void RGradient(cairo_t* cr, double cx, double cy, double r, const Colour& inner, const Colour& outer) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, inner.r, inner.g, inner.b, inner.a);
    cairo_pattern_add_color_stop_rgba(p, 1, outer.r, outer.g, outer.b, outer.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void Circle(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_close_path(cr);
}

void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rotation) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * points; ++i) {
        const double r = (i % 2) ? inner : outer;
        const double a = rotation - kPi / 2 + i * kPi / points;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void Heart(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + 0.45 * s);
    cairo_curve_to(cr, cx - 0.75 * s, cy - 0.05 * s, cx - 0.55 * s, cy - 0.65 * s, cx, cy - 0.3 * s);
    cairo_curve_to(cr, cx + 0.55 * s, cy - 0.65 * s, cx + 0.75 * s, cy - 0.05 * s, cx, cy + 0.45 * s);
    cairo_close_path(cr);
}

void Cloud(cairo_t* cr, double cx, double cy, double s) {
    Circle(cr, cx - 0.55 * s, cy + 0.1 * s, 0.35 * s);
    Circle(cr, cx - 0.1 * s, cy - 0.15 * s, 0.5 * s);
    Circle(cr, cx + 0.45 * s, cy, 0.4 * s);
    RoundRect(cr, cx - 0.9 * s, cy, 1.75 * s, 0.45 * s, 0.22 * s);
}

void FillStroke(cairo_t* cr, const Colour& fill, const Colour& line, double width) {
    Set(cr, fill);
    cairo_fill_preserve(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, width);
    Set(cr, line);
    cairo_stroke(cr);
}

void CandyPanel(cairo_t* cr, double x, double y, double w, double h, double radius, const Colour& base,
                const Colour& line, double lineWidth) {
    RoundRect(cr, x, y, w, h, radius);
    VGradient(cr, y, y + h, Lighter(base, 0.25), Darker(base, 0.12));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, lineWidth);
    Set(cr, line);
    cairo_stroke(cr);
    const double inset = lineWidth + 1.5;
    RoundRect(cr, x + inset, y + inset, w - 2 * inset, (h - 2 * inset) * 0.45, std::max(1.0, radius - inset));
    VGradient(cr, y + inset, y + h * 0.5, Colour{1, 1, 1, 0.55}, Colour{1, 1, 1, 0.1});
    cairo_fill(cr);
}

void Twinkle(cairo_t* cr, double cx, double cy, double r, const Colour& c) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy - r);
    cairo_curve_to(cr, cx + 0.12 * r, cy - 0.12 * r, cx + 0.12 * r, cy - 0.12 * r, cx + r, cy);
    cairo_curve_to(cr, cx + 0.12 * r, cy + 0.12 * r, cx + 0.12 * r, cy + 0.12 * r, cx, cy + r);
    cairo_curve_to(cr, cx - 0.12 * r, cy + 0.12 * r, cx - 0.12 * r, cy + 0.12 * r, cx - r, cy);
    cairo_curve_to(cr, cx - 0.12 * r, cy - 0.12 * r, cx - 0.12 * r, cy - 0.12 * r, cx, cy - r);
    cairo_close_path(cr);
    Set(cr, c);
    cairo_fill(cr);
}

double TextWidth(cairo_t* cr, const std::string& utf8, const TextStyle& style) {
    LayoutPtr layout = MakeLayout(cr, utf8, style);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
    return ink.width + style.outlineWidth;
}

TextStyle Fit(cairo_t* cr, const std::string& utf8, TextStyle style, double maxWidth) {
    while (style.size > 6 && TextWidth(cr, utf8, style) > maxWidth) style.size -= 0.5;
    return style;
}

TextStyle Fit(cairo_t* cr, const Words& words, TextStyle style, double maxWidth) {
    return Fit(cr, Pick(cr, words), InEdition(cr, style), maxWidth);
}

const char* Pick(cairo_t* cr, const Words& words) {
    return EditionOf(cr) == Language::English ? words.en : words.ko;
}

void Text(cairo_t* cr, const Words& words, double x, double cy, const TextStyle& style, Align align) {
    Text(cr, Pick(cr, words), x, cy, InEdition(cr, style), align);
}

void Text(cairo_t* cr, const std::string& utf8, double x, double cy, const TextStyle& style, Align align) {
    if (EditionOf(cr) == Language::English && CountHangul(utf8) > 0)
        throw std::runtime_error("Hangul in a picture of the English edition: \"" + utf8 + "\"");
    LayoutPtr layout = MakeLayout(cr, utf8, style);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
    double left = x - ink.x;
    if (align == Align::Center) left = x - ink.x - ink.width / 2.0;
    if (align == Align::Right) left = x - ink.x - ink.width;
    const double top = cy - ink.y - ink.height / 2.0;

    cairo_save(cr);
    cairo_new_path(cr);
    if (style.shadow > 0) {
        cairo_move_to(cr, left + style.shadow, top + style.shadow);
        pango_cairo_layout_path(cr, layout.get());
        Set(cr, style.shadowColour);
        if (style.outlineWidth > 0) {
            cairo_set_line_width(cr, style.outlineWidth);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
    }
    cairo_move_to(cr, left, top);
    pango_cairo_layout_path(cr, layout.get());
    if (style.outlineWidth > 0) {
        cairo_set_line_width(cr, style.outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        Set(cr, style.outline);
        cairo_stroke_preserve(cr);
    }
    if (style.gradient)
        VGradient(cr, top + ink.y, top + ink.y + ink.height, style.fill, style.fillBottom);
    else
        Set(cr, style.fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace Paint
