#include "tools/packgen/PhotoEdits.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>

#include "tools/pairs/Colour.h"

namespace {
constexpr double kSpatialRadius = 9; // mean-shift smoothing: pixels this close ...
constexpr double kColourRadius = 18; // ... and this alike in colour are pulled together
constexpr int kFloodTolerance = 10;  // a region grows over neighbours this close to the seed's colour
constexpr int kMinArea = 100;        // pixels: smaller regions make changes too small to see
constexpr int kMaxArea = 5000;       // larger ones make rectangles too large to be fair
constexpr int kMinSide = 14;
constexpr int kMaxSide = 110;
constexpr int kEdgeMargin = 6;     // regions stay this far inside the picture
constexpr int kFeather = 5;        // pixels over which a change fades into the photo
constexpr int kRemoveGrow = 3;     // inpainting covers the region and this much around it
constexpr int kRingWidth = 4;      // what surrounds a region: a ring this wide around it ...
constexpr float kMinContrast = 18; // ... from which a thing differs at least this much (delta E)

// The mask softened at its border, as weights 0..1, so a change has no hard seam.
cv::Mat Feathered(const cv::Mat& mask) {
    cv::Mat weights;
    mask.convertTo(weights, CV_32F, 1.0 / 255);
    cv::GaussianBlur(weights, weights, cv::Size(2 * kFeather + 1, 2 * kFeather + 1), 0);
    return weights;
}

void Blend(const cv::Mat& changed, const cv::Mat& weights, cv::Mat& picture) {
    for (int y = 0; y < picture.rows; ++y) {
        for (int x = 0; x < picture.cols; ++x) {
            const float w = weights.at<float>(y, x);
            if (w <= 0.0f) continue;
            cv::Vec3b& p = picture.at<cv::Vec3b>(y, x);
            const cv::Vec3b& c = changed.at<cv::Vec3b>(y, x);
            for (int i = 0; i < 3; ++i) p[i] = cv::saturate_cast<uchar>(p[i] + (c[i] - p[i]) * w);
        }
    }
}

// A new hue for colourful regions; greyish ones are made much lighter or darker instead.
bool Recolour(const PhotoRegion& region, Rng& rng, cv::Mat& picture) {
    cv::Mat hsv;
    cv::cvtColor(picture, hsv, cv::COLOR_RGB2HSV);
    const cv::Scalar mean = cv::mean(hsv, region.mask);
    const int hueShift = rng.Int(50, 130); // of 180
    const bool colourful = mean[1] > 60;
    const double lightness = mean[2] > 128 ? rng.Real(0.35, 0.55) : rng.Real(1.8, 2.4);
    for (int y = region.box.y; y < region.box.y + region.box.height; ++y) {
        for (int x = region.box.x; x < region.box.x + region.box.width; ++x) {
            cv::Vec3b& p = hsv.at<cv::Vec3b>(y, x);
            if (colourful) {
                p[0] = uchar((p[0] + hueShift) % 180);
            } else {
                p[2] = cv::saturate_cast<uchar>(p[2] * lightness + (lightness > 1 ? 30 : 0));
            }
        }
    }
    cv::Mat changed;
    cv::cvtColor(hsv, changed, cv::COLOR_HSV2RGB);
    Blend(changed, Feathered(region.mask), picture);
    return true;
}

// The region painted over from its surroundings, as if it had never been there.
bool Remove(const PhotoRegion& region, cv::Mat& picture) {
    cv::Mat cover;
    cv::dilate(region.mask, cover, cv::Mat(), cv::Point(-1, -1), kRemoveGrow);
    cv::Mat painted;
    cv::inpaint(picture, cover, painted, 2 * kRemoveGrow + 1, cv::INPAINT_TELEA);
    painted.copyTo(picture);
    return true;
}

// The part of the picture around the region turned left to right.
bool Mirror(const PhotoRegion& region, cv::Mat& picture) {
    const cv::Rect box = region.box;
    cv::Mat flipped;
    cv::flip(picture(box), flipped, 1);
    cv::Mat changed = picture.clone();
    flipped.copyTo(changed(box));
    cv::Mat mask = cv::Mat::zeros(picture.size(), CV_8U);
    mask(cv::Rect(box.x + 2, box.y + 2, box.width - 4, box.height - 4)) = 255;
    Blend(changed, Feathered(mask), picture);
    return true;
}

// A second one of the region beside it, its edge softened into the new place. (Gradient-domain cloning
// would tint a plain-coloured thing to the colour around its new place until it all but vanished.)
bool Copy(const PhotoRegion& region, Rng& rng, cv::Mat& picture) {
    const cv::Rect box = region.box;
    const int dx = (box.width + rng.Int(6, 20)) * (rng.Chance(0.5) ? 1 : -1);
    const int dy = rng.Int(-box.height / 3, box.height / 3);
    const cv::Rect target(box.x + dx, box.y + dy, box.width, box.height);
    const cv::Rect inside(kEdgeMargin, kEdgeMargin, picture.cols - 2 * kEdgeMargin,
                          picture.rows - 2 * kEdgeMargin);
    if ((target & inside) != target) return false;
    cv::Mat changed = picture.clone(), mask = cv::Mat::zeros(picture.size(), CV_8U);
    picture(box).copyTo(changed(target));
    region.mask(box).copyTo(mask(target));
    cv::Mat weights;
    mask.convertTo(weights, CV_32F, 1.0 / 255);
    cv::GaussianBlur(weights, weights, cv::Size(3, 3), 0);
    Blend(changed, weights, picture);
    return true;
}

Lab MeanLab(const cv::Mat& picture, const cv::Mat& mask) {
    const cv::Scalar m = cv::mean(picture, mask);
    return ToLab({uint8_t(m[0]), uint8_t(m[1]), uint8_t(m[2])});
}

// How far the region's mean colour lies from that of a ring around it.
float Contrast(const cv::Mat& picture, const cv::Mat& mask) {
    cv::Mat grown;
    cv::dilate(mask, grown, cv::Mat(), cv::Point(-1, -1), kRingWidth);
    return DeltaE(MeanLab(picture, mask), MeanLab(picture, grown - mask));
}
} // namespace

