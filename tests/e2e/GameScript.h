#pragma once
// Replay scripts for whole games of the real program, and reading their traces.
#include <fstream>
#include <iterator>
#include <string>

#include "game/gfx/Rect.h"
#include "tests/e2e/ZorRun.h"

namespace e2e {
constexpr int kModeLogo = 0, kModeSelect = 1, kModeTitle = 2, kModePlay = 4, kModeBonus = 5, kModeEnding = 6,
              kModePause = 7;
constexpr int kBannerHidden = 0, kBannerCleared = 2, kBannerFailed = 3, kBannerGameOver = 4,
              kBannerBonusStart = 5;
constexpr int kSeed = 4242;
constexpr Point kMenuPenStart{320, 200};
constexpr int kPenTipX = 23, kPenTipY = 18;
constexpr int kTitleOnePlayerTipY = 250, kTitleContinueTipY = 320, kTitlePacksTipY = 423;

// A replay script built line by line; the menu and player pens are moved by relative mouse motion.
struct Script {
    std::string text;
    void At(int frame, const std::string& line) { text += std::to_string(frame) + " " + line + "\n"; }
    void Key(int frame, const std::string& name) {
        At(frame, "key down " + name);
        At(frame + 1, "key up " + name);
    }
    void Click(int frame) {
        At(frame, "button down left");
        At(frame + 1, "button up left");
    }
    void Type(int frame, const std::string& word) {
        At(frame, "text \"" + word + "\"");
        Key(frame + 1, "RETURN");
    }
    // Escape leaves the logo at once; the menu pen's tip then goes to (x, y) and clicks.
    void TitleChoice(int tipY) { TitleChoiceAt(1, tipY); }
    // The same from the title at `frame`, with the menu pen where a stage start or the program put it.
    void TitleChoiceAt(int frame, int tipY) {
        Key(frame, "ESCAPE");
        At(frame + 2, "move 0 " + std::to_string(tipY - kPenTipY - kMenuPenStart.y));
        Click(frame + 3);
    }
};

inline ZorRunOptions Seeded(int frames) {
    ZorRunOptions options;
    options.args = {"--seed", std::to_string(kSeed), "--frames", std::to_string(frames)};
    return options;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline int Le32(const std::string& bytes, size_t at) {
    return int(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8 | uint8_t(bytes[at + 2]) << 16 |
               uint32_t(uint8_t(bytes[at + 3])) << 24);
}

inline std::string PutLe32(int value) {
    std::string out(4, '\0');
    for (int i = 0; i < 4; ++i) out[i] = char(uint32_t(value) >> (8 * i));
    return out;
}

// A ranking table of ten equal scores.
inline std::string Ranking(int score) {
    std::string table;
    for (int row = 0; row < 10; ++row) table += PutLe32(score) + std::string(20, '\0');
    return table;
}

inline size_t FirstFrame(const ZorRun& run, const std::string& key, int value, size_t from = 0) {
    for (size_t f = from; f < run.frames.size(); ++f)
        if (run.IntAt(f, key) == value) return f;
    return run.frames.size();
}
} // namespace e2e
