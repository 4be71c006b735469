#include "tools/packgen/PhotoPair.h"

#include <algorithm>
#include <filesystem>
#include <opencv2/imgproc.hpp>
#include <ostream>
#include <sstream>

#include "tools/common/ArchiveWriter.h"
#include "tools/packgen/JpegIo.h"
#include "tools/packgen/PackBuilder.h"
#include "tools/packgen/PairFiles.h"
#include "tools/packgen/PhotoEdits.h"
#include "tools/packgen/Renderer.h"
#include "tools/pairs/Verifier.h"

namespace fs = std::filesystem;

namespace {
using namespace pair_layout;

constexpr int kMaxPhotoTries = 150; // changes tried before the photo is given up
constexpr double kCalmShare = 0.3;  // of the changes, about this many go to calm places when there are some
constexpr int kMargin = 3;          // the rectangle reaches this far past the changed pixels
constexpr float kChangedDeltaE = 3.0f; // a pixel changed when it moved this far
constexpr int kGap = 10;               // pixels kept free between two rectangles
constexpr MapRect kUnused{0, 0, -1, -1};

// The image's pixels seen as an OpenCV matrix, without a copy; only read through it.
cv::Mat View(const RgbImage& image) {
    return cv::Mat(image.height, image.width, CV_8UC3, const_cast<uint8_t*>(image.pixels.data()));
}

RgbImage ToImage(const cv::Mat& mat) {
    RgbImage image(mat.cols, mat.rows);
    for (int y = 0; y < mat.rows; ++y)
        std::copy_n(mat.ptr<uint8_t>(y), mat.cols * 3, &image.pixels[size_t(y) * mat.cols * 3]);
    return image;
}

bool FitPhoto(const RgbImage& photo, const PhotoCrop& crop, cv::Mat& picture, std::string& error) {
    cv::Rect part;
    if (crop.given) {
        part = {crop.x, crop.y, crop.width, crop.height};
        if ((part & cv::Rect(0, 0, photo.width, photo.height)) != part) {
            error = "the crop lies outside the " + std::to_string(photo.width) + "x" +
                    std::to_string(photo.height) + " photo";
            return false;
        }
    } else {
        // The largest part of the picture's shape (300:400), centred.
        const int width = std::min(photo.width, photo.height * kPictureWidth / kPictureHeight);
        const int height = std::min(photo.height, width * kPictureHeight / kPictureWidth);
        part = {(photo.width - width) / 2, (photo.height - height) / 2, width, height};
    }
    if (part.width < kPictureWidth / 4 || part.height < kPictureHeight / 4) {
        error = "the photo (or its crop) is too small; it needs at least 75x100 pixels";
        return false;
    }
    cv::resize(View(photo)(part), picture, cv::Size(kPictureWidth, kPictureHeight), 0, 0, cv::INTER_AREA);
    return true;
}

// The changed pixels' box with the margin, at least the smallest fair side; false when nothing changed.
bool ChangedRect(const cv::Mat& before, const cv::Mat& after, MapRect& rect) {
    int x0 = kPictureWidth, y0 = kPictureHeight, x1 = -1, y1 = -1;
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const cv::Vec3b p = before.at<cv::Vec3b>(y, x), q = after.at<cv::Vec3b>(y, x);
            if (p == q) continue;
            const Rgb a{p[0], p[1], p[2]}, b{q[0], q[1], q[2]};
            if (DeltaE(ToLab(a), ToLab(b)) < kChangedDeltaE) continue;
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    }
    if (x1 < 0) return false;
    auto frame = [](int& lo, int& hi, int limit) {
        lo -= kMargin, hi += kMargin;
        while (hi - lo + 1 < fairness::kMinSide) --lo, ++hi;
        lo = std::max(lo, 0), hi = std::min(hi, limit - 1);
    };
    frame(x0, x1, kPictureWidth);
    frame(y0, y1, kPictureHeight);
    rect = {x0 + kLeftX, y0 + kTopY, x1 + kLeftX, y1 + kTopY};
    return true;
}

