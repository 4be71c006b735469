#include "tools/packgen/PhotoEdits.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>

namespace {
constexpr double kSpatialRadius = 9; // mean-shift smoothing: pixels this close ...
constexpr double kColourRadius = 18; // ... and this alike in colour are pulled together
constexpr int kFloodTolerance = 10;  // a region grows over neighbours this close to the seed's colour
constexpr int kMinArea = 300;        // pixels: smaller regions make changes too small to see
constexpr int kMaxArea = 5000;       // larger ones make rectangles too large to be fair
constexpr int kMinSide = 14;
constexpr int kMaxSide = 110;
constexpr int kEdgeMargin = 6; // regions stay this far inside the picture
constexpr int kFeather = 5;    // pixels over which a change fades into the photo
constexpr int kRemoveGrow = 3; // inpainting covers the region and this much around it

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

// A second one of the region beside it, blended into its new place.
bool Copy(const PhotoRegion& region, Rng& rng, cv::Mat& picture) {
    const cv::Rect box = region.box;
    const int dx = (box.width + rng.Int(6, 20)) * (rng.Chance(0.5) ? 1 : -1);
    const int dy = rng.Int(-box.height / 3, box.height / 3);
    const cv::Point centre(box.x + box.width / 2 + dx, box.y + box.height / 2 + dy);
    const cv::Rect target(box.x + dx, box.y + dy, box.width, box.height);
    const cv::Rect inside(kEdgeMargin, kEdgeMargin, picture.cols - 2 * kEdgeMargin,
                          picture.rows - 2 * kEdgeMargin);
    if ((target & inside) != target) return false;
    cv::Mat source = picture(box).clone(), mask = region.mask(box).clone();
    cv::dilate(mask, mask, cv::Mat(), cv::Point(-1, -1), 2);
    cv::Mat out;
    cv::seamlessClone(source, picture, mask, centre, out, cv::NORMAL_CLONE);
    out.copyTo(picture);
    return true;
}
} // namespace

const char* PhotoEditName(PhotoEdit edit) {
    static const char* const kNames[] = {"recoloured", "removed", "mirrored", "copied"};
    return kNames[int(edit)];
}

cv::Mat SmoothForRegions(const cv::Mat& picture) {
    cv::Mat smoothed;
    cv::pyrMeanShiftFiltering(picture, smoothed, kSpatialRadius, kColourRadius);
    return smoothed;
}

bool FindRegion(const cv::Mat& smoothed, Rng& rng, PhotoRegion& region) {
    const cv::Point seed(rng.Int(kEdgeMargin, smoothed.cols - 1 - kEdgeMargin),
                         rng.Int(kEdgeMargin, smoothed.rows - 1 - kEdgeMargin));
    cv::Mat mask = cv::Mat::zeros(smoothed.rows + 2, smoothed.cols + 2, CV_8U);
    const cv::Scalar tolerance = cv::Scalar::all(kFloodTolerance);
    cv::Rect box;
    cv::Mat image = smoothed; // not written: the fill writes only the mask
    const int area = cv::floodFill(image, mask, seed, cv::Scalar(), &box, tolerance, tolerance,
                                   8 | cv::FLOODFILL_MASK_ONLY | cv::FLOODFILL_FIXED_RANGE | (255 << 8));
    const cv::Rect inside(kEdgeMargin, kEdgeMargin, smoothed.cols - 2 * kEdgeMargin,
                          smoothed.rows - 2 * kEdgeMargin);
    if (area < kMinArea || area > kMaxArea || (box & inside) != box) return false;
    if (std::min(box.width, box.height) < kMinSide || std::max(box.width, box.height) > kMaxSide)
        return false;
    region.mask = mask(cv::Rect(1, 1, smoothed.cols, smoothed.rows)).clone();
    region.box = box;
    region.area = area;
    return true;
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
