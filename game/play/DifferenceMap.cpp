#include "game/play/DifferenceMap.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "common/MapFile.h"
#include "game/control/Random.h"
#include "game/gfx/Archive.h"
#include "game/gfx/ShowError.h"
#include "game/io/Effects.h"
#include "game/io/Pen.h"
#include "game/play/PlayPictures.h"
#include "game/shell/Globals.h"
#include "game/texts/GameTexts.h"

namespace {
constexpr int kFoundLastFrame = 7;
constexpr int kRevealedLastFrame = 1;
} // namespace

std::string MapNameFor(std::string_view pictureName) {
    std::string name(pictureName.substr(0, pictureName.find('.')));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name + ".map";
}

int CDifferenceMap::DrawCoordinate(int64_t v) {
    return static_cast<int>(std::clamp(v, -kDrawReach, kDrawReach));
}

void CDifferenceMap::Reset() {
    for (int k = 0; k < kDifferences; ++k) {
        finders[k] = kHidden;
        frames[k] = 0;
        rects[k] = Rect{};
    }
}

void CDifferenceMap::ReadRecords(const uint8_t* bytes, size_t size) {
    const MapRecords map = DecodeMap({bytes, size});
    for (int k = 0; k < kDifferences; ++k) rects[k] = {map[k].left, map[k].top, map[k].right, map[k].bottom};
}

void CDifferenceMap::SetRecords(const MapRecords& map) {
    Reset();
    showAnswers = 0;
    for (int k = 0; k < kDifferences; ++k) rects[k] = {map[k].left, map[k].top, map[k].right, map[k].bottom};
}

int CDifferenceMap::LoadMapFile(const std::string& path) {
    Reset();
    std::vector<uint8_t> bytes;
    if (!ReadMapFile(path, bytes)) return 0;
    ReadRecords(bytes.data(), bytes.size());
    return 1;
}

int CDifferenceMap::LoadMapFromPack(const Archive& pack, std::string_view entryName) {
    Reset();
    showAnswers = 0;
    if (pack.FindOffset(entryName) < 0) {
        const std::string name(entryName);
        ShowError(GameTextUtf8(TextMapEntryLoadError), name.c_str());
        return 0;
    }
    std::vector<uint8_t> bytes;
    if (!pack.ReadEntry(entryName, bytes)) return 0;
    ReadRecords(bytes.data(), bytes.size());
    return 1;
}

int CDifferenceMap::HitTest(const Pen& pen) {
    Point hot = pen.Tip();
    if (pen.kind == PenPlayer2) hot.x -= kRightPictureOffset;
    for (int k = 0; k < kDifferences; ++k) {
        if (finders[k] == kHidden && PointInRect(rects[k], hot)) {
            delays[k] = 0;
            finders[k] = pen.kind;
            marks[k] = {pen.x, pen.y};
            PlaySuccessEffect();
            return 1;
        }
    }
    PlayFailEffect();
    return 0;
}

int CDifferenceMap::Remaining() const {
    int left = 0;
    for (int finder : finders) left += finder < 1 ? 1 : 0;
    return left;
}

void CDifferenceMap::RevealAll(int lives1, int lives2) {
    livesSnapshot[0] = lives1;
    livesSnapshot[1] = lives2;
    for (int k = 0; k < kDifferences; ++k) {
        if (finders[k] != kHidden) continue;
        finders[k] = kRevealed;
        marks[k] = {DrawCoordinate(rects[k].left), DrawCoordinate(rects[k].top)};
    }
}

void CDifferenceMap::Update() {
    if (gShell.frameCounter % 2 != 0) return;
    for (int k = 0; k < kDifferences; ++k) {
        if (delays[k] < kFoundDelay) {
            ++delays[k];
            continue;
        }
        ++frames[k];
        const int last = finders[k] == kRevealed ? kRevealedLastFrame : kFoundLastFrame;
        if (frames[k] > last) frames[k] = 0;
    }
}

int CDifferenceMap::Message(int msg, int, int) {
    switch (msg) {
    case MsgLoad:
        LoadMarkPictures();
        return 1;
    case MsgDraw:
        Draw();
        return 1;
    case MsgUpdate:
        Update();
        return 1;
    default:
        return 1;
    }
}
