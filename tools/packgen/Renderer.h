#pragma once
#include "tools/packgen/Scene.h"
#include "tools/pairs/RgbImage.h"

// Draws a scene into a picture of the pair's picture size.
RgbImage RenderPicture(const Scene& scene);
// The 640x480 stage picture: the left and right pictures where the game shows them, the frame colour around.
RgbImage ComposeStage(const RgbImage& left, const RgbImage& right);
