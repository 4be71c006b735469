// A dreamy waltz: E flat major in three, a music box and a flute over a harp and soft strings.
#include "tools/soundgen/Arranger.h"
#include "tools/soundgen/GeneralMidi.h"
#include "tools/soundgen/tunes/Tunes.h"

namespace soundgen {

namespace {
const std::string kDriftHead = "5 - - - 3 4 | 5 - 7 - 5 - | 6 - - - 1' 6 | 5 - - - - - | "
                               "3' - - - 2' 1' | 6 - 4 - 2 - | ";
const std::string kDrift = kDriftHead + "5 - - - 7, 2 | 5 - - - . .";
const std::string kDriftHome = kDriftHead + "2' - - - 7 - | 1' - - - - -";
const std::string kGlow = "1' - - - 6 - | 4 - - - 6 1' | 3' - - - 1' - | 5 - - - - - | "
                          "4' - - - 2' - | 6 - - - 1' 2' | 7 - - - 5 - | 2 - - - . .";
const std::string kShade = ". . 1 - 3 - | 6 - - - 5 - | 5 - - - 3 - | 7, - - - . . | "
                           ". . 4 - 6 - | 1' - - - 6 - | 7 - - - 2' - | 5 - - - - -";
const std::string kSleep = "6 - - - 4 - | 2 - - - 7, - | 1 - - - - - | - - - - - .";

const char* kDriftChords = "1 3 4 1 6 2 5 5";
const char* kDriftHomeChords = "1 3 4 1 6 2 5 1";
const char* kGlowChords = "4 4 1 1 2 2 5 5";
} // namespace

Bytes ComposeStarlitWaltz(std::string& error) {
    using namespace gm;
    Arranger a("Starlit Waltz", {75, false}, 150, 3, {kMusicBox, kFlute, kHarp, kAcousticBass, kSlowStrings});
    const Section sections[] = {
        {.bars = 4, .chords = "1 4 1 5", .bass = BassStyle::Waltz, .comp = CompStyle::Waltz, .velocity = 70},
        {.bars = 8,
         .chords = kDriftChords,
         .melody = kDrift,
         .bass = BassStyle::Waltz,
         .comp = CompStyle::Waltz,
         .velocity = 80},
        {.bars = 8,
         .chords = kDriftHomeChords,
         .melody = kDriftHome,
         .bass = BassStyle::Waltz,
         .comp = CompStyle::Waltz,
         .drums = DrumStyle::Waltz,
         .velocity = 82},
        {.bars = 8,
         .chords = kGlowChords,
         .melody = kGlow,
         .leadProgram = kFlute,
         .leadOctave = -1,
         .bass = BassStyle::Waltz,
         .comp = CompStyle::Arpeggio,
         .drums = DrumStyle::Waltz,
         .velocity = 84},
        {.bars = 8,
         .chords = kDriftChords,
         .melody = kDrift,
         .counterInThirds = true,
         .leadProgram = kCelesta,
         .counterProgram = kVibraphone,
         .bass = BassStyle::Waltz,
         .comp = CompStyle::Waltz,
         .drums = DrumStyle::Waltz,
         .velocity = 84},
        {.bars = 8,
         .chords = "6 6 3 3 4 4 5 5",
         .melody = kShade,
         .leadProgram = kOboe,
         .leadOctave = -1,
         .bass = BassStyle::Whole,
         .comp = CompStyle::Arpeggio,
         .velocity = 76},
        {.bars = 8,
         .chords = kDriftHomeChords,
         .melody = kDriftHome,
         .leadProgram = kMusicBox,
         .bass = BassStyle::Waltz,
         .comp = CompStyle::Waltz,
         .drums = DrumStyle::Waltz,
         .velocity = 82},
        {.bars = 8,
         .chords = kGlowChords,
         .melody = kGlow,
         .counterInThirds = true,
         .leadProgram = kViolin,
         .counterProgram = kFlute,
         .leadOctave = -1,
         .bass = BassStyle::Waltz,
         .comp = CompStyle::Arpeggio,
         .drums = DrumStyle::Waltz,
         .velocity = 88},
        {.bars = 8,
         .chords = kDriftHomeChords,
         .melody = kDriftHome,
         .counterInThirds = true,
         .leadProgram = kCelesta,
         .counterProgram = kHarp,
         .bass = BassStyle::Waltz,
         .comp = CompStyle::Waltz,
         .drums = DrumStyle::Waltz,
         .velocity = 84},
        {.bars = 4,
         .chords = "4 5 1 1",
         .melody = kSleep,
         .leadProgram = kMusicBox,
         .bass = BassStyle::Whole,
         .comp = CompStyle::Sustain,
         .velocity = 72,
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
