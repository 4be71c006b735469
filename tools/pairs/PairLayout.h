#pragma once

// Where the two pictures of a pair lie in the 640x480 stage picture, which the game draws at the screen
// origin; everything outside them is covered by the play frame.
namespace pair_layout {
constexpr int kImageWidth = 640;
constexpr int kImageHeight = 480;
constexpr int kPictureWidth = 300;
constexpr int kPictureHeight = 400;
constexpr int kLeftX = 10;
constexpr int kTopY = 20;
constexpr int kRightOffset = 309; // the right picture starts 309 pixels right of the left one
constexpr int kDifferences = 5;
constexpr int kPicturesPerPack = 10;
} // namespace pair_layout
