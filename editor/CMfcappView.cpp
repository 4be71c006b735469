#include "editor/CMfcappView.h"

#include <QCoreApplication>
#include <cstdlib>

#include "codecs/BmpFile.h"
#include "codecs/GifFile.h"
#include "codecs/RgbRows.h"
#include "common/MapFile.h"
#include "common/MapPath.h"
#include "editor/GameLauncher.h"
#include "editor/PairPicture.h"
#include "platform/MessageBox.h"
#include "tools/pairs/DifferenceFinder.h"
#include "tools/pairs/Verifier.h"

namespace {
constexpr const char* kStartupPicture = "sample.jpg";
constexpr const char* kStartupMap = "sample.map";

// Map records are picture pixels, the view's rectangles view pixels. The shift wraps like the 32-bit
// integers it works on, so any file, however odd its values, saves back to the same bytes.
int32_t Shift(int32_t value, int32_t by) {
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(by));
}

// The message with the path's own bytes in place of %1: the path is not passed through Qt's strings,
// which would replace bytes that are not UTF-8.
std::string WithPath(const QString& message, const std::string& path) {
    std::string text = message.toStdString();
    const size_t at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, path);
    return text;
}
} // namespace

void CMfcappView::Show(const std::string& text) {
    messages_.Show(kCaption, text);
}

void CMfcappView::LoadStartup() {
    LoadPictureJpeg(kStartupPicture);
    m_mapPath = kStartupMap;
    LoadMap();
}

bool CMfcappView::OpenPicture(const std::string& path) {
    const std::string mapPath = MapPathFor(path);
    if (mapPath.size() > kMaxMapPath) {
        Show("mapfile path too long...");
        return false;
    }
    m_rects = {};
    m_mapPath = mapPath;
    LoadMap();
    const std::string ending = path.size() >= 4 ? path.substr(path.size() - 4) : "";
    if (ending == ".JPG" || ending == ".jpg") return LoadPictureJpeg(path);
    if (ending == ".GIF" || ending == ".gif") return LoadPictureGif(path);
    if (ending == ".BMP" || ending == ".bmp") return LoadPictureBmp(path);
    return true; // any other ending keeps the picture: only the map of the new name was loaded
}

bool CMfcappView::LoadMap() {
    m_origin = {};
    m_strayRects.clear();
    std::vector<uint8_t> bytes;
    if (!ReadMapFile(m_mapPath, bytes)) {
        Show("mapfile open error...");
        return false;
    }
    const MapRecords map = DecodeMap(bytes);
    const int complete = CompleteMapRecords(bytes.size());
    for (int k = 0; k < kRects; ++k) {
        const MapRect& r = map[k];
        // Records a short file does not hold whole are empty rectangles.
        m_rects[k] = k < complete ? InView(r) : ViewRect{};
    }
    return true;
}

ViewRect CMfcappView::InView(const MapRect& r) const {
    return {Shift(r.left, m_origin.x), Shift(r.top, m_origin.y), Shift(r.right, m_origin.x),
            Shift(r.bottom, m_origin.y)};
}

MapRecords CMfcappView::PictureRects() const {
    MapRecords map;
    for (int k = 0; k < kRects; ++k) {
        const ViewRect& r = m_rects[k];
        map[k] = {Shift(r.left, -m_origin.x), Shift(r.top, -m_origin.y), Shift(r.right, -m_origin.x),
                  Shift(r.bottom, -m_origin.y)};
    }
    return map;
}

bool CMfcappView::SaveMap() {
    const MapRecords map = PictureRects();
    std::string error;
    const Written written = WriteMapFile(m_mapPath, map, error);
    if (written == Written::No) {
        Show("mapfile write error...");
        return false;
    }
    // The one Korean message: Korean is its source text, translation files give the other languages.
    Show(WithPath(QCoreApplication::translate("CMfcappView", "%1로 저장 되었습니다."), m_mapPath) +
         (written == Written::InPlace ? kWrittenInPlace : ""));
    return true;
}

void CMfcappView::TestMap(const std::string& programDir) {
    SaveMap(); // a failed save does not stop the launch
    const int error = StartGame(m_mapPath, programDir);
    if (error != 0) Show("ZOR.EXE Open error " + std::to_string(error));
}

