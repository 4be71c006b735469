#include "game/screens/RankBoard.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "common/AtomicFile.h"
#include "game/control/Random.h"
#include "game/gfx/Globals.h"
#include "game/gfx/Text.h"
#include "game/io/Effects.h"
#include "game/net/Globals.h"
#include "game/screens/TypedWords.h"
#include "game/shell/Globals.h"
#include "game/texts/GameTexts.h"

namespace {
constexpr const char* kPlaceholderName = "search name temp";
constexpr const char* kDefaultNames[2] = {"QAN TEAM -Pim-", "QAN TEAM -Vorn-"};
constexpr int kDefaultScores = 20;
constexpr Point kBoardAt{185, 65};
constexpr int kFirstRowY = 143, kRowStep = 21;
constexpr int kScoreX = 275, kNameX = 337;
constexpr uint32_t kRowColor = 0x00FAFAFA; // RGB(250, 250, 250)

enum TypedCode : uint8_t {
    CodeBackspace = 8,
    CodeTab = 9,
    CodeEnter = 13,
    CodeEscape = 27,
    CodeHash = 35,
    CodeDollar = 36,
    CodePercent = 37,
    CodeApostrophe = 39,
};

bool IgnoredCode(uint8_t code) {
    switch (code) {
    case 0:
    case CodeTab:
    case CodeEscape:
    case CodeHash:
    case CodeDollar:
    case CodePercent:
    case CodeApostrophe:
        return true;
    default:
        return false;
    }
}

// The English edition's names are Latin letters, digits and spaces; the Korean edition takes every byte.
bool RefusedInName(uint8_t code) {
    if (GameLanguage() != Language::English) return false;
    const bool latin = (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z');
    return !latin && !(code >= '0' && code <= '9') && code != ' ';
}

void SetName(RankEntry& entry, const char* text, size_t length) {
    std::memset(entry.name, 0, sizeof entry.name);
    std::memcpy(entry.name, text, std::min(length, sizeof entry.name - 1));
}
} // namespace

std::vector<uint8_t> EncodeRankTable(const std::array<RankEntry, CRankBoard::kRows>& table) {
    std::vector<uint8_t> bytes(CRankBoard::kFileBytes, 0);
    for (int i = 0; i < CRankBoard::kRows; ++i) {
        uint8_t* at = &bytes[i * CRankBoard::kEntryBytes];
        for (int b = 0; b < 4; ++b) at[b] = static_cast<uint8_t>(uint32_t(table[i].score) >> (8 * b));
        std::memcpy(at + 4, table[i].name, RankEntry::kNameBytes);
    }
    return bytes;
}

size_t DecodeRankTable(const std::vector<uint8_t>& bytes, std::array<RankEntry, CRankBoard::kRows>& table) {
    const size_t whole = std::min<size_t>(bytes.size() / CRankBoard::kEntryBytes, CRankBoard::kRows);
    for (size_t i = 0; i < whole; ++i) {
        const uint8_t* at = &bytes[i * CRankBoard::kEntryBytes];
        table[i].score = static_cast<int32_t>(uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 |
                                              uint32_t(at[3]) << 24);
        std::memcpy(table[i].name, at + 4, RankEntry::kNameBytes);
    }
    return whole;
}

void DefaultRankTable(std::array<RankEntry, CRankBoard::kRows>& table) {
    for (RankEntry& entry : table) {
        const char* name = kDefaultNames[GameRand() % 2];
        SetName(entry, name, std::strlen(name));
        entry.score = GameRand() % kDefaultScores;
    }
    SortRankTable(table);
}

void SortRankTable(std::array<RankEntry, CRankBoard::kRows>& table) {
    std::stable_sort(table.begin(), table.end(),
                     [](const RankEntry& a, const RankEntry& b) { return a.score > b.score; });
}

void CRankBoard::RankRead() {
    std::ifstream in(PlayerFilePath(fileName), std::ios::binary);
    std::vector<uint8_t> bytes;
    if (in) {
        bytes.resize(kFileBytes);
        in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(kFileBytes));
        bytes.resize(size_t(in.gcount()));
    }
    if (bytes.size() < kFileBytes) DefaultRankTable(table);
    DecodeRankTable(bytes, table);
    SortRankTable(table);
}

bool CRankBoard::RankWrite() const {
    std::string error;
    if (WriteFileAtomically(PlayerFilePath(fileName), EncodeRankTable(table), error)) return true;
    std::fprintf(stderr, "zor: the ranking is kept in memory only: %s\n", error.c_str());
    return false;
}

int CRankBoard::RankInsert(int score) {
    RankRead();
    if (score < table[kRows - 1].score) return 0;
    nameEntry = 1;
    typedLength = 0;
    typed[0] = 0;
    table[kRows - 1].score = score;
    SetName(table[kRows - 1], kPlaceholderName, std::strlen(kPlaceholderName));
    SortRankTable(table);
    for (int row = kRows - 1; row >= 0; --row) {
        if (std::strncmp(table[row].name, kPlaceholderName, RankEntry::kNameBytes) != 0) continue;
        std::memset(table[row].name, 0, RankEntry::kNameBytes);
        editedRow = row;
        break;
    }
    PlayEffect(EffectRank);
    return 1;
}

void CRankBoard::CopyTypedIntoRow() {
    if (nameEntry) SetName(table[editedRow], typed, typedLength);
}

void CRankBoard::AppendTyped(uint8_t code) {
    const size_t limit = nameEntry ? kNameLimit : kTypedLimit;
    if (nameEntry) PlayEffect(EffectMouseOver);
    if (typedLength >= limit) return;
    typed[typedLength++] = static_cast<char>(code);
    typed[typedLength] = 0;
}

void CRankBoard::OnTypedChar(uint8_t code) {
    CopyTypedIntoRow();
    if (code == CodeBackspace) {
        PlayEffect(EffectMouseOver);
        if (typedLength > 0) typed[--typedLength] = 0;
    } else if (code == CodeEnter) {
        if (nameEntry) {
            nameEntry = 0;
            RankWrite();
        } else {
            CheckTypedWords(typed, typedLength);
        }
        typedLength = 0;
        typed[0] = 0;
        PlayEffect(EffectMouseClick);
    } else if (!IgnoredCode(code) && !(nameEntry && RefusedInName(code))) {
        AppendTyped(code);
    }
    CopyTypedIntoRow();
}

void CRankBoard::Draw() {
    board.BltCell(kBoardAt.x, kBoardAt.y, 0, false, *gDisplay.lowDDBack);
    char name[RankEntry::kNameBytes + 1] = {};
    for (int i = 0; i < kRows; ++i) {
        const int y = kFirstRowY + kRowStep * i;
        PutTextF(kScoreX, y, kRowColor, "%d", table[i].score);
        std::memcpy(name, table[i].name, RankEntry::kNameBytes);
        PutText(kNameX, y, kRowColor, name);
    }
}

int CRankBoard::Message(int msg, int, int) {
    switch (msg) {
    case MsgInit:
    case MsgEnter:
        nameEntry = 0;
        return 1;
    case MsgLoad:
        board.LowLoadBmpBit(&gMainArchive, "scoreBoard.bmp", 0, 0);
        return 1;
    case MsgDraw:
        if (!nameEntry) return 0;
        Draw();
        return 1;
    default:
        return 1;
    }
}
