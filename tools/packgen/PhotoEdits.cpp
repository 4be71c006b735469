#include "tools/packgen/PhotoEdits.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>

#include "tools/packgen/PatchFill.h"
#include "tools/pairs/Colour.h"

namespace {
constexpr int kCloneMargin = 2; // a cloned part stays this far inside the picture
// Poisson cloning narrows its mask by three pixels; a cloned thing keeps this much of its own
// surroundings beyond that, so that its edge is cloned with it.
constexpr int kCloneGrow = 6;
constexpr int kRemoveGrow = 3;        // a removal covers the thing and this much around it
constexpr double kFeather = 3.0;      // a recolour fades into the photo over a Gaussian this wide ...
constexpr double kPatchFeather = 6.0; // ... and a calm place's patch, softer, as its calm is
constexpr int kHueNeighbourhood = 50; // recolours take a colour found this near the thing ...
constexpr int kHueClearance = 8;      // ... but not right at its edge, where its own colour bleeds
constexpr int kHueSampleStep = 3;
constexpr float kMinRecolourDeltaE = 30; // a new colour this far from the old one, also colour-blind
constexpr float kFallbackLightness = 38; // without such a colour nearby: this much lighter or darker
constexpr double kMinResize = 1.3, kMaxResize = 1.6;
constexpr double kMinAddScale = 0.8, kMaxAddScale = 1.2;
constexpr double kMaxTurn = 25;                           // degrees
constexpr int kMinPatchRadius = 10, kMaxPatchRadius = 22; // a calm place's tinted patch, pixels
constexpr double kPatchFray = 4, kPatchFrayWeight = 6, kPatchEdge = 0.25; // how ragged its edge is
// A cloned thing is softened by the first of these blurs (sigma, pixels) that brings its fine detail
// down to its new place's, so that nothing sharp sits in a part of the photo that is out of focus.
constexpr double kSofter[] = {0.6, 1.0, 1.6, 2.4, 3.4};
constexpr double kDetailSlack = 1.15; // a detail this much above the place's own is near enough

cv::Rect Inside(const cv::Mat& picture) {
    return {kCloneMargin, kCloneMargin, picture.cols - 2 * kCloneMargin, picture.rows - 2 * kCloneMargin};
}

cv::Mat Grown(const cv::Mat& mask, int pixels) {
    cv::Mat grown;
    cv::dilate(mask, grown, cv::getStructuringElement(cv::MORPH_ELLIPSE, {2 * pixels + 1, 2 * pixels + 1}));
    return grown;
}

// The content of `changed` under the mask, cloned into the picture in the gradient domain: it takes the
// picture's light at its border, so that no seam, halo or colour cast shows.
bool PoissonPaste(const cv::Mat& changed, const cv::Mat& mask, cv::Mat& picture) {
    const cv::Rect box = cv::boundingRect(mask);
    if (box.empty() || (box & Inside(picture)) != box) return false;
    // The clone centres the mask's box on this point, which puts it back where it is.
    const cv::Point centre(box.x + box.width / 2, box.y + box.height / 2);
    cv::Mat out;
    cv::seamlessClone(changed, picture, mask, centre, out, cv::NORMAL_CLONE);
    out.copyTo(picture);
    return true;
}

// The picture moved by an affine map that takes `from` to `to`, scaled, turned (degrees) and mirrored.
cv::Mat Moved(const cv::Mat& image, cv::Point2f from, cv::Point2f to, double scale, double turn, bool mirror,
              int interpolation) {
    cv::Matx33d flip = cv::Matx33d::eye();
    if (mirror) flip = {-1, 0, 2.0 * from.x, 0, 1, 0, 0, 0, 1};
    const cv::Mat rotation = cv::getRotationMatrix2D(from, turn, scale);
    cv::Matx33d m = cv::Matx33d::eye();
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) m(r, c) = rotation.at<double>(r, c);
    m(0, 2) += to.x - from.x, m(1, 2) += to.y - from.y;
    const cv::Matx33d all = m * flip;
    const cv::Matx23d affine(all(0, 0), all(0, 1), all(0, 2), all(1, 0), all(1, 1), all(1, 2));
    cv::Mat moved;
    cv::warpAffine(image, moved, affine, image.size(), interpolation, cv::BORDER_REFLECT);
    return moved;
}