bool CMfcappView::RequirePair() {
    if (IsPairPicture(m_picture)) return true;
    Show(std::string(kNotAPair) + " (this one is " + std::to_string(m_picture.m_width) + " x " +
         std::to_string(m_picture.m_height) + ").");
    return false;
}

bool CMfcappView::CheckPair() {
    m_strayRects.clear();
    if (!RequirePair()) return false;
    const PairReport report = VerifyPair(StagePicture(m_picture), PictureRects());
    m_strayRects = report.strayRects;
    Show(std::string(report.Ok() ? "The pair is fair.\n" : "The pair is not fair.\n") + report.Summary());
    return true;
}

bool CMfcappView::SuggestRects() {
    if (!RequirePair()) return false;
    const std::vector<MapRect> found = SuggestRectangles(StagePicture(m_picture));
    if (found.empty()) {
        // The rectangles already drawn stay: an author may have marked what the finder cannot see.
        Show(kNothingDiffers);
        return true;
    }
    for (int k = 0; k < kRects; ++k) m_rects[k] = k < int(found.size()) ? InView(found[k]) : ViewRect{};
    m_active = int(found.size()) - 1;
    m_strayRects.clear();
    return true;
}

void CMfcappView::ShowDifferences(bool on) {
    m_differences.clear();
    m_showDifferences = on && RequirePair();
    if (m_showDifferences) m_differences = FindDifferingPixels(StagePicture(m_picture));
}

void CMfcappView::PictureChanged() {
    m_strayRects.clear();
    m_differences.clear();
    m_showDifferences = m_showDifferences && IsPairPicture(m_picture);
    if (m_showDifferences) m_differences = FindDifferingPixels(StagePicture(m_picture));
}

bool CMfcappView::LoadPictureJpeg(const std::string& path) {
    bool loaded = false;
    {
        // The JPEG reader shows its messages itself; the message box shows the ordinary pointer.
        const BusyScope busy(busy_);
        loaded = m_picture.LoadJpeg(path.c_str(), kPictureLimits);
    }
    PictureChanged();
    return loaded;
}

// A failed read shows the reader's text and keeps the previous picture.
bool CMfcappView::LoadPictureGif(const std::string& path) {
    GifFile gif;
    uint32_t width = 0, height = 0;
    std::unique_ptr<uint8_t[]> packed;
    {
        const BusyScope busy(busy_);
        packed = gif.GIFRead(path.c_str(), &width, &height);
    }
    if (!packed) {
        Show(gif.m_errorText);
        return false;
    }
    const bool loaded = m_picture.TakePackedRgb(std::move(packed), width, height);
    PictureChanged();
    return loaded;
}

// The reader shows its own messages; a file it refuses leaves the previous picture.
bool CMfcappView::LoadPictureBmp(const std::string& path) {
    bool loaded = false;
    {
        const BusyScope busy(busy_);
        loaded = LoadBmp(path.c_str(), *this) && m_picture.m_pImage;
    }
    PictureChanged();
    return loaded;
}

void CMfcappView::ReplacePixels(uint32_t width, uint32_t height, std::unique_ptr<uint8_t[]> packedBgr) {
    m_picture.m_width = width;
    m_picture.m_height = height;
    m_picture.m_rowBytes = 0;
    m_picture.m_pImage.reset();
    if (!packedBgr) return;
    m_picture.m_pImage = AlignRows(packedBgr.get(), width, height, m_picture.m_rowBytes);
    if (!m_picture.m_pImage) m_picture.m_rowBytes = 0;
}

void CMfcappView::LeftDown(int x, int y) {
    m_active = m_active + 1 > kRects - 1 ? 0 : m_active + 1;
    m_dragging = 1;
    m_rects[m_active] = {x, y, x, y};
    m_strayRects.clear();
}

bool CMfcappView::MouseMove(int x, int y) {
    if (!m_dragging) return false;
    m_rects[m_active].right = x;
    m_rects[m_active].bottom = y;
    // About every second move repaints, each in a new frame colour.
    return std::rand() % 2 == 0;
}

void CMfcappView::LeftUp() {
    m_dragging = 0;
}

void CMfcappView::RightDown(int x, int y) {
    for (ViewRect& r : m_rects)
        if (r.Contains(x, y)) {
            r = {};
            m_strayRects.clear();
        }
}
