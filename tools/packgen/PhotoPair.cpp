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
constexpr int kRegionSearches = 40; // seeds tried to find a region for one change
constexpr int kMaxPhotoSide = 8192;
constexpr int kMargin = 3;             // the rectangle reaches this far past the changed pixels
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
bool ChangedRect(const RgbImage& before, const RgbImage& after, MapRect& rect) {
    int x0 = kPictureWidth, y0 = kPictureHeight, x1 = -1, y1 = -1;
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const Rgb a = before.At(x, y), b = after.At(x, y);
            if (a == b || DeltaE(ToLab(a), ToLab(b)) < kChangedDeltaE) continue;
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
bool PassesSoFar(const cv::Mat& left, const cv::Mat& right, const DifferenceMap& map, int count,
                 std::vector<uint8_t>& jpeg) {
    jpeg = EncodeJpeg(ComposeStage(ToImage(left), ToImage(right)), kPackJpegQuality);
    RgbImage decoded;
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

// A region clear of the rectangles made so far, or none when every one is near them.
const PhotoRegion* PickRegion(const std::vector<PhotoRegion>& regions, const std::vector<cv::Rect>& taken,
                              Rng& rng) {
    std::vector<const PhotoRegion*> free;
    for (const PhotoRegion& r : regions) {
        if (std::none_of(taken.begin(), taken.end(),
                         [&](const cv::Rect& t) { return (t & r.box).area() > 0; }))
            free.push_back(&r);
    }
    return free.empty() ? nullptr : rng.Pick(free);
}

// The kind of the next change: the kinds take turns, and a change that failed gives way to the next kind.
PhotoEdit NextEdit(int made, int tries) {
    return PhotoEdit((made + tries) % int(PhotoEdit::Count));
}
} // namespace

bool MakePhotoPair(const RgbImage& photo, const PhotoCrop& crop, uint64_t seed, PhotoPair& out,
                   std::string& error) {
    cv::Mat left;
    if (!FitPhoto(photo, crop, left, error)) return false;
    const std::vector<PhotoRegion> regions = FindRegions(left);
    if (regions.empty()) {
        error = "no shapes that stand out from their surroundings";
        return false;
    }
    cv::Mat right = left.clone();
    PhotoPair pair;
    pair.map.fill(kUnused);
    Rng rng(seed);
    int made = 0;
    for (; made < kDifferences && pair.tries < kMaxPhotoTries; ++pair.tries) {
        const PhotoEdit edit = NextEdit(made, pair.tries);
        const PhotoRegion* picked = PickRegion(regions, Taken(pair.map, made), rng);
        if (!picked) break;
        const PhotoRegion& region = *picked;
        cv::Mat trial = right.clone();
        MapRect rect;
        if (!ApplyEdit(edit, region, rng, trial) || !ChangedRect(ToImage(right), ToImage(trial), rect) ||
            !FarFrom(rect, pair.map, made)) {
            continue;
        }
        DifferenceMap map = pair.map;
        map[made] = rect;
        if (!PassesSoFar(left, trial, map, made + 1, pair.jpeg)) continue;
        right = trial;
        pair.map = map;
        pair.edits[made++] = PhotoEditName(edit);
    }
    if (made < kDifferences) {
        error = "only " + std::to_string(made) + " fair differences in " + std::to_string(kMaxPhotoTries) +
                " tries; a photo with more distinct shapes, or another --seed, may do";
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
    s << "; " << pair.tries << " tries\n";
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
    if (photos.size() < size_t(kPicturesPerPack)) {
        error =
            "a pack holds ten pairs; " + directory + " has " + std::to_string(photos.size()) + " JPEG photos";
        return false;
    }
    std::sort(photos.begin(), photos.end());
    ArchiveWriter writer;
    for (int i = 0; i < kPicturesPerPack; ++i) {
        PhotoPair pair;
        if (!MakePhotoPairFromFile(photos[i].string(), crop, MixSeed(seed, uint64_t(i)), pair, error))
            return false;
        const std::string stem = PackEntryStem(i);
        if (!writer.Add(stem + ".jpg", pair.jpeg) || !writer.Add(stem + ".map", EncodeMap(pair.map))) {
            error = writer.Error();
            return false;
        }
        out << photos[i].filename().string() << " -> " << stem << ".jpg: " << DescribePhotoPair(pair);
    }
    archive = writer.Build();
    return true;
}
