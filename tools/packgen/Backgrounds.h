#pragma once
#include "tools/packgen/Theme.h"

// One background per theme: gradients and scenery that never take part in a difference.
void PaintParkBackground(cairo_t*, Rng&, double horizon);
void PaintSeasideBackground(cairo_t*, Rng&, double horizon);
void PaintStreetBackground(cairo_t*, Rng&, double horizon);
void PaintSpaceBackground(cairo_t*, Rng&, double horizon);
void PaintKitchenBackground(cairo_t*, Rng&, double horizon);
void PaintForestBackground(cairo_t*, Rng&, double horizon);
void PaintFarmBackground(cairo_t*, Rng&, double horizon);
void PaintUnderseaBackground(cairo_t*, Rng&, double horizon);
void PaintWinterBackground(cairo_t*, Rng&, double horizon);
void PaintToyRoomBackground(cairo_t*, Rng&, double horizon);
void PaintClassroomBackground(cairo_t*, Rng&, double horizon);
void PaintMarketBackground(cairo_t*, Rng&, double horizon);
void PaintCastleBackground(cairo_t*, Rng&, double horizon);
void PaintNightCityBackground(cairo_t*, Rng&, double horizon);
void PaintLibraryBackground(cairo_t*, Rng&, double horizon);
void PaintBeachPartyBackground(cairo_t*, Rng&, double horizon);
