#include <cmath>

#include "tools/artgen/Art.h"
#include "tools/artgen/Scenery.h"

namespace Art {
namespace {
using namespace Paint;
constexpr double kPi = 3.14159265358979323846;
constexpr double kCardW = 60, kCardH = 75;
constexpr double kCx = kCardW / 2, kCy = kCardH / 2;

void CardShape(cairo_t* cr) {
    RoundRect(cr, 1.5, 1.5, kCardW - 3, kCardH - 3, 8);
}

void CardBack(cairo_t* cr, int design) {
    static constexpr uint32_t kColours[] = {Theme::kCoral,  Theme::kBlue, Theme::kMint, Theme::kPurple,
                                            Theme::kOrange, Theme::kPink, 0x4CB944};
    const Colour base = Hex(kColours[design]);
    CardShape(cr);
    FillStroke(cr, Hex(0xFFFFFF), Hex(Theme::kInk), 2.5);
    cairo_save(cr);
    RoundRect(cr, 6, 6, kCardW - 12, kCardH - 12, 5);
    cairo_clip_preserve(cr);
    VGradient(cr, 6, kCardH - 6, Lighter(base, 0.2), Darker(base, 0.1));
    cairo_fill(cr);
    Set(cr, Hex(0xFFFFFF, 0.35));
    switch (design % 4) {
    case 0:
        for (double x = -80; x < 80; x += 10) {
            cairo_move_to(cr, x, 0);
            cairo_line_to(cr, x + 80, kCardH);
        }
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
        break;
    case 1:
        for (double y = 8; y < kCardH; y += 10)
            for (double x = 8 + (int(y / 10) % 2) * 5; x < kCardW; x += 10) Circle(cr, x, y, 2.2);
        cairo_fill(cr);
        break;
    case 2:
        for (double y = 6; y < kCardH; y += 8)
            for (double x = 6 + (int(y / 8) % 2) * 8; x < kCardW; x += 16) cairo_rectangle(cr, x, y, 8, 8);
        cairo_fill(cr);
        break;
    default:
        for (double y = 10; y < kCardH; y += 12) {
            cairo_move_to(cr, 0, y);
            for (double x = 0; x <= kCardW; x += 2) cairo_line_to(cr, x, y + 3 * std::sin(x / 5));
        }
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        break;
    }
    cairo_restore(cr);
    // The game's mark in the middle: a question mark in a circle.
    Circle(cr, kCx, kCy, 13);
    FillStroke(cr, Hex(0xFFFFFF), Hex(Theme::kInk), 2);
    TextStyle q;
    q.size = 20;
    q.fill = base;
    q.outline = Hex(Theme::kInk);
    q.outlineWidth = 2;
    Text(cr, design < 4 ? "?" : "!", kCx, kCy, q);
}

// The nine pictures of the card faces, centred at (kCx, kCy).
void Icon(cairo_t* cr, int id) {
    const Colour ink = Hex(Theme::kInk);
    switch (id) {
    case 0: // apple
        Circle(cr, kCx - 6, kCy + 3, 12);
        Circle(cr, kCx + 6, kCy + 3, 12);
        FillStroke(cr, Hex(0xE63946), ink, 2);
        cairo_move_to(cr, kCx, kCy - 8);
        cairo_line_to(cr, kCx + 2, kCy - 16);
        cairo_set_line_width(cr, 2.5);
        Set(cr, Hex(0x8B5A2B));
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, kCx + 8, kCy - 14);
        cairo_scale(cr, 1, 0.5);
        Circle(cr, 0, 0, 6);
        cairo_restore(cr);
        FillStroke(cr, Hex(0x4CB944), ink, 1.5);
        break;
    case 1: // star
        Star(cr, kCx, kCy + 1, 19, 8, 5, 0);
        FillStroke(cr, Hex(Theme::kSun), ink, 2);
        break;
    case 2: // heart
        Heart(cr, kCx, kCy + 2, 34);
        FillStroke(cr, Hex(Theme::kPink), ink, 2);
        break;
    case 3: // fish
        cairo_save(cr);
        cairo_translate(cr, kCx - 3, kCy);
        cairo_scale(cr, 1.3, 0.8);
        Circle(cr, 0, 0, 12);
        cairo_restore(cr);
        cairo_move_to(cr, kCx + 10, kCy);
        cairo_line_to(cr, kCx + 22, kCy - 9);
        cairo_line_to(cr, kCx + 22, kCy + 9);
        cairo_close_path(cr);
        FillStroke(cr, Hex(Theme::kBlue), ink, 2);
        Circle(cr, kCx - 11, kCy - 2, 2.2);
        Set(cr, ink);
        cairo_fill(cr);
        break;
    case 4: // flower
        for (int p = 0; p < 5; ++p) {
            const double a = p * 2 * kPi / 5;
            Circle(cr, kCx + 10 * std::cos(a), kCy + 10 * std::sin(a), 7.5);
        }
        FillStroke(cr, Hex(Theme::kPurple), ink, 2);
        Circle(cr, kCx, kCy, 6);
        FillStroke(cr, Hex(Theme::kSun), ink, 1.5);
        break;
    case 5: // sun
        for (int r = 0; r < 8; ++r) {
            const double a = r * kPi / 4;
            cairo_move_to(cr, kCx + 14 * std::cos(a), kCy + 14 * std::sin(a));
            cairo_line_to(cr, kCx + 21 * std::cos(a), kCy + 21 * std::sin(a));
        }
        cairo_set_line_width(cr, 3);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        Set(cr, Hex(Theme::kOrange));
        cairo_stroke(cr);
        Circle(cr, kCx, kCy, 11);
        FillStroke(cr, Hex(Theme::kSun), ink, 2);
        break;
    case 6: // moon
        cairo_new_sub_path(cr);
        cairo_arc(cr, kCx, kCy, 16, 0.9, 2 * kPi - 0.9);
        cairo_arc_negative(cr, kCx + 8, kCy - 2, 12, 2 * kPi - 1.6, 1.6);
        cairo_close_path(cr);
        FillStroke(cr, Hex(0xFFE08A), ink, 2);
        break;
    case 7: // cat face
        cairo_move_to(cr, kCx - 15, kCy - 4);
        cairo_line_to(cr, kCx - 13, kCy - 20);
        cairo_line_to(cr, kCx - 3, kCy - 11);
        cairo_line_to(cr, kCx + 3, kCy - 11);
        cairo_line_to(cr, kCx + 13, kCy - 20);
        cairo_line_to(cr, kCx + 15, kCy - 4);
        cairo_close_path(cr);
        Circle(cr, kCx, kCy + 1, 15);
        FillStroke(cr, Hex(Theme::kOrange), ink, 2);
        Circle(cr, kCx - 6, kCy - 1, 2.2);
        Circle(cr, kCx + 6, kCy - 1, 2.2);
        Set(cr, ink);
        cairo_fill(cr);
        Heart(cr, kCx, kCy + 5, 6);
        Set(cr, Hex(Theme::kPink));
        cairo_fill(cr);
        break;
    default: // mushroom
        cairo_new_sub_path(cr);
        cairo_arc(cr, kCx, kCy + 2, 18, kPi, 2 * kPi);
        cairo_close_path(cr);
        FillStroke(cr, Hex(0xE63946), ink, 2);
        RoundRect(cr, kCx - 7, kCy + 2, 14, 16, 5);
        FillStroke(cr, Hex(Theme::kCream), ink, 2);
        Circle(cr, kCx - 8, kCy - 7, 3);
        Circle(cr, kCx + 6, kCy - 10, 3.5);
        Set(cr, Hex(0xFFFFFF));
        cairo_fill(cr);
        break;
    }
}

void CardFace(cairo_t* cr, int id, bool matched) {
    CardShape(cr);
    if (matched) {
        VGradient(cr, 0, kCardH, Hex(0xFFF1A0), Hex(Theme::kSun));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 3);
        Set(cr, Hex(Theme::kInk));
        cairo_stroke(cr);
        RoundRect(cr, 5, 5, kCardW - 10, kCardH - 10, 5);
        cairo_set_line_width(cr, 1.5);
        Set(cr, Hex(0xFFFFFF, 0.9));
        cairo_stroke(cr);
        Twinkle(cr, 48, 12, 5, Hex(0xFFFFFF));
        Twinkle(cr, 12, 63, 4, Hex(0xFFFFFF));
    } else {
        FillStroke(cr, Hex(0xFFFDF5), Hex(Theme::kInk), 2.5);
    }
    Icon(cr, id);
    if (matched) {
        Circle(cr, 48, 63, 8);
        FillStroke(cr, Hex(0x4CB944), Hex(Theme::kInk), 1.5);
        cairo_move_to(cr, 44, 63);
        cairo_line_to(cr, 47, 66);
        cairo_line_to(cr, 52, 59);
        cairo_set_line_width(cr, 2);
        Set(cr, Hex(0xFFFFFF));
        cairo_stroke(cr);
    }
}

