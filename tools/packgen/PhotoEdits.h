#pragma once
#include <opencv2/core.hpp>

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

// Segments the picture once (colours smoothed, edges kept) for FindRegion.
cv::Mat SmoothForRegions(const cv::Mat& picture);
// The region around a random seed of a size fit for a difference; false when the seed's region is not.
bool FindRegion(const cv::Mat& smoothed, Rng& rng, PhotoRegion& region);
// Applies the change to `picture` in place; false when the region does not take it.
bool ApplyEdit(PhotoEdit edit, const PhotoRegion& region, Rng& rng, cv::Mat& picture);
