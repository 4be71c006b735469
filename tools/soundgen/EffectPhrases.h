#pragma once
#include <string>
#include <vector>

#include "tools/soundgen/SmfWriter.h"

namespace soundgen {

// A short melodic effect written as notes for General MIDI instruments.
struct PhraseNote {
    float beat;  // start, in quarter notes
    float beats; // length
    int channel;
    int key;
    int velocity;
};

struct Phrase {
    std::string name; // the effect it becomes
    int beatsPerMinute;
    std::vector<std::pair<int, int>> programs; // channel, General MIDI program (0-based)
    std::vector<PhraseNote> notes;
    float maxSeconds; // longer renders are cut (and faded) here
};

// The effects played by instruments: chimes, jingles, the fanfare and the game-over fall.
const std::vector<Phrase>& EffectPhrases();

// The phrase as a one-track Standard MIDI File.
Bytes PhraseToSmf(const Phrase& phrase);

} // namespace soundgen