cv::Point2f Centroid(const cv::Mat& mask) {
    const cv::Moments m = cv::moments(mask, true);
    return m.m00 > 0 ? cv::Point2f(float(m.m10 / m.m00), float(m.m01 / m.m00)) : cv::Point2f();
}

// Fine detail of the lightness under the mask: how far it strays from its 3x3 mean.
double DetailUnder(const cv::Mat& picture, const cv::Mat& mask) {
    cv::Mat grey, mean, stray;
    cv::cvtColor(picture, grey, cv::COLOR_RGB2GRAY);
    grey.convertTo(grey, CV_32F);
    cv::blur(grey, mean, cv::Size(3, 3));
    cv::absdiff(grey, mean, stray);
    return cv::mean(stray, mask)[0];
}

// The moved content softened to the detail of the place it goes to.
cv::Mat InFocusOf(const cv::Mat& picture, const cv::Mat& changed, const cv::Mat& mask) {
    const double wanted = DetailUnder(picture, mask) * kDetailSlack;
    if (DetailUnder(changed, mask) <= wanted) return changed;
    cv::Mat soft;
    for (const double sigma : kSofter) {
        cv::GaussianBlur(changed, soft, cv::Size(), sigma);
        if (DetailUnder(soft, mask) <= wanted) break;
    }
    return soft;
}

// A thing moved (and scaled, turned, mirrored) with its own surroundings, cloned into the picture.
bool CloneMoved(const PhotoRegion& thing, cv::Point2f to, double scale, double turn, bool mirror,
                cv::Mat& picture) {
    const cv::Point2f from = Centroid(thing.mask);
    const cv::Mat changed = Moved(picture, from, to, scale, turn, mirror, cv::INTER_LINEAR);
    const cv::Mat mask =
        Moved(Grown(thing.mask, kCloneGrow), from, to, scale, turn, mirror, cv::INTER_NEAREST);
    return PoissonPaste(InFocusOf(picture, changed, mask), mask, picture);
}

// The mask softened at its border, as weights 0..1, so a recolour has no hard seam.
cv::Mat Feathered(const cv::Mat& mask, double sigma) {
    cv::Mat weights;
    mask.convertTo(weights, CV_32F, 1.0 / 255);
    cv::GaussianBlur(weights, weights, cv::Size(), sigma);
    weights.setTo(0, weights < 1.0f / 512); // past this the change rounds to nothing
    return weights;
}

Rgb RgbOfLab(const cv::Vec3f& lab) {
    cv::Mat one(1, 1, CV_32FC3, cv::Scalar(lab[0], lab[1], lab[2])), rgb;
    cv::cvtColor(one, rgb, cv::COLOR_Lab2RGB);
    const cv::Vec3f c = rgb.at<cv::Vec3f>(0, 0);
    const auto byte = [](float v) { return uint8_t(std::clamp(std::lround(v * 255), 0L, 255L)); };
    return {byte(c[0]), byte(c[1]), byte(c[2])};
}

// How far two colours lie apart for the viewer who tells them apart worse: plain or colour-blind.
float SeenDistance(const cv::Vec3f& a, const cv::Vec3f& b) {
    const Rgb x = RgbOfLab(a), y = RgbOfLab(b);
    return std::min(DeltaE(ToLab(x), ToLab(y)),
                    DeltaE(ToLab(SimulateDeuteranopia(x)), ToLab(SimulateDeuteranopia(y))));
}

