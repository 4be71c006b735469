#pragma once
#include "codecs/RgbPicture.h"
#include "tools/pairs/RgbImage.h"

// The open picture as the pair tools read it: top-down red-green-blue rows. Empty (0 x 0) when no
// picture is open.
RgbImage StagePicture(const RgbPicture& picture);

// Whether the picture is a pair picture the check, the suggestion and the difference tint work on.
bool IsPairPicture(const RgbPicture& picture);
