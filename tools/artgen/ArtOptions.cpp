#include "game/screens/OptionsLayout.h"
#include "tools/artgen/Art.h"
#include "tools/artgen/Scenery.h"

namespace Art {
namespace {
using namespace Paint;
using namespace OptionsLayout;
constexpr int kNoRow = -1;

// The labels of the rows, in the screen's order (the settings' order).
constexpr Words kLabels[kSettingRows] = {
    {"화면", "Display"},
    {"창 크기", "Window size"},
    {"정수 배율", "Whole pixels"},
    {"음악 소리", "Music"},
    {"효과음", "Effects"},
    {"언어", "Language"},
    {"펜 속도", "Pen speed"},
    {"느긋하게", "Relaxed pace"},
    {"1P 키보드", "1P on keys"},
    {"왼쪽", "Left"},
    {"오른쪽", "Right"},
    {"위", "Up"},
    {"아래", "Down"},
    {"누르기", "Click"},
    {"왼쪽", "Left"},
    {"오른쪽", "Right"},
    {"위", "Up"},
    {"아래", "Down"},
    {"누르기", "Click"},
};

uint32_t RowColour(int row) {
    if (row < kLeftRows) return row < 3 ? Theme::kMint : (row < 6 ? Theme::kPurple : Theme::kOrange);
    return row < kLeftRows + kPlayerKeys ? Theme::kBlue : Theme::kCoral;
}

void Arrow(cairo_t* cr, double cx, double cy, double dir) {
    cairo_move_to(cr, cx - 4 * dir, cy);
    cairo_line_to(cr, cx + 4 * dir, cy - 6);
    cairo_line_to(cr, cx + 4 * dir, cy + 6);
    cairo_close_path(cr);
    FillStroke(cr, Hex(Theme::kSun), Hex(Theme::kInk), 1.5);
}

void Row(cairo_t* cr, int row, bool lit) {
    const Rect r = RowRect(row);
    const double x = r.left, y = r.top, h = kRowHeight;
    CandyPanel(cr, x + 1.5, y + 1.5, kLabelWidth - 3, h - 3, (h - 3) / 2,
               Hex(lit ? Theme::kSun : RowColour(row)), Hex(Theme::kInk), lit ? 2.5 : 2);
    TextStyle s;
    s.size = 17;
    s.fill = Hex(lit ? Theme::kInk : 0xFFFFFF);
    s.outline = Hex(lit ? 0xFFFFFF : Theme::kInk);
    s.outlineWidth = 2.5;
    Text(cr, kLabels[row], x + kLabelWidth / 2.0, y + h / 2.0, Fit(cr, kLabels[row], s, kLabelWidth - 16));
    // The value box the game writes into.
    RoundRect(cr, x + kLabelWidth + 2, y + 2, kRowWidth - kLabelWidth - 4, h - 4, 6);
    FillStroke(cr, Hex(lit ? 0xFFFFFF : Theme::kCream), Hex(Theme::kInk), 2);
    if (row < kLeftRows) {
        Arrow(cr, x + kLabelWidth + kArrowWidth / 2.0 + 1, y + h / 2.0, 1);
        Arrow(cr, x + kRowWidth - kArrowWidth / 2.0 - 1, y + h / 2.0, -1);
    }
}

void ColumnHead(cairo_t* cr, double x, double top, const Words& words, uint32_t colour) {
    TextStyle s;
    s.size = 20;
    s.fill = Hex(colour);
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = 3.5;
    Text(cr, words, x + 4, top + 10, s, Align::Left);
}

void BackButton(cairo_t* cr, bool lit) {
    const double x = kBack.left, y = kBack.top, w = kBack.right - kBack.left + 1,
                 h = kBack.bottom - kBack.top + 1;
    CandyPanel(cr, x + 1, y + 1, w - 2, h - 2, (h - 2) / 2, Hex(lit ? Theme::kSun : Theme::kCoral),
               Hex(Theme::kInk), lit ? 3 : 2.5);
    TextStyle s;
    s.size = 21;
    s.fill = Hex(lit ? Theme::kInk : 0xFFFFFF);
    s.outline = Hex(lit ? 0xFFFFFF : Theme::kInk);
    s.outlineWidth = 3;
    Text(cr, Words{"돌아가기", "Back"}, x + w / 2, y + h / 2, s);
}

// The whole screen with one row (or the back button) lit.
void OptionsScreen(cairo_t* cr, int lit) {
    Scenery::Sky(cr, 640, 480, 21);
    Scenery::Hills(cr, 640, 480, 420, 5);
    Scenery::Confetti(cr, 0, 0, 640, 60, 18, 9, 0.7);
    // Two boards, one for each column.
    for (const int x : {kLeftX, kRightX}) {
        RoundRect(cr, x - 10, kColumnHeadTop - 8, kRowWidth + 20, 366, 16);
        FillStroke(cr, Hex(0xFFFFFF, 0.6), Hex(Theme::kInk, 0.6), 2);
    }
    RoundRect(cr, kTitle.left, kTitle.top, kTitle.right - kTitle.left, kTitle.bottom - kTitle.top, 20);
    FillStroke(cr, Hex(Theme::kCoral), Hex(Theme::kInk), 3);
    TextStyle title;
    title.size = 30;
    title.outline = Hex(Theme::kInk);
    title.outlineWidth = 4.5;
    title.shadow = 2;
    Text(cr, Words{"설정", "Options"}, (kTitle.left + kTitle.right) / 2.0, (kTitle.top + kTitle.bottom) / 2.0,
         title);
    ColumnHead(cr, kLeftX, kColumnHeadTop, {"화면과 소리", "Screen and sound"}, Theme::kSun);
    ColumnHead(cr, kRightX, kColumnHeadTop, {"2P 키", "2P keys"}, Theme::kBlue);
    ColumnHead(cr, kRightX, kPlayer1HeadTop, {"1P 키", "1P keys"}, Theme::kCoral);
    for (int row = 0; row < kSettingRows; ++row) Row(cr, row, row == lit);
    // The message box under the left column.
    RoundRect(cr, kMessageBox.left, kMessageBox.top, kMessageBox.right - kMessageBox.left,
              kMessageBox.bottom - kMessageBox.top, 8);
    FillStroke(cr, Hex(Theme::kCream, 0.85), Hex(Theme::kInk, 0.5), 1.5);
    BackButton(cr, lit == kBackItem);
}
} // namespace

void Options(cairo_t* cr, const AssetSpec&) {
    OptionsScreen(cr, kNoRow);
}

void OptionsEtc(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int row) {
        const Rect r = RowRect(row);
        cairo_translate(c, -r.left, -r.top);
        OptionsScreen(c, row);
    });
}

void OptionsBack(cairo_t* cr, const AssetSpec&) {
    cairo_translate(cr, -kBack.left, -kBack.top);
    OptionsScreen(cr, kBackItem);
}

} // namespace Art