// A colour the photo has near the thing, far enough from the thing's own for every player to see the
// change (any of them, or the nearest to its own when `nearest`); without one, the thing's colour much
// lighter or darker.
cv::Vec3f NearbyColour(const cv::Mat& lab, const PhotoRegion& thing, const cv::Vec3f& own, bool nearest,
                       Rng& rng) {
    const cv::Rect near =
        cv::Rect(thing.box.x - kHueNeighbourhood, thing.box.y - kHueNeighbourhood,
                 thing.box.width + 2 * kHueNeighbourhood, thing.box.height + 2 * kHueNeighbourhood) &
        cv::Rect(0, 0, lab.cols, lab.rows);
    const cv::Mat keepOff = Grown(thing.mask, kHueClearance);
    cv::Mat smooth;
    cv::GaussianBlur(lab(near), smooth, cv::Size(5, 5), 0);
    std::vector<cv::Vec3f> fit;
    for (int y = 0; y < near.height; y += kHueSampleStep) {
        for (int x = 0; x < near.width; x += kHueSampleStep) {
            if (keepOff.at<uchar>(near.y + y, near.x + x)) continue;
            const cv::Vec3f c = smooth.at<cv::Vec3f>(y, x);
            if (SeenDistance(c, own) >= kMinRecolourDeltaE) fit.push_back(c);
        }
    }
    if (!fit.empty() && nearest) {
        return *std::min_element(fit.begin(), fit.end(), [&](const cv::Vec3f& a, const cv::Vec3f& b) {
            return cv::norm(a - own) < cv::norm(b - own);
        });
    }
    if (!fit.empty()) return rng.Pick(fit);
    const float lighter = own[0] < 50 ? kFallbackLightness : -kFallbackLightness;
    return {std::clamp(own[0] + lighter, 0.0f, 100.0f), own[1], own[2]};
}

// The thing takes a colour from nearby; each pixel keeps its offset from the thing's mean colour, so
// texture and shading stay.
bool Recolour(const PhotoRegion& thing, bool nearest, double feather, Rng& rng, cv::Mat& picture) {
    const cv::Mat lab = LabOf(picture);
    const cv::Scalar mean = cv::mean(lab, thing.mask);
    const cv::Vec3f own{float(mean[0]), float(mean[1]), float(mean[2])};
    const cv::Vec3f shift = NearbyColour(lab, thing, own, nearest, rng) - own;
    const cv::Mat weights = Feathered(thing.mask, feather);
    cv::Mat changed = lab.clone();
    for (int y = 0; y < lab.rows; ++y) {
        for (int x = 0; x < lab.cols; ++x) {
            const float w = weights.at<float>(y, x);
            if (w <= 0.0f) continue;
            cv::Vec3f& p = changed.at<cv::Vec3f>(y, x);
            p += shift * w;
            p[0] = std::clamp(p[0], 0.0f, 100.0f);
        }
    }
    cv::Mat rgb, bytes;
    cv::cvtColor(changed, rgb, cv::COLOR_Lab2RGB);
    rgb.convertTo(bytes, CV_8UC3, 255);
    bytes.copyTo(picture, weights > 0.0f); // the rest keeps its bytes exactly
    return true;
}

// A soft, ragged patch of a calm place (a wisp of cloud, a shadow on water) that takes the nearest
// colour from nearby that every player tells from the place's own.
bool TintPatch(const PhotoRegion& calm, Rng& rng, cv::Mat& picture) {
    const cv::Point centre(calm.box.x + calm.box.width / 2, calm.box.y + calm.box.height / 2);
    const cv::Size axes(rng.Int(kMinPatchRadius, kMaxPatchRadius), rng.Int(kMinPatchRadius, kMaxPatchRadius));
    cv::Mat ellipse = cv::Mat::zeros(picture.size(), CV_8U), noise(picture.size(), CV_32F);
    cv::ellipse(ellipse, centre, axes, rng.Real(0, 180), 0, 360, cv::Scalar(255), cv::FILLED);
    // The ellipse's edge frayed by smooth noise of the seed's own.
    cv::RNG cloud(rng.Next());
    cloud.fill(noise, cv::RNG::UNIFORM, 0.0, 1.0);
    cv::GaussianBlur(noise, noise, cv::Size(), kPatchFray);
    cv::Mat distance;
    cv::distanceTransform(ellipse, distance, cv::DIST_L2, 3);
    cv::normalize(distance, distance, 0, 1, cv::NORM_MINMAX);
    PhotoRegion patch = calm;
    patch.mask = ((distance + (noise - 0.5) * kPatchFrayWeight) > kPatchEdge) & ellipse;
    patch.box = cv::boundingRect(patch.mask);
    if (patch.box.empty()) return false;
    return Recolour(patch, true, kPatchFeather, rng, picture);
}