const char* PhotoEditName(PhotoEdit edit) {
    static const char* const kNames[] = {"recoloured", "removed", "mirrored", "copied"};
    return kNames[int(edit)];
}

std::vector<PhotoRegion> FindRegions(const cv::Mat& picture) {
    cv::Mat smoothed;
    cv::pyrMeanShiftFiltering(picture, smoothed, kSpatialRadius, kColourRadius);
    const cv::Rect inside(kEdgeMargin, kEdgeMargin, picture.cols - 2 * kEdgeMargin,
                          picture.rows - 2 * kEdgeMargin);
    // Every pixel joins the region grown from the first pixel not yet in one; the fill marks it 255 in
    // the shared mask, which is then set to 1 so that later fills pass around it.
    cv::Mat filled = cv::Mat::zeros(picture.rows + 2, picture.cols + 2, CV_8U);
    const cv::Scalar tolerance = cv::Scalar::all(kFloodTolerance);
    std::vector<PhotoRegion> regions;
    for (int y = 0; y < picture.rows; ++y) {
        for (int x = 0; x < picture.cols; ++x) {
            if (filled.at<uchar>(y + 1, x + 1)) continue;
            cv::Rect box;
            const int area =
                cv::floodFill(smoothed, filled, {x, y}, cv::Scalar(), &box, tolerance, tolerance,
                              8 | cv::FLOODFILL_MASK_ONLY | cv::FLOODFILL_FIXED_RANGE | (255 << 8));
            cv::Mat grown = filled(box + cv::Point(1, 1));
            const cv::Mat inBox = (grown == 255);
            grown.setTo(1, inBox);
            const bool fit = area >= kMinArea && area <= kMaxArea && (box & inside) == box &&
                             std::min(box.width, box.height) >= kMinSide &&
                             std::max(box.width, box.height) <= kMaxSide;
            if (!fit) continue;
            // A thing's inner parts of other colours (a flower's heart) belong to it: holes are filled.
            std::vector<std::vector<cv::Point>> outline;
            cv::findContours(inBox, outline, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE, box.tl());
            cv::Mat mask = cv::Mat::zeros(picture.size(), CV_8U);
            cv::drawContours(mask, outline, -1, cv::Scalar(255), cv::FILLED);
            if (Contrast(smoothed, mask) >= kMinContrast) regions.push_back({mask, box, area});
        }
    }
    return regions;
}

bool ApplyEdit(PhotoEdit edit, const PhotoRegion& region, Rng& rng, cv::Mat& picture) {
    switch (edit) {
    case PhotoEdit::Recolour:
        return Recolour(region, rng, picture);
    case PhotoEdit::Remove:
        return Remove(region, picture);
    case PhotoEdit::Mirror:
        return Mirror(region, picture);
    case PhotoEdit::Copy:
        return Copy(region, rng, picture);
    default:
        return false;
    }
}
