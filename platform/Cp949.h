#pragma once
#include <string>
#include <string_view>

// Conversions between UTF-8 and code page 949, the encoding of every text the game stores.
// Characters that the target cannot hold are dropped (to CP949) or become "?" (to UTF-8).
std::string Utf8ToCp949(std::string_view utf8);
std::string Cp949ToUtf8(std::string_view cp949);
// How many bytes of the code page 949 text fit in `limit` without cutting a two-byte character.
size_t FitCp949(std::string_view text, size_t limit);
