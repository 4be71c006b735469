#include "tools/artgen/Art.h"
#include "tools/artgen/Scenery.h"

namespace Art {
namespace {
using namespace Paint;
constexpr double kPanelW = 241, kPanelH = 112;
constexpr double kLowerTop = 52; // where the ready/go strip lies on the panel (201 - 149)

// The stage panel without its lower content, in panel coordinates.
void StagePanel(cairo_t* cr) {
    CandyPanel(cr, 1.5, 1.5, kPanelW - 3, kPanelH - 3, 6, Hex(Theme::kPurple), Hex(Theme::kInk), 3);
    Scenery::Confetti(cr, 6, 6, kPanelW - 12, kPanelH - 12, 18, 21, 0.7);
    TextStyle s;
    s.size = 30;
    s.gradient = true;
    s.fill = Hex(0xFFFFFF);
    s.fillBottom = Hex(0xFFE27A);
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = 5;
    s.shadow = 2;
    Text(cr, Words{"스테이지", "STAGE"}, kPanelW / 2, 28, s);
    Star(cr, 40, 27, 11, 5, 5, 0.2);
    FillStroke(cr, Hex(Theme::kSun), Hex(Theme::kInk), 2);
    Star(cr, kPanelW - 40, 27, 11, 5, 5, -0.2);
    FillStroke(cr, Hex(Theme::kSun), Hex(Theme::kInk), 2);
}

// A strip of the panel's lower part (241x52) with a big word on it.
void LowerStrip(cairo_t* cr, const Words& text, uint32_t colour, double size) {
    cairo_save(cr);
    cairo_translate(cr, 0, -kLowerTop);
    StagePanel(cr);
    cairo_restore(cr);
    RoundRect(cr, 14, 4, kPanelW - 28, 42, 14);
    FillStroke(cr, Hex(colour), Hex(Theme::kInk), 3);
    TextStyle s;
    s.size = size;
    s.gradient = true;
    s.fill = Hex(0xFFFFFF);
    s.fillBottom = Hex(0xFFF1B8);
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = 5;
    s = Fit(cr, text, s, kPanelW - 40);
    Text(cr, text, kPanelW / 2, 25, s);
}

// The bonus result panel (180x90): heading on top, the two choices below.
void BonusPanel(cairo_t* cr, int choice) {
    constexpr double kW = 180, kH = 90, kSplit = 90;
    CandyPanel(cr, 1.5, 1.5, kW - 3, kH - 3, 8, Hex(Theme::kMint), Hex(Theme::kInk), 3);
    TextStyle head;
    head.size = 24;
    head.outline = Hex(Theme::kInk);
    head.outlineWidth = 4;
    head.shadow = 2;
    Text(cr, Words{"보너스 결과", "Bonus Result"}, kW / 2, 22, head);
    if (choice == 2) {
        RoundRect(cr, 10, 48, kW - 20, 36, 12);
        FillStroke(cr, Hex(0x9AA3B8), Hex(Theme::kInk), 2.5);
        TextStyle s;
        s.size = 20;
        s.outline = Hex(Theme::kInk);
        s.outlineWidth = 3.5;
        Text(cr, Words{"아쉽게 실패...", "So close..."}, kW / 2, 66, s);
        return;
    }
    constexpr Words labels[] = {{"목숨 +1", "Life +1"}, {"저장하기", "Save"}};
    for (int i = 0; i < 2; ++i) {
        const bool lit = i == choice;
        const double x = i ? kSplit + 2 : 6;
        RoundRect(cr, x, 48, kSplit - 8, 36, 12);
        FillStroke(cr, Hex(lit ? Theme::kSun : 0xFFFFFF), Hex(Theme::kInk), lit ? 3 : 2);
        TextStyle s;
        s.size = 18;
        s.fill = Hex(lit ? Theme::kInk : 0x6C6F85);
        Text(cr, labels[i], x + (kSplit - 8) / 2, 66, s);
    }
}
} // namespace

void StageBack(cairo_t* cr, const AssetSpec&) {
    StagePanel(cr);
    // Plate under the stage number, which the game draws at x 81..133, y 56..86 of the panel.
    RoundRect(cr, 60, 51, 98, 40, 14);
    FillStroke(cr, Hex(Theme::kNight, 0.85), Hex(Theme::kInk), 2.5);
    TextStyle s;
    s.size = 18;
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = 3;
    Text(cr, Words{"제", "No."}, 42, 72, s);
    Text(cr, Words{"판", ""}, 178, 72, s);
}

void StageReadyGo(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) {
        if (i == 0)
            LowerStrip(c, {"준비~", "Ready~"}, Theme::kOrange, 34);
        else
            LowerStrip(c, {"시작!", "Go!"}, Theme::kCoral, 38);
    });
}

