#include "tools/artgen/Scenery.h"

#include <cmath>

namespace Scenery {
namespace {
using namespace Paint;
constexpr double kPi = 3.14159265358979323846;
constexpr int kScreenW = 640;
constexpr int kFrameTop = 20, kFrameBottom = 420, kFrameLeft = 10, kFrameRight = 620;
constexpr int kDividerX = 310, kDividerW = 9, kDividerTop = 12;

void DottedFill(cairo_t* cr, double x, double y, double w, double h, uint32_t base) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    VGradient(cr, y, y + h, Lighter(Hex(base), 0.12), Darker(Hex(base), 0.08));
    cairo_paint(cr);
    Set(cr, Hex(0xFFFFFF, 0.16));
    for (double dy = 5; dy < kFrameBottom + 60; dy += 12)
        for (double dx = (int(dy / 12) % 2) * 6 + 3; dx < kScreenW; dx += 12) {
            Circle(cr, dx, dy, 1.8);
        }
    cairo_fill(cr);
    cairo_restore(cr);
}

void Well(cairo_t* cr, double x, double y, double w, double h, double r) {
    RoundRect(cr, x, y, w, h, r);
    VGradient(cr, y, y + h, Darker(Hex(Theme::kWell), 0.2), Hex(Theme::kWell));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    Set(cr, Hex(0xFFFFFF, 0.7));
    cairo_stroke(cr);
}

void PlayerTag(cairo_t* cr, double cx, double cy, const char* text, uint32_t colour) {
    RoundRect(cr, cx - 15, cy - 11, 30, 22, 8);
    FillStroke(cr, Hex(colour), Hex(Theme::kInk), 2);
    TextStyle s;
    s.size = 15;
    s.fill = Hex(0xFFFFFF);
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = 2.5;
    Text(cr, text, cx, cy, s);
}
} // namespace

void Sky(cairo_t* cr, int w, int h, uint32_t seed) {
    VGradient(cr, 0, h, Hex(Theme::kSkyTop), Hex(Theme::kSkyBottom));
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    Dice dice(seed);
    for (int i = 0; i < 6; ++i) {
        const double s = dice.Range(28, 60);
        Cloud(cr, dice.Range(0, w), dice.Range(s, h * 0.55), s);
        Set(cr, Hex(0xFFFFFF, dice.Range(0.55, 0.9)));
        cairo_fill(cr);
    }
}

void Hills(cairo_t* cr, int w, int h, double y, uint32_t seed) {
    Dice dice(seed);
    const uint32_t colours[] = {0x9BE56B, Theme::kGrass, 0x5CC44A};
    for (int layer = 0; layer < 3; ++layer) {
        const double base = y + layer * 22;
        const double phase = dice.Range(0, 2 * kPi), period = dice.Range(140, 260);
        cairo_move_to(cr, 0, h);
        for (int x = 0; x <= w; x += 4)
            cairo_line_to(cr, x, base + 14 * std::sin(x / period * 2 * kPi + phase));
        cairo_line_to(cr, w, h);
        cairo_close_path(cr);
        FillStroke(cr, Hex(colours[layer]), Darker(Hex(colours[layer]), 0.25), 2);
    }
}

void Confetti(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t seed, double alpha) {
    Dice dice(seed);
    const uint32_t colours[] = {Theme::kSun,    Theme::kCoral, Theme::kMint,
                                Theme::kPurple, Theme::kPink,  0xFFFFFF};
    for (int i = 0; i < count; ++i) {
        const double cx = x + dice.Range(0, w), cy = y + dice.Range(0, h);
        const Colour c = Hex(colours[dice.Pick(6)], alpha);
        if (dice.Pick(3) == 0) {
            Star(cr, cx, cy, dice.Range(4, 8), dice.Range(2, 3.5), 5, dice.Range(0, kPi));
            Set(cr, c);
            cairo_fill(cr);
        } else {
            Circle(cr, cx, cy, dice.Range(1.5, 3.5));
            Set(cr, c);
            cairo_fill(cr);
        }
    }
}

