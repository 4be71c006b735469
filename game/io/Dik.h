#pragma once

// DirectInput keyboard scan codes of the keys the game reads.
enum Dik : int {
    DIK_ESCAPE = 0x01,
    DIK_8 = 0x09,
    DIK_9 = 0x0A,
    DIK_P = 0x19,
    DIK_N = 0x31,
    DIK_SPACE = 0x39,
    DIK_UP = 0xC8,
    DIK_LEFT = 0xCB,
    DIK_RIGHT = 0xCD,
    DIK_DOWN = 0xD0,
};
