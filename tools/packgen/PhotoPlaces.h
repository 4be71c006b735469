#pragma once
#include <opencv2/core.hpp>
#include <vector>

// Places in a photo where a difference can go. Pictures are 8-bit RGB.
enum class PlaceKind {
    Thing, // something a player sees as one thing: it can be recoloured, removed, copied, resized, mirrored
    Calm,  // a plain stretch (sky, water, mist) where something taken from the photo can be added
};

struct PhotoRegion {
    cv::Mat mask; // 8-bit, picture size, 255 inside
    cv::Rect box;
    int area = 0;
    PlaceKind kind = PlaceKind::Thing;
};

// Every place of the picture, found three ways: segments that stand out from their surroundings (colours
// smoothed with edges kept, grown into regions of like colour), small details by local contrast (a post,
// a leaf, a window: a spot unlike its neighbourhood, at several strengths so that busy photos give
// separate spots too), and calm stretches. Things come first, then calm places.
std::vector<PhotoRegion> FindPlaces(const cv::Mat& picture);

// The steps, each on its own: exposed for the tests.
std::vector<PhotoRegion> FindSegments(const cv::Mat& picture);
std::vector<PhotoRegion> FindDetails(const cv::Mat& picture);
std::vector<PhotoRegion> FindCalmPlaces(const cv::Mat& picture);

// The picture (8-bit RGB) in float Lab, L from 0 to 100; the place finders and the edits share it.
cv::Mat LabOf(const cv::Mat& picture);
