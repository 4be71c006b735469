#include "game/screens/TypedWords.h"

#include <string_view>

#include "game/control/Globals.h"
#include "game/play/Globals.h"
#include "game/play/SavedGame.h"
#include "game/play/Stage.h"

namespace {
constexpr uint8_t kFirstLeadByte = 0x81;

void MoreLives() {
    GainLife(gPlayer1Pen);
    GainLife(gPlayer2Pen);
}

void FullGauge() {
    gController.timeGauge = CGameController::kStageTimeGauge;
}

void ShowAnswers() {
    gDifferenceMap.showAnswers = 1;
}

void SaveNow() {
    SaveGame();
}

// Only while a stage of the order follows; past the last one there is no picture to load.
void NextStage() {
    if (NextStageExists()) StartNextStage();
}

void EnableSkip() {
    gController.skipEnabled = 1;
}

struct TypedWord {
    std::string_view word; // empty: the controller's own sixth word
    void (*effect)();
};

constexpr TypedWord kWords[] = {
    {"kapvine", MoreLives}, {"dolmert", FullGauge}, {"quisbarno", ShowAnswers},
    {"feltrud", SaveNow},   {"wospank", NextStage}, {"", EnableSkip},
};
} // namespace

void LowerCaseCp949(char* text, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        const uint8_t byte = static_cast<uint8_t>(text[i]);
        if (byte >= kFirstLeadByte) {
            ++i; // the trail byte may look like a letter
            continue;
        }
        if (byte >= 'A' && byte <= 'Z') text[i] = static_cast<char>(byte - 'A' + 'a');
    }
}

int CheckTypedWords(char* text, size_t length) {
    LowerCaseCp949(text, length);
    const std::string_view typed(text, length);
    int number = 0;
    for (const TypedWord& w : kWords) {
        ++number;
        const std::string_view word = w.word.empty() ? std::string_view(gController.sixthWord) : w.word;
        if (word.empty() || typed != word) continue;
        w.effect();
        return number;
    }
    return 0;
}
