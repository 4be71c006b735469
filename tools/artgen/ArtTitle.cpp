#include "tools/artgen/Art.h"
#include "tools/artgen/Scenery.h"

namespace Art {
namespace {
using namespace Paint;
constexpr int kMenuX = 246, kMenuW = 163;
constexpr int kItemH = 30;
constexpr int kItemTops[] = {238, 273, 308, 343, 377};
constexpr int kLastTop = 413, kLastH = 22;
constexpr Words kItemTexts[] = {{"혼자 하기", "One Player"},
                                {"둘이 하기", "Two Players"},
                                {"이어 하기", "Continue"},
                                {"이야기 보기", "Story"},
                                {"그만 하기", "Quit"}};
const uint32_t kItemColours[] = {Theme::kCoral, Theme::kBlue, Theme::kMint, Theme::kPurple, 0x9AA3B8};

void MenuButton(cairo_t* cr, double y, double h, const Words& text, uint32_t colour, bool lit,
                double textSize) {
    const double x = kMenuX + 2, w = kMenuW - 4;
    if (lit) {
        RoundRect(cr, x - 1, y + 1, w + 2, h, h / 2);
        Set(cr, Hex(Theme::kInk, 0.35));
        cairo_fill(cr);
        CandyPanel(cr, x, y - 1, w, h, h / 2, Hex(Theme::kSun), Hex(Theme::kInk), 2.5);
        Star(cr, x + 16, y + h / 2 - 1, h * 0.36, h * 0.16, 5, 0.2);
        FillStroke(cr, Hex(colour), Hex(Theme::kInk), 1.5);
        Star(cr, x + w - 16, y + h / 2 - 1, h * 0.36, h * 0.16, 5, -0.2);
        FillStroke(cr, Hex(colour), Hex(Theme::kInk), 1.5);
    } else {
        CandyPanel(cr, x, y, w, h - 1, h / 2, Hex(colour), Hex(Theme::kInk), 2);
    }
    TextStyle s;
    s.size = textSize;
    s.fill = Hex(lit ? Theme::kInk : 0xFFFFFF);
    s.outline = Hex(lit ? 0xFFFFFF : Theme::kInk);
    s.outlineWidth = lit ? 2.5 : 3;
    Text(cr, text, kMenuX + kMenuW / 2.0, y + h / 2.0 - (lit ? 1 : 0.5), s);
}

// The whole title screen; `lit` is the highlighted item (-1 for none).
void TitleScreen(cairo_t* cr, int lit) {
    Scenery::Sky(cr, 640, 480, 7);
    Scenery::Hills(cr, 640, 480, 385, 11);
    Scenery::Confetti(cr, 0, 0, 640, 230, 40, 5, 0.8);
    // Picture cards on both sides: the same scene with small differences.
    for (int side = 0; side < 2; ++side) {
        const double x = side ? 452 : 38, y = 250;
        cairo_save(cr);
        cairo_translate(cr, x + 75, y + 60);
        cairo_rotate(cr, side ? 0.08 : -0.08);
        RoundRect(cr, -79, -64, 158, 128, 10);
        FillStroke(cr, Hex(0xFFFFFF), Hex(Theme::kInk), 3);
        Scenery::MiniPicture(cr, -70, -55, 140, 105, side ? 3 : 0);
        cairo_rectangle(cr, -70, -55, 140, 105);
        cairo_set_line_width(cr, 2);
        Set(cr, Hex(Theme::kInk));
        cairo_stroke(cr);
        if (side) {
            Circle(cr, 35, -40, 15);
            cairo_set_line_width(cr, 4);
            Set(cr, Hex(Theme::kCoral));
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }
    TextStyle q;
    q.size = 44;
    q.fill = Hex(Theme::kSun);
    q.outline = Hex(Theme::kInk);
    q.outlineWidth = 5;
    q.shadow = 3;
    Text(cr, "?", 203, 236, q);
    Text(cr, "!", 436, 236, q);

    Scenery::GameLogo(cr, 320, 92, 96);
    // Subtitle ribbon
    RoundRect(cr, 206, 156, 228, 30, 15);
    FillStroke(cr, Hex(Theme::kCoral), Hex(Theme::kInk), 3);
    TextStyle sub;
    sub.size = 21;
    sub.outline = Hex(Theme::kInk);
    sub.outlineWidth = 3.5;
    Text(cr, Words{"다른 그림 찾기 대작전", "Spot the Difference!"}, 320, 170.5, sub);

    // Menu board
    RoundRect(cr, kMenuX - 10, 228, kMenuW + 20, 216, 18);
    FillStroke(cr, Hex(0xFFFFFF, 0.55), Hex(Theme::kInk, 0.6), 2);
    for (int i = 0; i < 5; ++i)
        MenuButton(cr, kItemTops[i], kItemH, kItemTexts[i], kItemColours[i], lit == i, 19);
    MenuButton(cr, kLastTop, kLastH, {"데이터 팩 고르기", "Choose a Pack"}, Theme::kOrange, lit == 5, 15);
}
} // namespace

void Title(cairo_t* cr, const AssetSpec&) {
    TitleScreen(cr, -1);
}

void TitleEtc(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) {
        cairo_translate(c, -kMenuX, -kItemTops[i]);
        TitleScreen(c, i);
    });
}

void Select6(cairo_t* cr, const AssetSpec&) {
    cairo_translate(cr, -kMenuX, -kLastTop);
    TitleScreen(cr, 5);
}

} // namespace Art
