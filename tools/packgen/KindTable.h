#pragma once
#include <span>

#include "tools/packgen/Art.h"

// What the generator knows of a kind besides its drawing.
struct KindInfo {
    ArtFunction draw;
    double width;                     // in units of its height (100)
    int detailBits;                   // optional parts that a difference may add or take away
    bool asymmetric;                  // mirroring it shows
    std::span<const Rgb> palettes[3]; // choices for its main, second and accent colours
};

const KindInfo& InfoOf(Kind kind);
// Vivid colours a colour difference chooses from.
std::span<const Rgb> ChangeColours();
