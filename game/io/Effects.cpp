#include "game/io/Effects.h"

#include <strings.h>

#include "game/control/Random.h"
#include "game/io/Globals.h"

const char* const kEffectFiles[kEffectCount] = {
    "logo.wav",        "Clear.wav",    "Rank.wav",      "CardOpen.wav",  "CardReturn.wav",
    "CardSuccess.wav", "Fail1.wav",    "Fail2.wav",     "Success1.wav",  "Success2.wav",
    "Success3.wav",    "Success4.wav", "GameOver1.wav", "MouseOver.wav", "MouseClick.wav"};

void LoadEffects(const Archive* archive) {
    for (int id = 0; id < kEffectCount; ++id) gEffects[id].Create(archive, kEffectFiles[id]);
}

void PlayEffect(EffectId id) {
    if (id >= 0 && id < kEffectCount) gEffects[id].Play();
}

bool PlayEffect(std::string_view file) {
    for (int id = 0; id < kEffectCount; ++id) {
        const std::string_view name = kEffectFiles[id];
        if (name.size() == file.size() && strncasecmp(name.data(), file.data(), name.size()) == 0) {
            gEffects[id].Play();
            return true;
        }
    }
    return false;
}

void SetEffectsLevel(float gain) {
    gEffectsGain = gain;
    for (SoundEffect& effect : gEffects) effect.ApplyVolume();
}

void PlaySuccessEffect() {
    PlayEffect(static_cast<EffectId>(EffectSuccess1 + GameRand() % kSuccessEffects));
}

void PlayFailEffect() {
    PlayEffect(static_cast<EffectId>(EffectFail1 + GameRand() % kFailEffects));
}
