#include "game/net/Handshake.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "game/control/GameController.h"
#include "game/net/Fnv1a.h"
#include "game/play/DataPacks.h"
#include "game/play/SavedGame.h"
#include "game/screens/RankBoard.h"
#include "game/texts/GameTexts.h"

namespace {
constexpr const char* kArchiveNames[] = {"zor.res", "zor2.res"};
constexpr const char* kEnglishArchiveDir = "en/";

// The settings a hello carries, in their order there; player 2's keys last.
constexpr SettingId kSharedIds[kSharedSettings] = {
    SettingPenSpeed,  SettingRelaxedPace, SettingPlayer1Keys,  SettingPlayer1Left, SettingPlayer1Right,
    SettingPlayer1Up, SettingPlayer1Down, SettingPlayer1Click, SettingPlayer2Left, SettingPlayer2Right,
    SettingPlayer2Up, SettingPlayer2Down, SettingPlayer2Click};
constexpr int kFirstGuestSetting = 8;

static_assert(Hello::kMaxFileBytes >= CRankBoard::kFileBytes && Hello::kMaxFileBytes >= kSaveFileBytes);

// The start of a player file, as much as a hello carries: the game reads no further into either file, so
// a guest given this much plays on what the host reads.
bool ReadStart(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(Hello::kMaxFileBytes, 0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return true;
}

bool IsArchive(const std::string& name) {
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".res") == 0;
}
} // namespace

bool HashFile(const std::string& path, uint64_t& hash) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    Fnv1a fnv;
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0)
        fnv.Add(reinterpret_cast<const uint8_t*>(block), static_cast<size_t>(in.gcount()));
    hash = fnv.Value();
    return true;
}

std::vector<DataEntry> HashGameData(const std::string& directory, bool english) {
    std::vector<DataEntry> data;
    for (const char* archive : kArchiveNames) {
        DataEntry entry{english ? kEnglishArchiveDir + std::string(archive) : archive, 0};
        // The English edition falls back on the Korean pictures, as the game does.
        if (!HashFile(directory + "/" + entry.name, entry.hash)) {
            entry.name = archive;
            HashFile(directory + "/" + entry.name, entry.hash);
        }
        data.push_back(entry);
    }
    for (const std::string& pack : FindPackFiles(directory, CGameController::kMaxPacks)) {
        DataEntry entry{pack, 0};
        HashFile(directory + "/" + pack, entry.hash);
        data.push_back(entry);
    }
    return data;
}

Hello MakeHello(const std::string& directory, bool english, uint32_t seed, const Settings& settings) {
    Hello hello;
    hello.version = ZOR_PROGRAM_VERSION;
    hello.language = english ? "en" : "ko";
    hello.seed = seed;
    for (int i = 0; i < kSharedSettings; ++i) hello.settings[i] = settings[kSharedIds[i]];
    hello.data = HashGameData(directory, english);
    hello.hasRanking = ReadStart(directory + "/" + kRankFileName, hello.ranking);
    hello.hasSavedGame = ReadStart(directory + "/" + kSaveFileName, hello.savedGame);
    return hello;
}

std::string HelloDifference(const Hello& mine, const Hello& theirs) {
    if (mine.protocol != theirs.protocol || mine.version != theirs.version)
        return FormatGameText(GameTextUtf8(TextNetDifferentVersion), mine.version, theirs.version);
    if (mine.language != theirs.language)
        return FormatGameText(GameTextUtf8(TextNetDifferentEdition), mine.language, theirs.language);
    for (size_t i = 0; i < std::max(mine.data.size(), theirs.data.size()); ++i) {
        const DataEntry* a = i < mine.data.size() ? &mine.data[i] : nullptr;
        const DataEntry* b = i < theirs.data.size() ? &theirs.data[i] : nullptr;
        if (a && b && *a == *b) continue;
        const std::string& name = a ? a->name : b->name;
        return FormatGameText(
            GameTextUtf8(IsArchive(name) ? TextNetDifferentPictures : TextNetDifferentPacks), name);
    }
    return "";
}

void ShareSettings(const Hello& host, const Hello& guest, Settings& settings) {
    for (int i = 0; i < kSharedSettings; ++i)
        settings[kSharedIds[i]] = i < kFirstGuestSetting ? host.settings[i] : guest.settings[i];
}
