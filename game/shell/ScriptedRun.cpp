#include "game/shell/ScriptedRun.h"

#include "game/control/Globals.h"
#include "game/gfx/Globals.h"
#include "game/gfx/Screenshot.h"
#include "game/io/Globals.h"
#include "game/play/Globals.h"
#include "game/screens/Globals.h"
#include "game/settings/Globals.h"
#include "game/shell/Globals.h"

namespace {
// Every setting in effect, in SettingId order.
std::string DescribeSettings() {
    std::string out;
    for (int id = 0; id < kSettingCount; ++id) out += (id ? "," : "") + std::to_string(gSettings.values[id]);
    return out;
}

// The pair id of every card in table order, one digit each.
std::string DescribeCards() {
    std::string cards;
    for (const CBonusScene::Card& card : gBonusScene.cards) cards += static_cast<char>('0' + card.pairId);
    return cards;
}
} // namespace

std::string DescribeGameState() {
    char line[900];
    const int played = gController.stageNumber - 1;
    const StageEntry entry = played >= 0 && played < CGameController::kOrderEntries
                                 ? gController.stageOrder[played]
                                 : StageEntry{};
    std::snprintf(
        line, sizeof line,
        "counter=%u focus=%d mode=%d gauge=%d stage=%d p1=%d p2=%d menu=%d,%d pen1=%d,%d pen2=%d,%d "
        "left=%d banner=%d entry=%d,%d logo=%d title=%d intro=%d music=%s pairs=%d cards=%s naming=%d "
        "skip=%d answers=%d pack=%d single=%d total=%d reloads=%d tv=%d,%d,%d hangul=%llu options=%d,%d "
        "settings=%s made=%d waits=%d notice=%d",
        gShell.frameCounter, gShell.focusLost ? 0 : 1, gController.mode, gController.timeGauge,
        gController.stageNumber, gPlayer1Pen.lives, gPlayer2Pen.lives, gMenuPen.x, gMenuPen.y, gPlayer1Pen.x,
        gPlayer1Pen.y, gPlayer2Pen.x, gPlayer2Pen.y, gDifferenceMap.Remaining(), gStageBanner.state,
        entry.pack, entry.picture, gLogoScene.counter, gTitleScene.highlighted, gIntroScene.page,
        gMusicPlaying.empty() ? "-" : gMusicPlaying.c_str(), gBonusScene.remaining, DescribeCards().c_str(),
        gRankBoard.nameEntry, gController.skipEnabled, gDifferenceMap.showAnswers,
        gPackSelectScene.selectedPack, gController.singlePack, gController.stageTotal, gShell.pictureReloads,
        gEndingScene.tv.phase, gEndingScene.tv.strip, gEndingScene.tv.cell,
        static_cast<unsigned long long>(gHangulGlyphsDrawn), gOptionsScene.selected, gOptionsScene.capturing,
        DescribeSettings().c_str(), gController.made.stream, gController.made.loadingWaits,
        gTitleScene.noticeFrames);
    return line;
}

ScriptedRunObserver::ScriptedRunObserver(const ReplayScript& script, RecordingMessageBox& messages,
                                         std::string shotDir)
    : script_(script), messages_(messages), shotDir_(std::move(shotDir)) {}

ScriptedRunObserver::~ScriptedRunObserver() {
    if (!trace_) return;
    WritePendingMessages(); // those of a run that ended before its next frame
    std::fclose(trace_);
}

void ScriptedRunObserver::WritePendingMessages() {
    for (std::string message : messages_.TakePending()) {
        // One line per message: line breaks inside it are written as "\n".
        for (size_t at = 0; (at = message.find_first_of("\r\n", at)) != std::string::npos;)
            message.replace(at, 1, message[at] == '\n' ? "\\n" : "");
        std::fprintf(trace_, "frame=%d message=%s\n", frame_, message.c_str());
    }
}

bool ScriptedRunObserver::OpenTrace(const std::string& path) {
    trace_ = std::fopen(path.c_str(), "w");
    return trace_ != nullptr;
}

void ScriptedRunObserver::AfterFrame() {
    if (trace_) {
        WritePendingMessages();
        std::fprintf(trace_, "frame=%d %s\n", frame_, DescribeGameState().c_str());
        std::fflush(trace_);
    }
    while (nextStep_ < script_.steps.size() && script_.steps[nextStep_].frame <= frame_) {
        const ReplayStep& step = script_.steps[nextStep_++];
        if (step.kind != ReplayStep::Shot || !gDisplay.lowDDBack) continue;
        std::string error;
        if (!WriteBmp24(shotDir_ + "/" + step.text, *gDisplay.lowDDBack, gPixelConversion, error))
            std::fprintf(stderr, "zor: %s\n", error.c_str());
    }
    if (autoPlay_) autoPlay_->AfterFrame(frame_);
    ++frame_;
}
