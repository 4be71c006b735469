#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// Decodes one UTF-8 character at `at` (which must be inside text), advancing it; malformed bytes decode
// as U+FFFD one at a time.
uint32_t NextCodepoint(std::string_view text, size_t& at);
// Hangul syllables and jamo, in every block that holds them.
bool IsHangul(uint32_t codepoint);
// How many characters of a UTF-8 text are Hangul.
int CountHangul(std::string_view utf8);
