#include "tools/packgen/PatchFill.h"

#include <algorithm>
#include <limits>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace {
constexpr int kRingWidth = 5;   // the surroundings compared: a ring this wide around the hole
constexpr int kStep = 3;        // shifts tried on a grid this fine
constexpr int kSampleEvery = 3; // every third ring pixel is compared: as telling, and faster
constexpr int kMinReach = 40;   // shifts up to this far, or three times the hole's size if larger
// The source's own detail should match its surroundings' (no second thing inside it): its texture
// difference weighs this much against the ring's colour difference.
constexpr double kDetailWeight = 4.0;
constexpr int kFinalists = 12; // best rings whose insides are then compared

struct Candidate {
    cv::Point shift;
    double ring = 0;
};

// Mean absolute Laplacian inside the mask: how much fine detail a part holds.
double DetailIn(const cv::Mat& detail, const cv::Mat& mask) {
    return cv::mean(detail, mask)[0];
}
} // namespace

bool FindFillSource(const cv::Mat& picture, const cv::Mat& hole, cv::Point& shift) {
    const cv::Rect box = cv::boundingRect(hole);
    if (box.empty()) return false;
    cv::Mat grown;
    cv::dilate(hole, grown, cv::Mat(), cv::Point(-1, -1), kRingWidth);
    const cv::Mat ring = grown - hole;
    const cv::Rect outer = cv::boundingRect(grown);
    std::vector<cv::Point> samples;
    for (int y = outer.y; y < outer.y + outer.height; ++y)
        for (int x = outer.x; x < outer.x + outer.width; ++x)
            if (ring.at<uchar>(y, x) && (x + y) % kSampleEvery == 0) samples.emplace_back(x, y);
    const int reach = std::max(kMinReach, 3 * std::max(box.width, box.height));
    const cv::Rect picturePart(0, 0, picture.cols, picture.rows);
    std::vector<Candidate> candidates;
    for (int dy = -reach; dy <= reach; dy += kStep) {
        for (int dx = -reach; dx <= reach; dx += kStep) {
            const cv::Rect source = outer + cv::Point(dx, dy);
            // The source and its ring lie inside the picture and clear of the hole's surroundings.
            if ((source & picturePart) != source || (source & outer).area() > 0) continue;
            double sum = 0;
            for (const cv::Point& p : samples) {
                const cv::Vec3b& a = picture.at<cv::Vec3b>(p);
                const cv::Vec3b& b = picture.at<cv::Vec3b>(p.y + dy, p.x + dx);
                for (int c = 0; c < 3; ++c) sum += (a[c] - b[c]) * (a[c] - b[c]);
            }
            candidates.push_back({{dx, dy}, sum / double(samples.size())});
        }
    }
    if (candidates.empty()) return false;
    const size_t finalists = std::min<size_t>(kFinalists, candidates.size());
    std::partial_sort(candidates.begin(), candidates.begin() + finalists, candidates.end(),
                      [](const Candidate& a, const Candidate& b) { return a.ring < b.ring; });
    cv::Mat grey, laplacian, detail;
    cv::cvtColor(picture, grey, cv::COLOR_RGB2GRAY);
    cv::Laplacian(grey, laplacian, CV_32F);
    detail = cv::abs(laplacian);
    const double wanted = DetailIn(detail, ring);
    double best = std::numeric_limits<double>::max();
    for (size_t i = 0; i < finalists; ++i) {
        cv::Mat moved = cv::Mat::zeros(hole.size(), CV_8U);
        const cv::Rect from = outer + candidates[i].shift;
        hole(outer).copyTo(moved(from));
        const double texture = DetailIn(detail, moved) - wanted;
        const double score = candidates[i].ring + kDetailWeight * texture * texture;
        if (score < best) best = score, shift = candidates[i].shift;
    }
    return true;
}
