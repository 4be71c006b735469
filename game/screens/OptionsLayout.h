#pragma once
// Where the options screen's rows lie: shared by the screen and the art builder that draws its pictures,
// so that a highlight lands exactly on its row.
#include "game/gfx/Rect.h"

namespace OptionsLayout {
// Rows 0..18 are the settings in SettingId order: nine in the left column, player 2's five keys and
// player 1's five in the right one. Row 19 is the back button.
constexpr int kSettingRows = 19;
constexpr int kLeftRows = 9;
constexpr int kPlayerKeys = 5;
constexpr int kBackItem = kSettingRows;
constexpr int kItems = kSettingRows + 1;

constexpr int kRowWidth = 280, kRowHeight = 26, kRowStep = 30;
constexpr int kLeftX = 24, kRightX = 336;
constexpr int kFirstRowTop = 86;     // of both columns
constexpr int kPlayer1KeysTop = 262; // the right column's second group
constexpr int kLabelWidth = 150;     // the lit part of a row; the rest is its value box
constexpr int kArrowWidth = 22;      // the box's "<" and ">" at its two ends
constexpr int kValueTextLeft = kLabelWidth + kArrowWidth + 6;
constexpr int kValueTextTop = 5;
constexpr int kColumnHeadTop = 62;
constexpr int kPlayer1HeadTop = 238;
constexpr Rect kBack{245, 428, 394, 461};
constexpr Rect kMessageBox{24, 372, 303, 412}; // refusals and hints, two lines of text
constexpr Rect kTitle{200, 8, 439, 50};

constexpr Rect RowRect(int row) {
    const int x = row < kLeftRows ? kLeftX : kRightX;
    int top = kFirstRowTop + kRowStep * row;
    if (row >= kLeftRows) {
        const int keyRow = row - kLeftRows;
        top = keyRow < kPlayerKeys ? kFirstRowTop + kRowStep * keyRow
                                   : kPlayer1KeysTop + kRowStep * (keyRow - kPlayerKeys);
    }
    return {x, top, x + kRowWidth - 1, top + kRowHeight - 1};
}
} // namespace OptionsLayout
