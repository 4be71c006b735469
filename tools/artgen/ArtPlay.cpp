#include <cmath>

#include "tools/artgen/Art.h"
#include "tools/artgen/Scenery.h"

namespace Art {
namespace {
using namespace Paint;

// Draws the part of the play frame that lies under a picture placed at (x, y) on the screen.
void FramePiece(cairo_t* cr, double x, double y) {
    cairo_save(cr);
    cairo_translate(cr, -x, -y);
    Scenery::PlayFrame(cr);
    cairo_restore(cr);
}

// One gauge frame: a flame bar 202x12 whose tongues move with the frame number.
void GaugeBar(cairo_t* cr, double x, double y, int frame, Colour hot, Colour mid, Colour tip) {
    constexpr double kW = 202, kH = 12;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, kW, kH);
    cairo_clip(cr);
    VGradient(cr, y, y + kH, mid, hot);
    cairo_paint(cr);
    // Flame tongues leaning back, shifted a little every frame.
    const double shift = frame * 6.0;
    for (double t = -24 + std::fmod(shift, 24.0); t < kW + 24; t += 24) {
        cairo_move_to(cr, x + t, y + kH);
        cairo_curve_to(cr, x + t + 4, y + 6, x + t + 10, y + 6, x + t + 14, y - 1);
        cairo_curve_to(cr, x + t + 14, y + 5, x + t + 20, y + 8, x + t + 22, y + kH);
        cairo_close_path(cr);
    }
    Set(cr, tip);
    cairo_fill(cr);
    // A bright core line and sparks.
    cairo_rectangle(cr, x, y + 4, kW, 2);
    Set(cr, Colour{1, 1, 0.9, 0.55});
    cairo_fill(cr);
    for (int i = 0; i < 8; ++i) {
        const double sx = std::fmod(i * 29.0 + frame * 11.0, kW);
        Circle(cr, x + sx, y + 2 + (i % 3) * 3, 1.2);
    }
    Set(cr, Colour{1, 1, 1, 0.9});
    cairo_fill(cr);
    cairo_restore(cr);
}

void Digit(cairo_t* cr, int d) {
    // Each glyph stands in the left half of its cell, since digits are drawn half a cell apart.
    TextStyle s;
    s.font = Theme::kDisplayFont;
    s.size = 34;
    s.gradient = true;
    s.fill = Hex(0xFFFFFF);
    s.fillBottom = Hex(0xFFE27A);
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = 4;
    s = Fit(cr, "0", s, 18);
    Text(cr, std::to_string(d), 9, 15.5, s);
}

void GameOverPlate(cairo_t* cr, double x, double y, double w, double h, const char* who, uint32_t colour) {
    CandyPanel(cr, x, y, w, h, 12, Hex(0x8A8FA8), Hex(Theme::kInk), 2.5);
    RoundRect(cr, x + 8, y + h / 2 - 12, 40, 24, 8);
    FillStroke(cr, Hex(colour), Hex(Theme::kInk), 2);
    TextStyle tag;
    tag.size = 16;
    tag.outline = Hex(Theme::kInk);
    tag.outlineWidth = 3;
    Text(cr, who, x + 28, y + h / 2, tag);
    TextStyle s;
    s.size = 24;
    s.fill = Hex(0xFFFFFF);
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = 4;
    s.shadow = 2;
    Text(cr, Words{"게임 오버", "GAME OVER"}, x + 56 + (w - 64) / 2, y + h / 2 - 1, s);
    Heart(cr, x + w - 16, y + 14, 14);
    FillStroke(cr, Hex(0xB0B4C8), Hex(Theme::kInk), 1.5);
    cairo_move_to(cr, x + w - 19, y + 8);
    cairo_line_to(cr, x + w - 15, y + 14);
    cairo_line_to(cr, x + w - 18, y + 18);
    cairo_set_line_width(cr, 1.5);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke(cr);
}
} // namespace

void BackUp(cairo_t* cr, const AssetSpec&) {
    FramePiece(cr, 0, 0);
}
void BackLeft(cairo_t* cr, const AssetSpec&) {
    FramePiece(cr, 0, 20);
}
void BackRight(cairo_t* cr, const AssetSpec&) {
    FramePiece(cr, 620, 20);
}
void BackBottom(cairo_t* cr, const AssetSpec&) {
    FramePiece(cr, 0, 420);
}

void BackEtc(cairo_t* cr, const AssetSpec&) {
    // The divider drawn alone: its cap sits over the top bar, which shows around it.
    FramePiece(cr, 310, 12);
}

void FireGage(cairo_t* cr, const AssetSpec& spec) {
    VGradient(cr, 0, spec.height, Hex(0x2A3158), Hex(0x1C2541));
    cairo_paint(cr);
    TextStyle s;
    s.size = 11;
    s.fill = Hex(0xFFFFFF);
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = 2;
    Text(cr, Words{"1P 시간", "1P Time"}, 12, 9, s, Align::Left);
    Text(cr, Words{"2P 시간", "2P Time"}, 12, 104, s, Align::Left);
    for (int k = 0; k < 6; ++k) {
        GaugeBar(cr, 11, 18 + 13 * k, k, Hex(0xE8431A), Hex(0xFF9F1C), Hex(0xFFD23F));
        GaugeBar(cr, 11, 113 + 13 * k, k, Hex(0x2E5BFF), Hex(0x4DC9FF), Hex(0xB8F1FF));
    }
}

void Number(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { Digit(c, i); });
}

void Life(cairo_t* cr, const AssetSpec&) {
    Heart(cr, 8, 10.5, 17);
    VGradient(cr, 2, 18, Hex(0xFF8A8A), Hex(0xE63946));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.6);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke(cr);
    Circle(cr, 5, 7, 1.8);
    Set(cr, Hex(0xFFFFFF, 0.9));
    cairo_fill(cr);
}

void GameOver1(cairo_t* cr, const AssetSpec& spec) {
    FramePiece(cr, 0, 427);
    GameOverPlate(cr, 3, 3, spec.width - 7, spec.height - 6, "1P", Theme::kCoral);
}

void GameOver2(cairo_t* cr, const AssetSpec& spec) {
    FramePiece(cr, 371, 426);
    GameOverPlate(cr, 42, 3, spec.width - 45, spec.height - 6, "2P", Theme::kBlue);
}

} // namespace Art