void Night(cairo_t* cr, int w, int h, uint32_t seed) {
    VGradient(cr, 0, h, Hex(0x141B38), Hex(0x3B2F6B));
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    Dice dice(seed);
    for (int i = 0; i < 140; ++i) {
        Circle(cr, dice.Range(0, w), dice.Range(0, h), dice.Range(0.5, 1.6));
        Set(cr, Hex(0xFFFFFF, dice.Range(0.3, 0.9)));
        cairo_fill(cr);
    }
    for (int i = 0; i < 10; ++i)
        Twinkle(cr, dice.Range(0, w), dice.Range(0, h), dice.Range(4, 8), Hex(0xFFF4C2, 0.9));
}

void MiniPicture(cairo_t* cr, double x, double y, double w, double h, int variant) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w / 100.0, h / 75.0);
    const uint32_t skies[] = {0x8FDDFB, 0xFFC9A8, 0xB8E8FF, 0xC9B8FF};
    VGradient(cr, 0, 75, Hex(skies[variant % 4]), Hex(0xFFFFFF));
    cairo_paint(cr);
    // Sun, or a moon in the evening variant
    Circle(cr, variant % 3 == 1 ? 20 : 80, 16, 9);
    FillStroke(cr, Hex(variant % 4 == 3 ? 0xFFF4C2 : Theme::kSun), Hex(Theme::kInk), 1.2);
    if (variant % 2 == 0) {
        Cloud(cr, 40, 16, 10);
        Set(cr, Hex(0xFFFFFF, 0.95));
        cairo_fill(cr);
    }
    // Ground
    cairo_move_to(cr, 0, 55);
    cairo_curve_to(cr, 30, 48, 70, 60, 100, 52);
    cairo_line_to(cr, 100, 75);
    cairo_line_to(cr, 0, 75);
    cairo_close_path(cr);
    FillStroke(cr, Hex(Theme::kGrass), Hex(Theme::kInk), 1.2);
    // House
    cairo_rectangle(cr, 22, 38, 26, 20);
    FillStroke(cr, Hex(variant % 2 ? 0xFFE3A3 : Theme::kCream), Hex(Theme::kInk), 1.2);
    cairo_move_to(cr, 18, 39);
    cairo_line_to(cr, 35, 25);
    cairo_line_to(cr, 52, 39);
    cairo_close_path(cr);
    FillStroke(cr, Hex(variant % 3 == 2 ? Theme::kBlue : Theme::kCoral), Hex(Theme::kInk), 1.2);
    cairo_rectangle(cr, 31, 47, 8, 11);
    FillStroke(cr, Hex(0xA0522D), Hex(Theme::kInk), 1);
    if (variant % 4 != 1) {
        cairo_rectangle(cr, 25, 42, 5, 5);
        FillStroke(cr, Hex(0x9AD9FF), Hex(Theme::kInk), 0.8);
    }
    // Tree
    cairo_rectangle(cr, 72, 42, 5, 14);
    FillStroke(cr, Hex(0xA0522D), Hex(Theme::kInk), 1);
    Circle(cr, 74.5, 36, 11);
    FillStroke(cr, Hex(variant % 4 == 2 ? 0xFF9F1C : 0x4CB944), Hex(Theme::kInk), 1.2);
    if (variant % 3 == 0) {
        Circle(cr, 70, 34, 2.2);
        Circle(cr, 79, 38, 2.2);
        Set(cr, Hex(0xE63946));
        cairo_fill(cr);
    }
    // Flowers
    for (int i = 0; i < 3 + variant % 3; ++i) {
        Circle(cr, 8 + i * 9, 66 + (i % 2) * 3, 2);
        Set(cr, Hex(i % 2 ? Theme::kPink : 0xFFFFFF));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void GameLogo(cairo_t* cr, double cx, double cy, double size) {
    const char* letters[] = {"Z", "O", "R"};
    const uint32_t colours[] = {Theme::kCoral, Theme::kSun, Theme::kBlue};
    const double step = size * 0.78;
    for (int i = 0; i < 3; ++i) {
        const double x = cx + (i - 1) * step;
        const double y = cy + (i == 1 ? -size * 0.06 : size * 0.03);
        TextStyle s;
        s.font = Theme::kDisplayFont;
        s.size = size * 1.25;
        s.gradient = true;
        s.fill = Lighter(Hex(colours[i]), 0.35);
        s.fillBottom = Darker(Hex(colours[i]), 0.05);
        s.outline = Hex(Theme::kInk);
        s.outlineWidth = size * 0.13;
        s.shadow = size * 0.07;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, (i - 1) * 0.09);
        Text(cr, letters[i], 0, 0, s);
        cairo_restore(cr);
    }
    // The O is a magnifying glass: a handle and a glint.
    const double ox = cx, oy = cy - size * 0.06;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, ox + size * 0.28, oy + size * 0.3);
    cairo_line_to(cr, ox + size * 0.5, oy + size * 0.56);
    cairo_set_line_width(cr, size * 0.2);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, size * 0.1);
    Set(cr, Hex(0xA0522D));
    cairo_stroke(cr);
    Twinkle(cr, ox - size * 0.12, oy - size * 0.14, size * 0.12, Hex(0xFFFFFF, 0.95));
}

