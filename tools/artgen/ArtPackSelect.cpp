#include "tools/artgen/Art.h"
#include "tools/artgen/Scenery.h"

namespace Art {
namespace {
using namespace Paint;

struct Button {
    int left, top, right, bottom;
};
// The seven buttons of the screen, inclusive rectangles: first, previous, next, last, one player,
// two players, back.
constexpr Button kButtons[] = {{16, 353, 55, 386},   {60, 353, 99, 386},  {272, 353, 311, 386},
                               {316, 353, 355, 386}, {15, 426, 204, 461}, {225, 426, 414, 461},
                               {435, 426, 624, 461}};
constexpr int kArrowButtons = 4;
constexpr Words kWideLabels[] = {
    {"혼자 하기", "One Player"}, {"둘이 하기", "Two Players"}, {"돌아가기", "Back"}};
const uint32_t kWideColours[] = {Theme::kCoral, Theme::kBlue, 0x9AA3B8};

// Arrow glyphs: kind 0 first, 1 previous, 2 next, 3 last.
void ArrowGlyph(cairo_t* cr, double cx, double cy, int kind, const Colour& fill) {
    const double dir = kind < 2 ? -1 : 1;
    const bool bar = kind == 0 || kind == 3;
    const double shift = bar ? -3 * dir : 0;
    cairo_move_to(cr, cx + shift + 7 * dir, cy);
    cairo_line_to(cr, cx + shift - 5 * dir, cy - 8);
    cairo_line_to(cr, cx + shift - 5 * dir, cy + 8);
    cairo_close_path(cr);
    if (bar) RoundRect(cr, cx + shift + 7 * dir - (dir > 0 ? 0 : 3), cy - 8, 3, 16, 1);
    FillStroke(cr, fill, Hex(Theme::kInk), 2);
}

void DrawButton(cairo_t* cr, int i, bool lit) {
    const Button& b = kButtons[i];
    const double w = b.right - b.left, h = b.bottom - b.top;
    if (i < kArrowButtons) {
        CandyPanel(cr, b.left + 1, b.top + 1, w - 2, h - 2, 10, Hex(lit ? Theme::kSun : Theme::kMint),
                   Hex(Theme::kInk), 2.5);
        ArrowGlyph(cr, b.left + w / 2, b.top + h / 2, i, lit ? Hex(Theme::kCoral) : Hex(0xFFFFFF));
        return;
    }
    const int k = i - kArrowButtons;
    CandyPanel(cr, b.left + 1, b.top + 1, w - 2, h - 2, h / 2, Hex(lit ? Theme::kSun : kWideColours[k]),
               Hex(Theme::kInk), lit ? 3 : 2.5);
    TextStyle s;
    s.size = 21;
    s.fill = Hex(lit ? Theme::kInk : 0xFFFFFF);
    s.outline = Hex(lit ? 0xFFFFFF : Theme::kInk);
    s.outlineWidth = lit ? 2.5 : 3.5;
    Text(cr, kWideLabels[k], b.left + w / 2, b.top + h / 2, s);
    if (lit) {
        Star(cr, b.left + 22, b.top + h / 2, 10, 4.5, 5, 0.2);
        FillStroke(cr, Hex(kWideColours[k]), Hex(Theme::kInk), 1.5);
        Star(cr, b.right - 22, b.top + h / 2, 10, 4.5, 5, -0.2);
        FillStroke(cr, Hex(kWideColours[k]), Hex(Theme::kInk), 1.5);
    }
}

void Panel(cairo_t* cr, double x, double y, double w, double h, const Colour& fill) {
    RoundRect(cr, x, y, w, h, 14);
    FillStroke(cr, fill, Hex(Theme::kInk), 3);
}

void Label(cairo_t* cr, const Words& text, double x, double cy, double size, Align align) {
    TextStyle s;
    s.size = size;
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = 3.5;
    Text(cr, text, x, cy, s, align);
}

// The whole screen with button `lit` highlighted (-1 for none).
void PackScreen(cairo_t* cr, int lit) {
    Scenery::Sky(cr, 640, 480, 17);
    Scenery::Hills(cr, 640, 480, 405, 23);
    Scenery::Confetti(cr, 0, 0, 640, 90, 24, 9, 0.8);
    // Heading
    RoundRect(cr, 150, 14, 340, 50, 25);
    FillStroke(cr, Hex(Theme::kOrange), Hex(Theme::kInk), 3.5);
    TextStyle head;
    head.size = 32;
    head.gradient = true;
    head.fill = Hex(0xFFFFFF);
    head.fillBottom = Hex(0xFFF1B8);
    head.outline = Hex(Theme::kInk);
    head.outlineWidth = 5;
    Text(cr, Words{"데이터 팩 고르기", "Choose a Pack"}, 320, 39, head);
    // Preview frame around (26,93)-(345,332)
    RoundRect(cr, 14, 81, 344, 264, 14);
    FillStroke(cr, Hex(0xFFFFFF), Hex(Theme::kInk), 3);
    cairo_rectangle(cr, 25, 92, 322, 242);
    FillStroke(cr, Hex(Theme::kNight), Hex(Theme::kInk), 2);
    Label(cr, {"미리 보기", "Preview"}, 186, 213, 22, Align::Center);
    // Info side: star tray and the text panel
    Panel(cr, 372, 92, 256, 92, Hex(Theme::kPurple));
    Label(cr, {"추천 별점", "Rating"}, 386, 114, 16, Align::Left);
    Panel(cr, 372, 196, 256, 190, Hex(Theme::kNight, 0.92));
    TextStyle small;
    small.size = 15;
    small.fill = Hex(Theme::kSun);
    Text(cr, Words{"팩 정보", "Pack Info"}, 390, 213, small, Align::Left);
    cairo_move_to(cr, 390, 224);
    cairo_line_to(cr, 610, 224);
    cairo_set_line_width(cr, 1.5);
    Set(cr, Hex(0xFFFFFF, 0.35));
    cairo_stroke(cr);
    // Paging strip between the arrows
    RoundRect(cr, 104, 355, 164, 30, 15);
    FillStroke(cr, Hex(0xFFFFFF, 0.85), Hex(Theme::kInk), 2.5);
    TextStyle page;
    page.size = 17;
    page.fill = Hex(Theme::kInk);
    Text(cr, Words{"다른 팩 보기", "More Packs"}, 186, 370, page);
    for (int i = 0; i < 7; ++i) DrawButton(cr, i, i == lit);
}

// Draws the highlight sprites of buttons [first, first + count) side by side, `stride` apart.
void HighlightSprites(cairo_t* cr, const AssetSpec& spec, int first) {
    ForEachCell(cr, spec, [first](cairo_t* c, int i) {
        const Button& b = kButtons[first + i];
        cairo_translate(c, -b.left, -b.top);
        PackScreen(c, first + i);
    });
}
} // namespace

void LoadBack(cairo_t* cr, const AssetSpec&) {
    PackScreen(cr, -1);
}

void LoadStar(cairo_t* cr, const AssetSpec& spec) {
    const double c = spec.width / 2.0;
    Star(cr, c, c + 1, 18.5, 8.5, 5, 0);
    VGradient(cr, 2, spec.height - 2, Hex(0xFFF1A0), Hex(Theme::kOrange));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke(cr);
    Twinkle(cr, c - 5, c - 3, 4, Hex(0xFFFFFF));
}

void LoadArrow(cairo_t* cr, const AssetSpec& spec) {
    HighlightSprites(cr, spec, 0);
}

void LoadBtn(cairo_t* cr, const AssetSpec& spec) {
    HighlightSprites(cr, spec, kArrowButtons);
}

} // namespace Art
