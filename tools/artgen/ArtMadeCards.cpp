// The selection screen's cards for the entries of made pairs, shown in the preview frame in place of a
// pack's first picture: today's pack (a calendar page with a star) and endless play (two pictures on a
// figure-of-eight path).
#include <cmath>
#include <numbers>

#include "tools/artgen/Art.h"
#include "tools/artgen/Scenery.h"

namespace Art {
namespace {
using namespace Paint;

constexpr double kCardW = 320, kCardH = 240;

void CardBackground(cairo_t* cr, uint32_t top, uint32_t bottom, uint32_t seed) {
    cairo_rectangle(cr, 0, 0, kCardW, kCardH);
    VGradient(cr, 0, kCardH, Hex(top), Hex(bottom));
    cairo_fill(cr);
    Scenery::Confetti(cr, 0, 0, kCardW, kCardH, 30, seed, 0.7);
}

void CardTitle(cairo_t* cr, const Words& words, double cy) {
    TextStyle s;
    s.size = 34;
    s.gradient = true;
    s.fill = Hex(0xFFFFFF);
    s.fillBottom = Hex(0xFFF1B8);
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = 5;
    Text(cr, words, kCardW / 2, cy, Fit(cr, words, s, kCardW - 30));
}

void Caption(cairo_t* cr, const Words& words, double cy) {
    TextStyle s;
    s.size = 17;
    s.fill = Hex(Theme::kInk);
    RoundRect(cr, 40, cy - 14, kCardW - 80, 28, 14);
    FillStroke(cr, Hex(0xFFFFFF, 0.85), Hex(Theme::kInk), 2);
    Text(cr, words, kCardW / 2, cy, Fit(cr, words, s, kCardW - 100));
}

// A tear-off calendar page with two rings and a big star where the date would be.
void CalendarPage(cairo_t* cr, double cx, double cy) {
    const double w = 120, h = 104;
    RoundRect(cr, cx - w / 2, cy - h / 2, w, h, 12);
    FillStroke(cr, Hex(0xFFFFFF), Hex(Theme::kInk), 3);
    RoundRect(cr, cx - w / 2, cy - h / 2, w, 30, 12);
    FillStroke(cr, Hex(Theme::kCoral), Hex(Theme::kInk), 3);
    for (double dx : {-30.0, 30.0}) {
        RoundRect(cr, cx + dx - 5, cy - h / 2 - 10, 10, 22, 5);
        FillStroke(cr, Hex(Theme::kCream), Hex(Theme::kInk), 2);
    }
    Star(cr, cx, cy + 15, 30, 13, 5, 0);
    VGradient(cr, cy - 15, cy + 45, Hex(0xFFF1A0), Hex(Theme::kOrange));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2.5);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke(cr);
    Twinkle(cr, cx + 44, cy - 6, 7, Hex(Theme::kSun));
}

// Two picture frames on a figure-of-eight path: pairs that keep coming.
void EndlessLoop(cairo_t* cr, double cx, double cy) {
    cairo_new_path(cr);
    for (int i = 0; i <= 96; ++i) {
        const double t = 2 * std::numbers::pi * i / 96;
        const double d = 1 + std::sin(t) * std::sin(t);
        const double x = cx + 92 * std::cos(t) / d, y = cy + 70 * std::sin(t) * std::cos(t) / d;
        i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_set_line_width(cr, 16);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 10);
    Set(cr, Hex(Theme::kMint));
    cairo_stroke(cr);
    for (double dx : {-56.0, 56.0}) {
        RoundRect(cr, cx + dx - 22, cy - 17, 44, 34, 6);
        FillStroke(cr, Hex(dx < 0 ? Theme::kSun : Theme::kPink), Hex(Theme::kInk), 2.5);
        Circle(cr, cx + dx + 8, cy - 5, 5);
        FillStroke(cr, Hex(0xFFFFFF), Hex(Theme::kInk), 1.5);
    }
}
} // namespace

void LoadToday(cairo_t* cr, const AssetSpec&) {
    CardBackground(cr, Theme::kSkyTop, Theme::kSkyBottom, 31);
    CardTitle(cr, Words{"오늘의 팩", "Today's pack"}, 34);
    CalendarPage(cr, kCardW / 2, 124);
    Caption(cr, Words{"날마다 새 그림 열 장", "Ten new pictures a day"}, 208);
}

void LoadEndless(cairo_t* cr, const AssetSpec&) {
    CardBackground(cr, Theme::kPurple, Theme::kNight, 37);
    CardTitle(cr, Words{"끝없이 하기", "Endless play"}, 34);
    EndlessLoop(cr, kCardW / 2, 124);
    Caption(cr, Words{"목숨이 다할 때까지", "Until the lives are gone"}, 208);
}
} // namespace Art
