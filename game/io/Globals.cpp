#include "game/io/Globals.h"

InputState gInput;
InputState gGuestInput;
int gTwoSeats = 0;
CommandSampler gCommandSampler;
int gSpaceArmed = 0;
int gKeyArmed[kKeyCount] = {};
int gGuestKeyArmed[kKeyCount] = {};
PenKeys gPenKeys[2] = {kPlayer1StartKeys, kArrowKeys};
int gPlayer1OnKeys = 0;
int gPenKeyStep = kDefaultPenKeyStep;

AudioDevice* lowDSound = nullptr;
SoundEffect gEffects[kEffectCount];
std::string gMusicPlaying;
std::string gMusicChosen;
float gEffectsGain = 1;
float gMusicGain = 1;
