#pragma once
#include <opencv2/core.hpp>
#include <vector>

#include "tools/packgen/Rng.h"

// The changes a photo pair is made of, each on a region of the picture that segmentation found, so that
// the change follows the photo's own shapes. Pictures are 8-bit RGB.
enum class PhotoEdit { Recolour, Remove, Mirror, Copy, Count };

const char* PhotoEditName(PhotoEdit edit);

// A region of the picture that looks like one thing: pixels of similar colour connected to a seed point.
struct PhotoRegion {
    cv::Mat mask; // 8-bit, picture size, 255 inside
    cv::Rect box;
    int area = 0;
};

// Segments the picture (colours smoothed with edges kept, then grown into regions of like colour) and
// answers the regions fit for a difference: of a size a player sees but not too large, and standing out
// from what surrounds them (a thing rather than a patch of ground).
std::vector<PhotoRegion> FindRegions(const cv::Mat& picture);
// Applies the change to `picture` in place; false when the region does not take it.
bool ApplyEdit(PhotoEdit edit, const PhotoRegion& region, Rng& rng, cv::Mat& picture);
