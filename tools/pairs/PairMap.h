#pragma once
#include "common/MapFile.h"
#include "tools/pairs/PairLayout.h"

// A pair's five difference rectangles: inclusive edges, in the stage picture's coordinates, read and written
// through the map file functions the game and the editor use.
using DifferenceMap = MapRecords;
static_assert(pair_layout::kDifferences == kMapRecords);