void PlayFrame(cairo_t* cr) {
    // Bars
    DottedFill(cr, 0, 0, kScreenW, kFrameTop, Theme::kFrame);
    DottedFill(cr, 0, kFrameTop, kFrameLeft, kFrameBottom - kFrameTop, Theme::kFrame);
    DottedFill(cr, kFrameRight, kFrameTop, kScreenW - kFrameRight, kFrameBottom - kFrameTop, Theme::kFrame);
    DottedFill(cr, 0, kFrameBottom, kScreenW, 60, Theme::kFrameDark);
    // A bright rim around the picture windows.
    cairo_set_line_width(cr, 2);
    Set(cr, Hex(Theme::kInk));
    cairo_rectangle(cr, kFrameLeft - 1, kFrameTop - 1, kFrameRight - kFrameLeft + 2,
                    kFrameBottom - kFrameTop + 2);
    cairo_stroke(cr);
    // Title tab in the top bar.
    TextStyle small;
    small.size = 13;
    small.fill = Hex(0xFFFFFF);
    small.outline = Hex(Theme::kInk);
    small.outlineWidth = 2.5;
    const Words heading{"다른 곳 다섯 군데를 찾아라!", "Find the five differences!"};
    Text(cr, heading, 160, 10, small);
    Text(cr, heading, 469, 10, small);
    // Divider between the pictures: a candy stick with a cap over the top bar.
    const double dx = kDividerX, dw = kDividerW;
    cairo_rectangle(cr, dx, kDividerTop + 4, dw, kFrameBottom - kDividerTop - 4);
    cairo_pattern_t* p = cairo_pattern_create_linear(dx, 0, dx + dw, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.95, 0.55, 0.2);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 1.0, 0.9, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.85, 0.45, 0.1);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1.5);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke(cr);
    RoundRect(cr, dx - 0.5, kDividerTop, dw + 1, 12, 3);
    FillStroke(cr, Hex(Theme::kCoral), Hex(Theme::kInk), 1.5);

    // Bottom bar: gauge wells, life trays, the counter badge.
    Well(cr, 16, 432, 208, 16, 7);
    Well(cr, 417, 432, 208, 16, 7);
    RoundRect(cr, 38, 453, 184, 24, 10);
    Set(cr, Hex(0xFFFFFF, 0.25));
    cairo_fill(cr);
    RoundRect(cr, 421, 453, 184, 24, 10);
    Set(cr, Hex(0xFFFFFF, 0.25));
    cairo_fill(cr);
    PlayerTag(cr, 20, 465, "1P", Theme::kCoral);
    PlayerTag(cr, 621, 465, "2P", Theme::kBlue);

    // Counter badge: the digit lands at (282, 433), 18 wide and 30 high.
    Circle(cr, 291, 448, 22);
    RGradient(cr, 286, 440, 26, Hex(0xFFFFFF), Hex(Theme::kCream));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke(cr);
    Circle(cr, 291, 448, 18);
    Set(cr, Hex(Theme::kSun));
    cairo_fill(cr);
    TextStyle label;
    label.size = 17;
    label.fill = Hex(Theme::kSun);
    label.outline = Hex(Theme::kInk);
    label.outlineWidth = 3;
    // The counter reads "남은 5 곳" in Korean and "5 left" in English, which has no word before it.
    Text(cr, Words{"남은", ""}, 238, 448, label, Align::Left);
    Text(cr, Words{"곳", "left"}, 318, 448, label, Align::Left);
    Star(cr, 378, 448, 11, 5, 5, 0.2);
    FillStroke(cr, Hex(Theme::kSun), Hex(Theme::kInk), 2);
    Star(cr, 400, 442, 6, 3, 5, -0.3);
    FillStroke(cr, Hex(Theme::kPink), Hex(Theme::kInk), 1.5);
}

} // namespace Scenery
