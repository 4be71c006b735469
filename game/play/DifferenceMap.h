#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "common/MapFile.h"
#include "game/control/Scene.h"
#include "game/gfx/Rect.h"

class Archive;
class Pen;

// The five differences of a picture pair: read from an 80-byte map, tested against clicks, revealed when
// the time runs out, and drawn as marks on both pictures.
class CDifferenceMap : public CScene {
  public:
    static constexpr int kDifferences = kMapRecords;
    static constexpr int kRightPictureOffset = 309; // the right picture lies this far right of the left one
    // Rectangles keep the 32-bit values of their file for hit tests; positions drawn from them are first
    // brought within this distance of the screen, so that no offset added to them can overflow.
    static constexpr int64_t kDrawReach = 1 << 20;
    static int DrawCoordinate(int64_t v);
    static constexpr int kHidden = -1;
    static constexpr int kRevealed = 0;
    static constexpr int kFoundDelay = 7; // update steps before a found mark shows

    Point marks[kDifferences] = {};
    Rect rects[kDifferences] = {};
    int finders[kDifferences] = {kHidden, kHidden, kHidden, kHidden, kHidden};
    int frames[kDifferences] = {};
    int delays[kDifferences] = {};
    int showAnswers = 0;
    int livesSnapshot[2] = {};

    // From a file on disk; 0 (silently) when it cannot be opened. Keeps the show-answers flag.
    int LoadMapFile(const std::string& path);
    // From a pack entry; "MAP LOAD ERROR!!! %s" and 0 when the entry is missing. Clears show-answers.
    int LoadMapFromPack(const Archive& pack, std::string_view entryName);
    // The five rectangles of a made pair. Clears show-answers, as a pack's map does.
    void SetRecords(const MapRecords& map);
    // A click of a player pen; 1 when it finds a hidden difference.
    int HitTest(const Pen& pen);
    int Remaining() const;
    void RevealAll(int lives1, int lives2);
    int Message(int msg, int a, int b) override;

    // Takes the five records from the bytes of a map; bytes missing from a short map count as 0.
    void ReadRecords(const uint8_t* bytes, size_t size);

  private:
    void Reset();
    void Update();
    void Draw() const;
    Rect OutlineAt(int k, int dx) const;
    void DrawAnswerOutlines(int k) const;
    void DrawMark(int k) const;
};

// The map name of a picture name: lower case, up to its first dot, then ".map".
std::string MapNameFor(std::string_view pictureName);
