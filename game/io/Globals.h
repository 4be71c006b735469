#pragma once
// The input and sound subsystem's program-wide objects.
#include <string>

#include "game/io/Effects.h"
#include "game/io/Input.h"
#include "game/io/SoundEffect.h"

class AudioDevice;

extern InputState gInput;
extern int gSpaceArmed; // shared by every pen: SPACE was seen up since the last keyboard click

extern AudioDevice* lowDSound; // the sound device; null (the game is silent) until DSCreate succeeds
extern SoundEffect gEffects[kEffectCount];
extern std::string gMusicPlaying; // the path of the piece started last, "" when none plays
