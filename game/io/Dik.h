#pragma once

// DirectInput keyboard scan codes of the keys the game reads.
enum Dik : int {
    DIK_ESCAPE = 0x01,
    DIK_8 = 0x09,
    DIK_9 = 0x0A,
    DIK_TAB = 0x0F,
    DIK_W = 0x11,
    DIK_E = 0x12,
    DIK_P = 0x19,
    DIK_RETURN = 0x1C,
    DIK_A = 0x1E,
    DIK_S = 0x1F,
    DIK_D = 0x20,
    DIK_N = 0x31,
    DIK_LMENU = 0x38,
    DIK_SPACE = 0x39,
    DIK_F2 = 0x3C,
    DIK_RMENU = 0xB8,
    DIK_UP = 0xC8,
    DIK_LEFT = 0xCB,
    DIK_RIGHT = 0xCD,
    DIK_DOWN = 0xD0,
};
