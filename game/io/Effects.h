#pragma once
#include <string_view>

// The game's sound effects, in the order they load. Success and Fail are groups played one at random.
enum EffectId {
    EffectLogo,
    EffectClear,
    EffectRank,
    EffectCardOpen,
    EffectCardReturn,
    EffectCardSuccess,
    EffectFail1,
    EffectFail2,
    EffectSuccess1,
    EffectSuccess2,
    EffectSuccess3,
    EffectSuccess4,
    EffectGameOver1,
    EffectMouseOver,
    EffectMouseClick,
    kEffectCount
};
constexpr int kFailEffects = 2;
constexpr int kSuccessEffects = 4;

// The entry of the main archive each effect is loaded from.
extern const char* const kEffectFiles[kEffectCount];

class Archive;
// Loads every effect in table order from the main archive. A failing effect shows its messages and stays
// silent; loading goes on with the next.
void LoadEffects(const Archive* archive);
void PlayEffect(EffectId id);
// Plays the effect loaded from `file` (letter case aside); false when no effect has that name.
bool PlayEffect(std::string_view file);
// The effects' volume, from 0 (silent) to 1 (as loaded), for every effect at once.
void SetEffectsLevel(float gain);
void PlaySuccessEffect(); // one of the four, rand() % 4
void PlayFailEffect();    // one of the two, rand() % 2
