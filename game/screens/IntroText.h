#pragma once

// The intro's dialogue in 56 slots, read four at a time: slots 0..48 are two speakers talking (a speech opens
// with the speaker's name and a colon, its next lines start with a space), 49..51 are empty and 52..55 are
// the closing page. UTF-8 here; the scene keeps them as code page 949 of at most 20 bytes each.
constexpr int kIntroSlots = 56;
constexpr int kIntroSlotBytes = 21;
extern const char* const kIntroLines[kIntroSlots];
