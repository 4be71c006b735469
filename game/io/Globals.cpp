#include "game/io/Globals.h"

InputState gInput;
int gSpaceArmed = 0;

AudioDevice* lowDSound = nullptr;
SoundEffect gEffects[kEffectCount];
std::string gMusicPlaying;