bool FarFrom(const MapRect& r, const DifferenceMap& map, int count) {
    for (int k = 0; k < count; ++k) {
        const MapRect& o = map[k];
        if (!(r.right + kGap < o.left || o.right + kGap < r.left || r.bottom + kGap < o.top ||
              o.bottom + kGap < r.top)) {
            return false;
        }
    }
    return true;
}

// The pair as the game will show it: encoded, decoded, then verified on the rectangles made so far.
bool PassesSoFar(const RgbImage& left, const cv::Mat& right, const DifferenceMap& map, int count,
                 std::vector<uint8_t>& jpeg, RgbImage& decoded) {
    jpeg = EncodeJpeg(ComposeStage(left, ToImage(right)), kPackJpegQuality);
    std::string ignored;
    if (!DecodeJpeg(jpeg, kImageWidth, decoded, ignored)) return false;
    const PairReport report = VerifyPair(decoded, map);
    if (!report.OutsideOk()) return false;
    for (int k = 0; k < count; ++k) {
        if (!report.rects[k].Ok()) return false;
    }
    return true;
}

// The rectangles made so far with the gap around them, picture coordinates.
std::vector<cv::Rect> Taken(const DifferenceMap& map, int count) {
    std::vector<cv::Rect> taken;
    for (int k = 0; k < count; ++k) {
        const MapRect& r = map[k];
        taken.emplace_back(r.left - kLeftX - kGap, r.top - kTopY - kGap, r.right - r.left + 1 + 2 * kGap,
                           r.bottom - r.top + 1 + 2 * kGap);
    }
    return taken;
}

// A place clear of the rectangles made so far, or none when every one is near them; a calm place about
// as often as kCalmShare says, when there are both kinds.
const PhotoRegion* PickPlace(const std::vector<PhotoRegion>& places, const std::vector<cv::Rect>& taken,
                             Rng& rng) {
    std::vector<const PhotoRegion*> free[2];
    for (const PhotoRegion& r : places) {
        if (std::none_of(taken.begin(), taken.end(),
                         [&](const cv::Rect& t) { return (t & r.box).area() > 0; }))
            free[r.kind == PlaceKind::Calm].push_back(&r);
    }
    const bool calm = free[0].empty() || (!free[1].empty() && rng.Chance(kCalmShare));
    return free[calm].empty() ? nullptr : rng.Pick(free[calm]);
}

// The kind of the next change: the kinds a place takes have turns, and a change that failed gives way to
// the next kind.
PhotoEdit NextEdit(const PhotoRegion& place, int made, int tries) {
    const std::vector<PhotoEdit>& kinds = EditsFor(place.kind);
    return kinds[size_t(made + tries) % kinds.size()];
}

std::vector<const PhotoRegion*> Things(const std::vector<PhotoRegion>& places) {
    std::vector<const PhotoRegion*> things;
    for (const PhotoRegion& p : places)
        if (p.kind == PlaceKind::Thing) things.push_back(&p);
    return things;
}

std::string MadeSoFar(const PhotoPair& pair, int made) {
    std::string list;
    for (int k = 0; k < made; ++k) list += std::string(k ? ", " : " (") + pair.edits[k];
    return made ? list + ")" : "";
}
} // namespace

