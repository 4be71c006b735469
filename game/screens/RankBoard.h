#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/control/Scene.h"
#include "game/gfx/Surface.h"

constexpr const char* kRankFileName = "zor.rnk";

// One row of the ranking: the stage number reached and a name in code page 949, zero-terminated inside
// its field (a hostile file may fill the field; readers stop at its end).
struct RankEntry {
    static constexpr size_t kNameBytes = 20;
    int32_t score = 0;
    char name[kNameBytes] = {};
};

// The ten best results, the name entry over the play screen and the text typed outside it.
class CRankBoard : public CScene {
  public:
    static constexpr int kRows = 10;
    static constexpr size_t kEntryBytes = 24;
    static constexpr size_t kFileBytes = kRows * kEntryBytes;
    static constexpr size_t kNameLimit = 14;  // bytes of a typed name
    static constexpr size_t kTypedLimit = 30; // bytes typed outside name entry

    std::array<RankEntry, kRows> table;
    int nameEntry = 0; // 1 while a name is typed; the board is drawn only then
    int editedRow = 0;
    char typed[kTypedLimit + 1] = {};
    size_t typedLength = 0;
    Surface board;
    // The ranking the current game enters: zor.rnk, or the one of today's pack or of endless play.
    std::string fileName = kRankFileName;

    // From the ranking file, else the default table; sorted. Whole entries of a short file replace the
    // default table's first rows, the rest of the default table stays.
    void RankRead();
    // The ranking file whole or not at all; the table stays in memory when it cannot be written.
    bool RankWrite() const;
    // 1 when the score enters the table (name entry starts), else 0.
    int RankInsert(int score);
    void OnTypedChar(uint8_t code);
    int Message(int msg, int a, int b) override;

  private:
    void Draw();
    void CopyTypedIntoRow();
    void AppendTyped(uint8_t code);
};

// The ten entries as the file holds them, and back. Decoding takes the whole entries the bytes hold.
std::vector<uint8_t> EncodeRankTable(const std::array<RankEntry, CRankBoard::kRows>& table);
size_t DecodeRankTable(const std::vector<uint8_t>& bytes, std::array<RankEntry, CRankBoard::kRows>& table);
void DefaultRankTable(std::array<RankEntry, CRankBoard::kRows>& table);
// Highest score first.
void SortRankTable(std::array<RankEntry, CRankBoard::kRows>& table);
