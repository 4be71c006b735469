#include "game/play/DataPacks.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <strings.h>

#include "common/MapPath.h"
#include "game/control/GameController.h"
#include "game/control/Globals.h"
#include "game/control/Random.h"
#include "game/gfx/Archive.h"
#include "game/gfx/ShowError.h"
#include "game/play/Globals.h"
#include "game/play/MadeGame.h"
#include "game/shell/Globals.h"
#include "game/texts/GameTexts.h"

namespace fs = std::filesystem;

namespace {
constexpr int kPictureSearchEntries = 20;

bool HasPackExtension(const fs::path& path) {
    const std::string ext = path.extension().string();
    return strcasecmp(ext.c_str(), ".zor") == 0;
}

bool IsPictureName(const std::string& name) {
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find(".jpg") != std::string::npos;
}

void FailStage(const std::string& packName) {
    ShowError(GameTextUtf8(TextPackLoadError), packName.c_str());
    PostClose();
}
} // namespace

std::vector<std::string> FindPackFiles(const std::string& directory, size_t limit) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        if (HasPackExtension(it->path()) && it->is_regular_file(ec))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    if (names.size() > limit) {
        for (size_t i = limit; i < names.size(); ++i)
            std::fprintf(stderr, "zor: more than %zu data packs; %s is ignored\n", limit, names[i].c_str());
        names.resize(limit);
    }
    return names;
}

int DiscoverPacks(CGameController& controller, const std::string& directory) {
    const std::vector<std::string> files = FindPackFiles(directory, CGameController::kMaxPacks);
    for (const std::string& file : files) {
        auto pack = std::make_unique<Archive>();
        pack->Open(directory == "." ? file : (fs::path(directory) / file).string());
        controller.packs[controller.packCount++] = std::move(pack);
    }
    if (files.empty()) {
        ShowError("%s", GameTextUtf8(TextNoDataPack));
        PostClose();
    }
    return controller.packCount;
}

void BuildStageOrder(CGameController& controller) {
    controller.stageOrder.fill(StageEntry{});
    for (int p = 0; p < controller.packCount; ++p) {
        for (int j = 0; j < CGameController::kPicturesPerPack; ++j)
            controller.stageOrder[p * CGameController::kPicturesPerPack + j] = {uint8_t(p), uint8_t(j)};
    }
    const int total = controller.stageTotal;
    for (int i = 0; i < total; ++i) {
        const int a = GameRand() % total;
        const int b = GameRand() % total;
        std::swap(controller.stageOrder[a], controller.stageOrder[b]);
    }
    controller.stageNumber = 0;
}

int PictureEntryIndex(const Archive& pack, int j) {
    int seen = 0;
    for (int i = 0; i < kPictureSearchEntries && i < pack.Count(); ++i) {
        if (!IsPictureName(pack.NameAt(i))) continue;
        if (seen == j) return i;
        ++seen;
    }
    return j;
}

int LoadStagePictures(CGameController& controller, int s) {
    controller.timeGauge = CGameController::kStageTimeGauge;
    controller.penaltiesCharged = 0;
    // A saved game may name any entry; one outside the order or naming a missing pack cannot be played.
    if (s < 0 || s >= CGameController::kOrderEntries) {
        FailStage("");
        return 0;
    }
    const StageEntry entry = controller.stageOrder[s];
    if (IsMadeEntry(entry)) {
        if (LoadMadePair(controller)) return 1;
        FailStage("");
        return 0;
    }
    return LoadPackPicture(controller, entry.pack, entry.picture);
}

int LoadPackPicture(CGameController& controller, int packIndex, int picture) {
    if (packIndex < 0 || packIndex >= controller.packCount || !controller.packs[packIndex]) {
        FailStage("");
        return 0;
    }
    Archive& pack = *controller.packs[packIndex];
    const int index = PictureEntryIndex(pack, picture);
    const char* path = pack.ExtractAt(index);
    if (!path || !controller.stagePicture.LowLoadJpeg(nullptr, path, 0, 0) ||
        !gDifferenceMap.LoadMapFromPack(pack, MapNameFor(pack.NameAt(index)))) {
        FailStage(pack.Path());
        return 0;
    }
    return 1;
}

int ReadCommandLine(CGameController& controller, const std::string& argument) {
    std::string name;
    if (!PairStem(argument, name)) return 1;
    controller.mode = ModePlay;
    gPlayer1Pen.lives = CGameController::kStartLives;
    gPlayer2Pen.lives = CGameController::kStartLives;
    BuildStageOrder(controller);
    controller.timeGauge = CGameController::kStageTimeGauge;
    controller.penaltiesCharged = 0;
    const std::string picture = name + ".jpg";
    const std::string map = name + ".map";
    if (name.size() > kMaxMapPath) {
        ShowError(GameTextUtf8(TextPictureLoadError), picture.c_str());
        PostClose();
        return 1;
    }
    if (!controller.stagePicture.LowLoadJpeg(nullptr, picture.c_str(), 0, 0)) {
        ShowError(GameTextUtf8(TextPictureLoadError), picture.c_str());
        PostClose();
    }
    if (!gDifferenceMap.LoadMapFile(map)) {
        ShowError(GameTextUtf8(TextMapFileLoadError), map.c_str());
        PostClose();
    }
    gDifferenceMap.showAnswers = 1;
    return 1;
}
