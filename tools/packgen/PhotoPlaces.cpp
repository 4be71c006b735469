#include "tools/packgen/PhotoPlaces.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>

#include "tools/pairs/Colour.h"

namespace {
// Segments.
constexpr double kSpatialRadius = 9; // mean-shift smoothing: pixels this close ...
constexpr double kColourRadius = 18; // ... and this alike in colour are pulled together
constexpr int kFloodTolerance = 10;  // a region grows over neighbours this close to the seed's colour
constexpr int kRingWidth = 4;        // what surrounds a region: a ring this wide around it ...
constexpr float kMinContrast = 18;   // ... from which a thing differs at least this much (delta E)
// Every thing.
constexpr int kMinArea = 100;  // pixels: smaller regions make changes too small to see
constexpr int kMaxArea = 5000; // larger ones make rectangles too large to be fair
constexpr int kMinSide = 14;
constexpr int kMaxSide = 110;
constexpr int kEdgeMargin = 6; // places stay this far inside the picture
// Details: how far a spot's colour (lightly blurred) lies from its neighbourhood's (much blurred).
constexpr double kSpotSigma = 1.5, kNeighbourhoodSigma = 10;
constexpr float kSpotStrengths[] = {14, 22, 34}; // delta E
// In a misty or dim photo the strongest spots are weaker: the strengths that only these shares of the
// picture's pixels reach are tried too, down to the least strength a player sees.
constexpr double kSpotShares[] = {0.97, 0.99, 0.997};
constexpr float kMinSpotStrength = 6;
constexpr int kSpotGrow = 2;     // a spot's mask reaches this far past its strong core
constexpr double kSameBox = 0.6; // a detail sharing this much of a found box is the same
// A spot too large to be one thing (a horizon, a line of reeds, a road's edge) is cut into pieces of
// this side, each a thing of its own.
constexpr int kPieceSide = 56;
// Calm places: squares whose lightness varies this little, on a grid.
constexpr int kCalmSide = 48;
constexpr int kCalmStep = 24;
constexpr float kCalmStdDev = 3.5f; // L* units
constexpr int kCalmWindow = 41;     // the variation is measured over this window

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

cv::Rect Inside(const cv::Mat& picture, int margin) {
    return {margin, margin, picture.cols - 2 * margin, picture.rows - 2 * margin};
}

bool FitForThing(const cv::Rect& box, int area, const cv::Rect& inside) {
    return area >= kMinArea && area <= kMaxArea && (box & inside) == box &&
           std::min(box.width, box.height) >= kMinSide && std::max(box.width, box.height) <= kMaxSide;
}

// The outline of the set pixels of `part` (placed at `origin`) filled: a thing's inner parts of other
// colours (a flower's heart) belong to it.
cv::Mat FilledMask(const cv::Mat& part, cv::Point origin, cv::Size size) {
    std::vector<std::vector<cv::Point>> outline;
    cv::findContours(part, outline, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE, origin);
    cv::Mat mask = cv::Mat::zeros(size, CV_8U);
    cv::drawContours(mask, outline, -1, cv::Scalar(255), cv::FILLED);
    return mask;
}

double SharedShare(const cv::Rect& a, const cv::Rect& b) {
    return double((a & b).area()) / std::min(a.area(), b.area());
}

std::vector<float> SpotLevels(const cv::Mat& strength) {
    std::vector<float> levels(std::begin(kSpotStrengths), std::end(kSpotStrengths));
    std::vector<float> values(strength.begin<float>(), strength.end<float>());
    for (const double share : kSpotShares) {
        const auto nth = values.begin() + ptrdiff_t(share * double(values.size() - 1));
        std::nth_element(values.begin(), nth, values.end());
        if (*nth >= kMinSpotStrength && *nth < kSpotStrengths[0]) levels.push_back(*nth);
    }
    return levels;
}
} // namespace

cv::Mat LabOf(const cv::Mat& picture) {
    cv::Mat scaled, lab;
    picture.convertTo(scaled, CV_32FC3, 1.0 / 255);
    cv::cvtColor(scaled, lab, cv::COLOR_RGB2Lab);
    return lab;
}

std::vector<PhotoRegion> FindSegments(const cv::Mat& picture) {
    cv::Mat smoothed;
    cv::pyrMeanShiftFiltering(picture, smoothed, kSpatialRadius, kColourRadius);
    const cv::Rect inside = Inside(picture, kEdgeMargin);
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
            if (!FitForThing(box, area, inside)) continue;
            const cv::Mat mask = FilledMask(inBox, box.tl(), picture.size());
            if (Contrast(smoothed, mask) >= kMinContrast) regions.push_back({mask, box, area});
        }
    }
    return regions;
}

