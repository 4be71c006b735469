#pragma once
#include <cstddef>

// The hidden words typed outside name entry. The text is lower-cased in place (A-Z only; both bytes of a
// double-byte code page 949 character stay as they are) and compared whole with each word in turn; the
// word that matches takes effect at once. Answers the number of the word that matched (1..6), or 0.
int CheckTypedWords(char* text, size_t length);

// A-Z to a-z, leaving the trail byte of every double-byte character alone.
void LowerCaseCp949(char* text, size_t length);
