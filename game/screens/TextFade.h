#pragma once
#include <cstdint>

// The grey fade of the intro's pages and the ending's credits: each text rises in steps of 4 over 64 frames
// and falls again over the next 64.
constexpr int kFadeFrames = 64;

// One frame of the fade: true when the period ended, the counter is back to 0 and the caller moves to its
// next text.
bool FadeTick(int& counter);
// The text colour (0x00BBGGRR) at `counter` for text number `index`: even ones rise from 0, odd ones fall
// from 255.
uint32_t FadeGrey(int counter, int index);
