#pragma once
// The input and sound subsystem's program-wide objects.
#include <string>

#include "game/io/Command.h"
#include "game/io/Effects.h"
#include "game/io/Input.h"
#include "game/io/Pen.h"
#include "game/io/SoundEffect.h"

class AudioDevice;

extern InputState gInput;
extern InputState gGuestInput;         // the other machine's player in network play
extern int gTwoSeats;                  // 1 in network play: player 2 follows gGuestInput, mouse and keys
extern CommandSampler gCommandSampler; // this machine's input between frames
extern int gSpaceArmed;                // shared by every pen: SPACE was seen up since the last keyboard click
extern int gKeyArmed[kKeyCount];       // the same for every other click key
extern int gGuestKeyArmed[kKeyCount];  // the guest's click keys, SPACE among them
extern PenKeys gPenKeys[2];            // the keys of player 1 (used when gPlayer1OnKeys is 1) and player 2
extern int gPlayer1OnKeys;             // 1: player 1's pen follows its keys instead of the mouse
extern int gPenKeyStep;                // pixels a key moves a pen each frame

extern AudioDevice* lowDSound; // the sound device; null (the game is silent) until DSCreate succeeds
extern SoundEffect gEffects[kEffectCount];
extern std::string gMusicPlaying; // the path of the piece started last, "" when none plays
extern std::string gMusicChosen;  // the piece chosen last, also while the music is turned off
extern float gEffectsGain;        // the effects' volume setting, 0 (silent) to 1 (full)
extern float gMusicGain;          // the music's; 0 plays no music at all
