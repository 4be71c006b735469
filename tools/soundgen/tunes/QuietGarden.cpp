// A calm search tune: D major, slow, a marimba and a flute over a nylon guitar.
#include "tools/soundgen/Arranger.h"
#include "tools/soundgen/GeneralMidi.h"
#include "tools/soundgen/tunes/Tunes.h"

namespace soundgen {

namespace {
const std::string kWalk = "3 - - - 2 - 1 - | 6, - - - 1 - 4 - | 3 - - 5 - - 3 - | 2 - - - - - . . | "
                          "1 - - 3 6 - 5 - | 4 - - 3 4 - 6 - | 5 - - 4 2 - 1 - | 2 - - - - - . .";
const std::string kRise = "1' - - - 6 - 4 - | 7 - - 5 2 - - - | 5 - - 3 7, - 3 - | 6 - - - - - 3 5 | "
                          "6 - 1' - 6 - 4 - | 5 - - 3 1 - 3 - | 4 - - 2 6, - 2 - | 5 - - - 4 - 2 -";
// A slow answer under the melody's long notes.
const std::string kAnswer = ". . . . . . 5, - | . . . . 3, - 1 - | . . . . . . 7, - | . . . . 5, 6, 7, - | "
                            ". . . . . . 1 - | . . . . 6, - 4, - | . . . . . . 5, - | . . . . 7, 1 2 -";
const std::string kRest = "6 - - - 4 - - - | 5 - - - 2 - - - | 4 - - 3 2 - - - | 1 - - - - - - -";

const char* kWalkChords = "1 4 1 5 6 4 2 5";
const char* kRiseChords = "4 5 3 6 4 1 2 5";
} // namespace

Bytes ComposeQuietGarden(std::string& error) {
    using namespace gm;
    Arranger a("Quiet Garden", {74, false}, 84, 4,
               {kMarimba, kClarinet, kNylonGuitar, kAcousticBass, kWarmPad});
    const Section sections[] = {
        {.bars = 4,
         .chords = "1 4 1 5",
         .bass = BassStyle::Whole,
         .comp = CompStyle::Arpeggio,
         .velocity = 70},
        {.bars = 8,
         .chords = kWalkChords,
         .melody = kWalk,
         .bass = BassStyle::Whole,
         .comp = CompStyle::Arpeggio,
         .velocity = 80},
        {.bars = 8,
         .chords = kRiseChords,
         .melody = kRise,
         .leadProgram = kFlute,
         .leadOctave = -1,
         .comp = CompStyle::Arpeggio,
         .drums = DrumStyle::Soft,
         .velocity = 82},
        {.bars = 8,
         .chords = kWalkChords,
         .melody = kWalk,
         .counter = kAnswer,
         .leadProgram = kVibraphone,
         .counterProgram = kCello,
         .comp = CompStyle::Arpeggio,
         .drums = DrumStyle::Soft,
         .velocity = 84},
        {.bars = 8,
         .chords = kRiseChords,
         .melody = kRise,
         .counterInThirds = true,
         .leadProgram = kRecorder,
         .counterProgram = kClarinet,
         .compProgram = kSteelGuitar,
         .leadOctave = -1,
         .comp = CompStyle::Arpeggio,
         .drums = DrumStyle::Soft,
         .velocity = 86},
        {.bars = 8,
         .chords = kWalkChords,
         .melody = kWalk,
         .leadProgram = kMarimba,
         .compProgram = kNylonGuitar,
         .bass = BassStyle::Whole,
         .comp = CompStyle::Sustain,
         .velocity = 76},
        {.bars = 4,
         .chords = "4 5 4 1",
         .melody = kRest,
         .leadProgram = kFlute,
         .leadOctave = -1,
         .bass = BassStyle::Whole,
         .comp = CompStyle::Arpeggio,
         .velocity = 74,
         .ritardando = true},
    };
    for (const Section& s : sections)
        if (!a.Add(s)) {
            error = a.Error();
            return {};
        }
    return a.Finish();
}

} // namespace soundgen