std::vector<PhotoRegion> FindDetails(const cv::Mat& picture) {
    const cv::Mat lab = LabOf(picture);
    cv::Mat spot, neighbourhood;
    cv::GaussianBlur(lab, spot, cv::Size(), kSpotSigma);
    cv::GaussianBlur(lab, neighbourhood, cv::Size(), kNeighbourhoodSigma);
    cv::Mat difference = spot - neighbourhood, strength;
    difference = difference.mul(difference);
    cv::transform(difference, strength, cv::Matx13f(1, 1, 1));
    cv::sqrt(strength, strength);
    const cv::Rect inside = Inside(picture, kEdgeMargin);
    std::vector<PhotoRegion> details;
    for (const float level : SpotLevels(strength)) {
        cv::Mat core = strength > level, grown, labels, stats, centres;
        cv::dilate(core, grown, cv::Mat(), cv::Point(-1, -1), kSpotGrow);
        const int count = cv::connectedComponentsWithStats(grown, labels, stats, centres, 8, CV_32S);
        for (int i = 1; i < count; ++i) {
            const cv::Rect whole(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                                 stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
            const bool large = stats.at<int>(i, cv::CC_STAT_AREA) > kMaxArea ||
                               std::max(whole.width, whole.height) > kMaxSide;
            const int side = large ? kPieceSide : std::max(whole.width, whole.height);
            for (int y = whole.y; y < whole.y + whole.height; y += side) {
                for (int x = whole.x; x < whole.x + whole.width; x += side) {
                    const cv::Rect cell = cv::Rect(x, y, side, side) & whole;
                    const cv::Mat part = labels(cell) == i;
                    const cv::Rect found = cv::boundingRect(part) + cell.tl();
                    const int area = cv::countNonZero(part);
                    if (!FitForThing(found, area, inside)) continue;
                    if (std::any_of(details.begin(), details.end(), [&](const PhotoRegion& d) {
                            return SharedShare(d.box, found) > kSameBox;
                        }))
                        continue;
                    const cv::Mat mask = FilledMask(part, cell.tl(), picture.size());
                    details.push_back({mask, found, area});
                }
            }
        }
    }
    return details;
}

std::vector<PhotoRegion> FindCalmPlaces(const cv::Mat& picture) {
    const cv::Mat lab = LabOf(picture);
    cv::Mat lightness, mean, meanOfSquares;
    cv::extractChannel(lab, lightness, 0);
    cv::boxFilter(lightness, mean, CV_32F, cv::Size(kCalmWindow, kCalmWindow));
    cv::boxFilter(lightness.mul(lightness), meanOfSquares, CV_32F, cv::Size(kCalmWindow, kCalmWindow));
    const cv::Rect inside = Inside(picture, kEdgeMargin);
    std::vector<PhotoRegion> calm;
    for (int y = kCalmSide / 2 + kEdgeMargin; y + kCalmSide / 2 + kEdgeMargin < picture.rows;
         y += kCalmStep) {
        for (int x = kCalmSide / 2 + kEdgeMargin; x + kCalmSide / 2 + kEdgeMargin < picture.cols;
             x += kCalmStep) {
            const float m = mean.at<float>(y, x);
            const float variance = meanOfSquares.at<float>(y, x) - m * m;
            if (variance > kCalmStdDev * kCalmStdDev) continue;
            const cv::Rect box(x - kCalmSide / 2, y - kCalmSide / 2, kCalmSide, kCalmSide);
            if ((box & inside) != box) continue;
            cv::Mat mask = cv::Mat::zeros(picture.size(), CV_8U);
            mask(box) = 255;
            calm.push_back({mask, box, box.area(), PlaceKind::Calm});
        }
    }
    return calm;
}

std::vector<PhotoRegion> FindPlaces(const cv::Mat& picture) {
    std::vector<PhotoRegion> places = FindSegments(picture);
    for (PhotoRegion& detail : FindDetails(picture)) {
        const bool known = std::any_of(places.begin(), places.end(), [&](const PhotoRegion& p) {
            return SharedShare(p.box, detail.box) > kSameBox;
        });
        if (!known) places.push_back(std::move(detail));
    }
    for (PhotoRegion& calm : FindCalmPlaces(picture)) places.push_back(std::move(calm));
    return places;
}
