#pragma once
#include <span>

#include "tools/packgen/Art.h"

// The ways a kind can vary beyond colour, size and its optional parts.
struct Features {
    int shapes = 0;                 // variants whose outlines differ (the variant modulo this)
    int patterns = 0;               // surface patterns it can show, plain included
    int minCount = 0, maxCount = 0; // range of its repeated part; 0 when it has none
    bool labelled = false;          // shows a word or number
};

// What the generator knows of a kind besides its drawing.
struct KindInfo {
    ArtFunction draw;
    double width;                     // in units of its height (100)
    int detailBits;                   // optional parts that a difference may add or take away
    bool asymmetric;                  // mirroring it shows
    std::span<const Rgb> palettes[3]; // choices for its main, second and accent colours
    Features features;
};

const KindInfo& InfoOf(Kind kind);
// Vivid colours a colour difference chooses from.
std::span<const Rgb> ChangeColours();