// Table cloths that tile seamlessly every 120x80 pixels.
void Cloth(cairo_t* cr, int design) {
    constexpr double kW = 120, kH = 80;
    static constexpr uint32_t kBase[] = {0x3FA34D, 0xFFF3E0, 0x5C7CFA, 0xC98B5A, 0x7E57C2};
    Set(cr, Hex(kBase[design]));
    cairo_paint(cr);
    switch (design) {
    case 0: // felt with diamonds
        Set(cr, Hex(0xFFFFFF, 0.12));
        for (double y = 0; y <= kH; y += 40)
            for (double x = 0; x <= kW; x += 40) {
                cairo_move_to(cr, x, y - 8);
                cairo_line_to(cr, x + 8, y);
                cairo_line_to(cr, x, y + 8);
                cairo_line_to(cr, x - 8, y);
                cairo_close_path(cr);
            }
        cairo_fill(cr);
        break;
    case 1: // gingham
        Set(cr, Hex(Theme::kCoral, 0.35));
        for (double x = 0; x < kW; x += 20) cairo_rectangle(cr, x, 0, 10, kH);
        cairo_fill(cr);
        Set(cr, Hex(Theme::kCoral, 0.35));
        for (double y = 0; y < kH; y += 20) cairo_rectangle(cr, 0, y, kW, 10);
        cairo_fill(cr);
        break;
    case 2: // polka dots
        Set(cr, Hex(0xFFFFFF, 0.3));
        for (double y = 0; y <= kH; y += 20)
            for (double x = (int(y / 20) % 2) * 10; x <= kW; x += 20) Circle(cr, x, y, 4);
        cairo_fill(cr);
        break;
    case 3: // wooden planks
        for (double y = 0; y < kH; y += 20) {
            cairo_rectangle(cr, 0, y + 19, kW, 1.5);
            Set(cr, Hex(0x7A4B2A, 0.8));
            cairo_fill(cr);
            const double joint = std::fmod(y * 1.7, kW);
            cairo_rectangle(cr, joint, y, 1.5, 20);
            cairo_fill(cr);
            cairo_move_to(cr, 0, y + 8);
            cairo_curve_to(cr, 40, y + 5, 80, y + 11, kW, y + 8);
            cairo_set_line_width(cr, 1);
            Set(cr, Hex(0xFFFFFF, 0.15));
            cairo_stroke(cr);
        }
        break;
    default: // starry purple
        for (int i = 0; i < 6; ++i) {
            const double x = 10 + i * 20, y = (i % 2) ? 20 : 60;
            Star(cr, x, y, 6, 2.8, 5, i * 0.4);
        }
        Set(cr, Hex(Theme::kSun, 0.45));
        cairo_fill(cr);
        break;
    }
}
} // namespace

void BonusBk(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { CardBack(c, i); });
}

void BonusFt1(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { CardFace(c, i, false); });
}

void BonusFt2(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { CardFace(c, i, true); });
}

void BonusBack(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { Cloth(c, i); });
}

} // namespace Art
