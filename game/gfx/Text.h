#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "game/gfx/Font.h"

// Text on the back surface: only the glyphs are drawn, in a colour 0x00BBGGRR; (x, y) is the top-left
// of the first character cell. Text is code page 949; bytes that do not convert are drawn as "?".

// A font of a cell height in pixels, a weight (400 normal, 700 bold) and a face name.
FontHandle MakeFont(int height, int weight, const char* face);
// With the default font of the display.
void PutText(int x, int y, uint32_t color, const char* text);
[[gnu::format(printf, 4, 5)]] void PutTextF(int x, int y, uint32_t color, const char* format, ...);
void PutFontText(FontHandle font, int x, int y, uint32_t color, const char* text);
[[gnu::format(printf, 5, 6)]] void PutFontTextF(FontHandle font, int x, int y, uint32_t color,
                                                const char* format, ...);
// Adds to `missing` (UTF-8) the characters of a code page 949 text that the font cannot draw and that it
// does not hold yet; nothing when there is no font to ask.
void CollectMissingGlyphs(FontHandle font, std::string_view cp949, std::string& missing);
