#include <cmath>

#include "tools/artgen/Art.h"
#include "tools/artgen/Scenery.h"

namespace Art {
namespace {
using namespace Paint;
constexpr double kPi = 3.14159265358979323846;
// Where the game tests a pen: its tip lies at this point of every pen cell.
constexpr double kTipX = 23, kTipY = 18;
constexpr int kIdleFrames = 4;
constexpr double kPenAngle = 0.66; // radians below the horizontal, pointing back from the tip

struct PlayerLook {
    uint32_t body;
    uint32_t stripe;
    const char* label;
};
constexpr PlayerLook kPlayer1{Theme::kCoral, 0xFFD6D6, "1"};
constexpr PlayerLook kPlayer2{Theme::kBlue, 0xD3E4FF, "2"};

// A pencil lying along +x from its tip at the origin.
void Pencil(cairo_t* cr, const PlayerLook& look) {
    constexpr double kHalf = 6.5, kCone = 13, kBody = 38, kFerrule = 44, kEnd = 51;
    const Colour ink = Hex(Theme::kInk);
    // Eraser
    RoundRect(cr, kFerrule - 2, -kHalf, kEnd - kFerrule + 2, 2 * kHalf, 4);
    FillStroke(cr, Hex(Theme::kPink), ink, 2);
    // Ferrule
    cairo_rectangle(cr, kBody, -kHalf, kFerrule - kBody, 2 * kHalf);
    VGradient(cr, -kHalf, kHalf, Hex(0xE8ECF5), Hex(0x9AA3B8));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    Set(cr, ink);
    cairo_stroke(cr);
    // Body with a light stripe
    cairo_rectangle(cr, kCone, -kHalf, kBody - kCone, 2 * kHalf);
    VGradient(cr, -kHalf, kHalf, Lighter(Hex(look.body), 0.25), Darker(Hex(look.body), 0.15));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    Set(cr, ink);
    cairo_stroke(cr);
    cairo_rectangle(cr, kCone + 1, -kHalf + 2, kBody - kCone - 2, 2.2);
    Set(cr, Hex(look.stripe, 0.8));
    cairo_fill(cr);
    // Wooden cone and the lead
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, kCone, -kHalf);
    cairo_line_to(cr, kCone, kHalf);
    cairo_close_path(cr);
    FillStroke(cr, Hex(0xF6D7A7), ink, 2);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 5, -2.5);
    cairo_line_to(cr, 5, 2.5);
    cairo_close_path(cr);
    FillStroke(cr, Hex(look.body == kPlayer1.body ? 0xC0392B : 0x1D4ED8), ink, 1.2);
    // Player number on the body
    TextStyle s;
    s.font = Theme::kDisplayFont;
    s.size = 11;
    s.fill = Hex(0xFFFFFF);
    s.outline = ink;
    s.outlineWidth = 2;
    Text(cr, look.label, (kCone + kBody) / 2 + 1, 0.5, s);
}

void DrawPen(cairo_t* cr, int frame, const PlayerLook& look) {
    double angle = kPenAngle;
    if (frame < kIdleFrames) {
        static constexpr double kWobble[kIdleFrames] = {0, 0.06, 0, -0.06};
        angle += kWobble[frame];
    } else {
        const int j = frame - kIdleFrames;
        angle += 0.14 * std::sin(j * kPi / 3);
        // A ring of stars bursting out of the tip.
        const double r = 9 + 2.6 * j;
        const double size = j < 6 ? 4.5 : 4.5 - (j - 5) * 1.1;
        for (int s = 0; s < 6; ++s) {
            const double a = s * kPi / 3 + j * 0.25;
            Star(cr, kTipX + r * std::cos(a), kTipY + r * std::sin(a), size, size * 0.45, 5, a);
            FillStroke(cr, Hex(s % 2 ? Theme::kSun : 0xFFFFFF), Hex(Theme::kInk), 1);
        }
    }
    cairo_save(cr);
    cairo_translate(cr, kTipX, kTipY);
    cairo_rotate(cr, angle);
    Pencil(cr, look);
    cairo_restore(cr);
    if (frame < kIdleFrames && frame % 2 == 1) Twinkle(cr, kTipX - 6, kTipY - 7, 4, Hex(0xFFFFFF));
}

// A twinkle with a dark rim, so that it reads on light pictures too.
void OutlinedTwinkle(cairo_t* cr, double cx, double cy, double r, const Colour& c) {
    Twinkle(cr, cx, cy, r + 1.8, Hex(Theme::kInk));
    Twinkle(cr, cx, cy, r, c);
}

