// The ranking file (zor.rnk in the working directory) on hostile bytes: read, sorted, a name entered and
// written back, and read again unchanged; every name, however it fills its field, converts for drawing.
#include <cstring>

#include "game/screens/RankBoard.h"
#include "platform/Cp949.h"
#include "tests/fuzz/FuzzFile.h"

namespace {
constexpr uint8_t kEnter = 13;

void ConvertNames(const CRankBoard& board) {
    for (const RankEntry& e : board.table) Cp949ToUtf8({e.name, strnlen(e.name, RankEntry::kNameBytes)});
}

bool Sorted(const CRankBoard& board) {
    for (int i = 1; i < CRankBoard::kRows; ++i)
        if (board.table[i - 1].score < board.table[i].score) return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile file(kRankFileName);
    file.Write(data, size);
    const InsideDir inside(file.Dir());

    CRankBoard board;
    board.RankRead();
    if (!Sorted(board)) __builtin_trap();
    ConvertNames(board);
    if (!board.RankInsert(board.table[0].score)) __builtin_trap();
    board.OnTypedChar('Z');
    board.OnTypedChar(kEnter);
    CRankBoard again;
    again.RankRead();
    for (int i = 0; i < CRankBoard::kRows; ++i)
        if (again.table[i].score != board.table[i].score ||
            std::memcmp(again.table[i].name, board.table[i].name, RankEntry::kNameBytes) != 0)
            __builtin_trap();
    return 0;
}
