#pragma once
#include <opencv2/core.hpp>
#include <vector>

#include "tools/packgen/PhotoPlaces.h"
#include "tools/packgen/Rng.h"

// The changes a photo pair is made of, each on a place of the picture, so that the change follows the
// photo's own shapes and light. Pictures are 8-bit RGB.
enum class PhotoEdit { Recolour, Remove, Copy, Resize, Mirror, Add, Count };

const char* PhotoEditName(PhotoEdit edit);
// The changes a kind of place takes.
const std::vector<PhotoEdit>& EditsFor(PlaceKind kind);

// Applies the change to `picture` in place; false when the place does not take it. `things` are the
// picture's things, from which an addition to a calm place is taken.
bool ApplyEdit(PhotoEdit edit, const PhotoRegion& place, const std::vector<const PhotoRegion*>& things,
               Rng& rng, cv::Mat& picture);
