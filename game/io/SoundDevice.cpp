#include "game/io/SoundDevice.h"

#include "game/io/Globals.h"
#include "game/io/Music.h"
#include "platform/AudioDevice.h"

int DSCreate(AudioDevice* device) {
    lowDSound = nullptr;
    if (!device || !device->Open(kEffectCount)) return 0;
    lowDSound = device;
    return 1;
}

void ReleaseSound() {
    CloseMusic();
    for (SoundEffect& effect : gEffects) effect.Release();
    lowDSound = nullptr;
}
