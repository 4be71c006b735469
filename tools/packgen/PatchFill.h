#pragma once
#include <opencv2/core.hpp>

// Filling a hole in a photo with the photo's own texture: the part of the picture whose surroundings
// look most like the hole's surroundings is found, and the hole takes what lies inside that part, so
// that grain and detail are kept where a smooth inpainting would leave a smudge.
//
// `hole` is 8-bit, picture size, 255 inside. Answers the shift (source minus hole) of the best part, or
// false when the picture holds no part clear of the hole.
bool FindFillSource(const cv::Mat& picture, const cv::Mat& hole, cv::Point& shift);