// A found mark: a ring around the pen tip with sparkles running round it.
void FoundMark(cairo_t* cr, int frame, uint32_t colour) {
    static constexpr double kPulse[] = {0, 0.6, 1.2, 1.6, 1.2, 0.6, 0, -0.4, 0.3, 0.9};
    const double r = 13.5 + kPulse[frame % 10];
    Circle(cr, kTipX, kTipY, r);
    cairo_set_line_width(cr, 7);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4);
    Set(cr, Hex(colour));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    Set(cr, Lighter(Hex(colour), 0.6));
    cairo_stroke(cr);
    for (int s = 0; s < 2; ++s) {
        const double a = frame * kPi / 4 + s * kPi;
        OutlinedTwinkle(cr, kTipX + r * std::cos(a), kTipY + r * std::sin(a), 6, Hex(Theme::kSun));
    }
}

void Cross(cairo_t* cr, double cx, double cy, double arm, double rotation, uint32_t colour) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, rotation);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, -arm, -arm);
        cairo_line_to(cr, arm, arm);
        cairo_move_to(cr, arm, -arm);
        cairo_line_to(cr, -arm, arm);
        cairo_set_line_width(cr, pass ? 4.5 : 8.5);
        Set(cr, pass ? Hex(colour) : Hex(Theme::kInk));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void PointerHand(cairo_t* cr, uint32_t colour) {
    // An arrow pointer whose point is the cell's top-left corner.
    cairo_move_to(cr, 1, 1);
    cairo_line_to(cr, 13, 13);
    cairo_line_to(cr, 8, 14);
    cairo_line_to(cr, 11, 22);
    cairo_line_to(cr, 7.5, 24);
    cairo_line_to(cr, 4.5, 16);
    cairo_line_to(cr, 1, 19);
    cairo_close_path(cr);
    FillStroke(cr, Hex(colour), Hex(Theme::kInk), 1.5);
}

void CardTag(cairo_t* cr, uint32_t colour, const char* label) {
    // A bookmark ribbon hanging from the card's top-left corner.
    cairo_move_to(cr, 1.5, 0);
    cairo_line_to(cr, 13.5, 0);
    cairo_line_to(cr, 13.5, 24);
    cairo_line_to(cr, 7.5, 19);
    cairo_line_to(cr, 1.5, 24);
    cairo_close_path(cr);
    FillStroke(cr, Hex(colour), Hex(Theme::kInk), 1.5);
    TextStyle s;
    s.font = Theme::kDisplayFont;
    s.size = 12;
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = 2;
    Text(cr, label, 7.5, 9, s);
}
} // namespace

void CheckYes(cairo_t* cr, const AssetSpec& spec) {
    // Drawn 8 pixels above and left of the difference's corner: a blinking dashed ring with a tag.
    ForEachCell(cr, spec, [](cairo_t* c, int i) {
        const uint32_t colour = i == 0 ? Theme::kSun : Theme::kOrange;
        Circle(c, 33, 29, 23);
        cairo_set_line_width(c, 7);
        Set(c, Hex(Theme::kInk));
        const double dash[] = {9, 5};
        cairo_set_dash(c, dash, 2, i * 3.0);
        cairo_stroke_preserve(c);
        cairo_set_line_width(c, 4);
        Set(c, Hex(colour));
        cairo_stroke(c);
        cairo_set_dash(c, nullptr, 0, 0);
        Circle(c, 57, 11, 9);
        FillStroke(c, Hex(colour), Hex(Theme::kInk), 2);
        TextStyle s;
        s.size = 14;
        s.fill = Hex(Theme::kInk);
        Text(c, "!", 57, 11, s);
    });
}

void CheckYes1P(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { FoundMark(c, i, Theme::kCoral); });
}

void CheckYes2P(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { FoundMark(c, i, Theme::kBlue); });
}

void CheckNo(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) {
        Cross(c, kTipX, kTipY, 11, i ? 0.18 : -0.1, i ? Theme::kOrange : 0xE63946);
        for (int s = 0; s < 3; ++s) {
            const double a = -kPi / 2 + (s - 1) * 0.7 + i * 0.3;
            OutlinedTwinkle(c, kTipX + 19 * std::cos(a), kTipY + 5 + 19 * std::sin(a), 4.5, Hex(Theme::kSun));
        }
    });
}

void Pen1P(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { DrawPen(c, i, kPlayer1); });
}

void Pen2P(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { DrawPen(c, i, kPlayer2); });
}

void BonusHd(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) {
        const uint32_t colour = i % 2 ? Theme::kBlue : Theme::kCoral;
        if (i < 2)
            PointerHand(c, colour);
        else
            CardTag(c, colour, i == 2 ? "1" : "2");
    });
}

} // namespace Art