bool MakePhotoPair(const RgbImage& photo, const PhotoCrop& crop, uint64_t seed, PhotoPair& out,
                   std::string& error) {
    cv::Mat left;
    if (!FitPhoto(photo, crop, left, error)) return false;
    const std::vector<PhotoRegion> places = FindPlaces(left);
    const std::vector<const PhotoRegion*> things = Things(places);
    if (things.empty()) {
        error = "no shapes that stand out from their surroundings, and so nothing to copy into its calm "
                "parts";
        return false;
    }
    const RgbImage leftImage = ToImage(left);
    cv::Mat right = left.clone();
    PhotoPair pair;
    pair.map.fill(kUnused);
    Rng rng(seed);
    int made = 0;
    RgbImage decoded;
    std::vector<uint8_t> jpeg;
    for (; made < kDifferences && pair.tries < kMaxPhotoTries; ++pair.tries) {
        const PhotoRegion* place = PickPlace(places, Taken(pair.map, made), rng);
        if (!place) break;
        const PhotoEdit edit = NextEdit(*place, made, pair.tries);
        cv::Mat trial = right.clone();
        MapRect rect;
        if (!ApplyEdit(edit, *place, things, rng, trial) || !ChangedRect(right, trial, rect) ||
            !FarFrom(rect, pair.map, made)) {
            continue;
        }
        DifferenceMap map = pair.map;
        map[made] = rect;
        if (!PassesSoFar(leftImage, trial, map, made + 1, jpeg, decoded)) continue;
        ++pair.fairEdits;
        const BlendFigures blend = MeasureBlend(decoded, rect);
        if (!blend.Blends()) continue;
        ++pair.blendingEdits;
        right = trial;
        pair.map = map;
        pair.jpeg = jpeg;
        pair.blend[made] = blend;
        pair.edits[made++] = PhotoEditName(edit);
    }
    if (made < kDifferences) {
        error = "only " + std::to_string(made) + " fair differences" + MadeSoFar(pair, made) + " in " +
                std::to_string(pair.tries) + " tries (" +
                std::to_string(pair.fairEdits - pair.blendingEdits) +
                " more were fair but showed their edges); a photo with more distinct things, or another "
                "--seed, may do";
        out.tries = pair.tries, out.fairEdits = pair.fairEdits, out.blendingEdits = pair.blendingEdits;
        return false;
    }
    out = std::move(pair);
    return true;
}

bool MakePhotoPairFromFile(const std::string& path, const PhotoCrop& crop, uint64_t seed, PhotoPair& out,
                           std::string& error) {
    PairFile file;
    if (!ReadPairPicture(path, file, error)) return false;
    if (!MakePhotoPair(file.stage, crop, seed, out, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

std::string DescribePhotoPair(const PhotoPair& pair) {
    std::ostringstream s;
    for (size_t k = 0; k < pair.map.size(); ++k) {
        const MapRect& r = pair.map[k];
        s << (k ? ", " : "") << pair.edits[k] << " (" << r.left << "," << r.top << ")-(" << r.right << ","
          << r.bottom << ")";
    }
    s << "; " << pair.tries << " tries, " << pair.blendingEdits << " of " << pair.fairEdits
      << " fair changes blended\n";
    return s.str();
}

bool BuildPhotoPack(const std::string& directory, const PhotoCrop& crop, uint64_t seed,
                    std::vector<uint8_t>& archive, std::ostream& out, std::string& error) {
    std::vector<fs::path> photos;
    std::error_code ec;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        std::string extension = it->path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (it->is_regular_file(ec) && (extension == ".jpg" || extension == ".jpeg"))
            photos.push_back(it->path());
    }
    if (ec) {
        error = "cannot list " + directory + ": " + ec.message();
        return false;
    }
    std::sort(photos.begin(), photos.end());
    ArchiveWriter writer;
    int made = 0;
    std::string skipped;
    for (size_t i = 0; i < photos.size() && made < kPicturesPerPack; ++i) {
        PhotoPair pair;
        std::string reason;
        const std::string name = photos[i].filename().string();
        // Each photo has its own stream of places, whichever photos before it were skipped.
        if (!MakePhotoPairFromFile(photos[i].string(), crop, MixSeed(seed, uint64_t(i)), pair, reason)) {
            const std::string prefix = photos[i].string() + ": ";
            if (reason.compare(0, prefix.size(), prefix) == 0) reason.erase(0, prefix.size());
            out << "skipped " << name << ": " << reason << "\n";
            skipped += "\n  " + name;
            continue;
        }
        const std::string stem = PackEntryStem(made++);
        if (!writer.Add(stem + ".jpg", pair.jpeg) || !writer.Add(stem + ".map", EncodeMap(pair.map))) {
            error = writer.Error();
            return false;
        }
        out << name << " -> " << stem << ".jpg: " << DescribePhotoPair(pair);
    }
    if (made < kPicturesPerPack) {
        error = "a pack holds ten pairs; " + std::to_string(made) + " could be made from the " +
                std::to_string(photos.size()) + " JPEG photos of " + directory +
                (skipped.empty() ? "" : "; skipped (reasons above):" + skipped);
        return false;
    }
    archive = writer.Build();
    return true;
}