// The thing covered by the photo's own texture from a place whose surroundings look like its own.
bool Remove(const PhotoRegion& thing, cv::Mat& picture) {
    const cv::Mat hole = Grown(thing.mask, kRemoveGrow);
    cv::Point shift;
    if (!FindFillSource(picture, hole, shift)) return false;
    const cv::Mat changed = Moved(picture, cv::Point2f(shift), {0, 0}, 1, 0, false, cv::INTER_NEAREST);
    return PoissonPaste(changed, Grown(hole, kCloneGrow / 2 + 1), picture);
}

// The part of the picture around the thing turned left to right.
bool Mirror(const PhotoRegion& thing, cv::Mat& picture) {
    const cv::Mat mask = Grown(thing.mask, kCloneGrow);
    const cv::Point2f centre = Centroid(thing.mask);
    return PoissonPaste(Moved(picture, centre, centre, 1, 0, true, cv::INTER_LINEAR), mask, picture);
}

// A second one beside it.
bool Copy(const PhotoRegion& thing, Rng& rng, cv::Mat& picture) {
    const cv::Rect box = thing.box;
    const float dx = float((box.width + rng.Int(8, 20)) * (rng.Chance(0.5) ? 1 : -1));
    const float dy = float(rng.Int(-box.height / 3, box.height / 3));
    const cv::Point2f from = Centroid(thing.mask);
    return CloneMoved(thing, from + cv::Point2f(dx, dy), 1, 0, rng.Chance(0.3), picture);
}

// The thing made larger where it stands (larger only: a smaller one would leave its old edge showing).
bool Resize(const PhotoRegion& thing, Rng& rng, cv::Mat& picture) {
    return CloneMoved(thing, Centroid(thing.mask), rng.Real(kMinResize, kMaxResize), 0, false, picture);
}

// Something taken from elsewhere in the photo, scaled, turned or mirrored, put in the calm place.
bool Add(const PhotoRegion& calm, const std::vector<const PhotoRegion*>& things, Rng& rng, cv::Mat& picture) {
    std::vector<const PhotoRegion*> fit;
    for (const PhotoRegion* t : things) {
        if ((t->box & calm.box).area() == 0 && std::max(t->box.width, t->box.height) <= 2 * calm.box.width)
            fit.push_back(t);
    }
    if (fit.empty()) return false;
    const PhotoRegion& thing = *rng.Pick(fit);
    const double fitted = double(calm.box.width) / std::max(thing.box.width, thing.box.height);
    const double scale = std::min(rng.Real(kMinAddScale, kMaxAddScale), fitted);
    const cv::Point2f to(calm.box.x + calm.box.width / 2.0f, calm.box.y + calm.box.height / 2.0f);
    return CloneMoved(thing, to, scale, rng.Real(-kMaxTurn, kMaxTurn), rng.Chance(0.5), picture);
}
} // namespace

const char* PhotoEditName(PhotoEdit edit) {
    static const char* const kNames[] = {"recoloured", "removed", "copied", "resized", "mirrored", "added"};
    return kNames[int(edit)];
}

const std::vector<PhotoEdit>& EditsFor(PlaceKind kind) {
    static const std::vector<PhotoEdit> kThing = {PhotoEdit::Recolour, PhotoEdit::Remove, PhotoEdit::Copy,
                                                  PhotoEdit::Resize, PhotoEdit::Mirror};
    static const std::vector<PhotoEdit> kCalm = {PhotoEdit::Add, PhotoEdit::Recolour};
    return kind == PlaceKind::Calm ? kCalm : kThing;
}

bool ApplyEdit(PhotoEdit edit, const PhotoRegion& place, const std::vector<const PhotoRegion*>& things,
               Rng& rng, cv::Mat& picture) {
    switch (edit) {
    case PhotoEdit::Recolour:
        return place.kind == PlaceKind::Calm ? TintPatch(place, rng, picture)
                                             : Recolour(place, false, kFeather, rng, picture);
    case PhotoEdit::Remove:
        return Remove(place, picture);
    case PhotoEdit::Copy:
        return Copy(place, rng, picture);
    case PhotoEdit::Resize:
        return Resize(place, rng, picture);
    case PhotoEdit::Mirror:
        return Mirror(place, picture);
    case PhotoEdit::Add:
        return Add(place, things, rng, picture);
    default:
        return false;
    }
}