void BonusStart(cairo_t* cr, const AssetSpec&) {
    LowerStrip(cr, {"보너스 카드 놀이!", "Bonus Card Game!"}, Theme::kMint, 28);
}

void GameOverBand(cairo_t* cr, const AssetSpec& spec) {
    const double w = spec.width, h = spec.height;
    VGradient(cr, 0, h, Hex(0x3B2F6B), Hex(Theme::kNight));
    cairo_paint(cr);
    cairo_rectangle(cr, 0, 3, w, 3);
    cairo_rectangle(cr, 0, h - 6, w, 3);
    Set(cr, Hex(Theme::kSun));
    cairo_fill(cr);
    Scenery::Confetti(cr, 0, 10, w, h - 20, 40, 33, 0.5);
    TextStyle big;
    big.size = 62;
    big.gradient = true;
    big.fill = Hex(0xFFB3B3);
    big.fillBottom = Hex(0xE63946);
    big.outline = Hex(0xFFFFFF);
    big.outlineWidth = 6;
    big.shadow = 4;
    big.shadowColour = Hex(0x000000, 0.5);
    Text(cr, Words{"게임 오버", "GAME OVER"}, w / 2, 54, big);
    TextStyle small;
    small.font = Theme::kLatinFont;
    small.size = 18;
    small.fill = Hex(Theme::kSun);
    Text(cr, Words{"G A M E   O V E R", "Better luck next time!"}, w / 2, 100, small);
}

void BonusMsg(cairo_t* cr, const AssetSpec&) {
    BonusPanel(cr, 0);
}

void BonusMdn(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) {
        cairo_translate(c, 0, -44);
        BonusPanel(c, i);
    });
}

void ScoreBoard(cairo_t* cr, const AssetSpec& spec) {
    // Rows lie at y 78 + 21i of the board; the game writes scores at x 90 and names at x 152.
    const double w = spec.width, h = spec.height;
    CandyPanel(cr, 2, 2, w - 4, h - 4, 16, Hex(Theme::kPurple), Hex(Theme::kInk), 3);
    TextStyle title;
    title.size = 28;
    title.gradient = true;
    title.fill = Hex(0xFFFFFF);
    title.fillBottom = Hex(0xFFE27A);
    title.outline = Hex(Theme::kInk);
    title.outlineWidth = 5;
    title.shadow = 2;
    Text(cr, Words{"명예의 전당", "Hall of Fame"}, w / 2, 27, title);
    Star(cr, 38, 27, 12, 5, 5, 0.1);
    FillStroke(cr, Hex(Theme::kSun), Hex(Theme::kInk), 2);
    Star(cr, w - 38, 27, 12, 5, 5, -0.1);
    FillStroke(cr, Hex(Theme::kSun), Hex(Theme::kInk), 2);
    TextStyle head;
    head.size = 14;
    head.fill = Hex(Theme::kSun);
    head.outline = Hex(Theme::kInk);
    head.outlineWidth = 3;
    Text(cr, Words{"순위", "Rank"}, 40, 62, head);
    Text(cr, Words{"판", "Stage"}, 98, 62, head);
    Text(cr, Words{"이름", "Name"}, 200, 62, head);
    RoundRect(cr, 12, 74, w - 24, 214, 10);
    Set(cr, Hex(Theme::kNight, 0.8));
    cairo_fill(cr);
    const uint32_t medals[] = {0xFFD23F, 0xD9DEE8, 0xE59B5A};
    for (int i = 0; i < 10; ++i) {
        const double y = 76 + 21 * i;
        if (i % 2) {
            cairo_rectangle(cr, 14, y, w - 28, 21);
            Set(cr, Hex(0xFFFFFF, 0.08));
            cairo_fill(cr);
        }
        if (i < 3) {
            Circle(cr, 40, y + 10.5, 8.5);
            FillStroke(cr, Hex(medals[i]), Hex(Theme::kInk), 1.5);
        }
        TextStyle n;
        n.size = 13;
        n.fill = Hex(i < 3 ? Theme::kInk : 0xC9C2F5);
        Text(cr, std::to_string(i + 1), 40, y + 10.5, n);
    }
    TextStyle hint;
    hint.size = 12;
    hint.fill = Hex(0xFFFFFF);
    Text(cr, Words{"이름을 쓰고 Enter를 누르세요", "Type your name and press Enter"}, w / 2, 292 - 0.5, hint);
}

} // namespace Art
