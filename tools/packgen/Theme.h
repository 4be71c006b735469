#pragma once
#include <cairo.h>
#include <span>
#include <string_view>

#include "tools/packgen/Rng.h"
#include "tools/packgen/Scene.h"

// Where in a picture a placement puts its objects.
enum class Zone : uint8_t {
    Sky,     // high up, behind everything
    Wall,    // hung on an indoor wall
    Horizon, // standing on the horizon line (buildings, rows of trees, boats on the sea line)
    Float,   // anywhere in the water or in space
    Ground,  // standing below the horizon, smaller further back
};

struct Placement {
    Kind kind;
    Zone zone;
    int minCount, maxCount;
    double minSize, maxSize;
    uint32_t variants = 0;      // allowed variants as a bit set; 0 for 0..7
    uint32_t forcedDetails = 0; // parts every object of the placement shows
};

// Paints a picture's background (sky, ground, walls) below the horizon line given.
using BackgroundFunction = void (*)(cairo_t*, Rng&, double horizon);

struct Theme {
    std::string_view name;
    std::string_view koreanName;
    std::string_view englishName; // ASCII, for the English info file
    BackgroundFunction background;
    double minHorizon, maxHorizon;
    std::span<const Placement> placements;
};

std::span<const Theme> Themes();
// The theme's index, or -1 for an unknown name.
int FindTheme(std::string_view name);
