// A tense search tune: A minor, driving string pulses, a ticking wood block and an oboe.
#include "tools/soundgen/Arranger.h"
#include "tools/soundgen/GeneralMidi.h"
#include "tools/soundgen/tunes/Tunes.h"

namespace soundgen {

namespace {
const std::string kHuntHead = "1 . 1 . 3 - 2 1 | #7, - 1 - 5, - - - | 6 . 6 . 1' - 7 6 | 5 . 5 . #7 - 6 5 | "
                              "1' - 7 - 6 - 5 - | 4 - 6 - 1' - 6 - | ";
const std::string kHunt = kHuntHead + "#7 - 2' - #7 - 5 - | 5 - - - . . . .";
const std::string kHuntHome = kHuntHead + "#7 - 2' - 1' - #7 - | 1' - - - . . . .";
const std::string kClimb = "3 - - - 1 - 6, - | 2 - - - 7, - 5, - | 5 - - - 3 - 1 - | 1 - 3 - 6 - - - | "
                           "6 - - 4 1' - - 6 | 2' - - 1' 7 - 6 - | #7 - - - 2' - - - | #7 - 6 - 5 - #4 -";
const std::string kStalk = "4 - 4 6 1' - 6 4 | 3 - 1 - 5, - - - | 4 - 4 6 2' - 1' 6 | 5 - - - - - . . | "
                           "6 - 1' - 3' - 1' - | 2' - 1' - 6 - 4 - | 5 - 2 - #7, - 2 - | 5, - - - . . . .";
const std::string kEnd = "1' - 7 - 6 - 3 - | #7 - - - 2' - - - | 1' - - - . . . . | . . . . . . . .";

const char* kHuntChords = "1 1 6 5 1 4 5 5";
const char* kHuntHomeChords = "1 1 6 5 1 4 5 1";
} // namespace

Bytes ComposeTickingClock(std::string& error) {
    using namespace gm;
    Arranger a("Ticking Clock", {69, true}, 138, 4,
               {kOboe, kPizzicatoStrings, kStrings, kFingeredBass, kBowedPad});
    const Section sections[] = {
        {.bars = 4,
         .chords = "1 1 6 5",
         .bass = BassStyle::Eighths,
         .comp = CompStyle::Pulse,
         .pad = false,
         .drums = DrumStyle::Tense,
         .velocity = 80},
        {.bars = 8,
         .chords = kHuntChords,
         .melody = kHunt,
         .bass = BassStyle::Eighths,
         .comp = CompStyle::Pulse,
         .drums = DrumStyle::Tense,
         .velocity = 88},
        {.bars = 8,
         .chords = kHuntHomeChords,
         .melody = kHuntHome,
         .counterInThirds = true,
         .bass = BassStyle::Eighths,
         .comp = CompStyle::Pulse,
         .drums = DrumStyle::Tense,
         .fill = true,
         .velocity = 90},
        {.bars = 8,
         .chords = "6 7 3 6 4 2 5 5",
         .melody = kClimb,
         .leadProgram = kViolin,
         .bass = BassStyle::RootFifth,
         .comp = CompStyle::Pulse,
         .drums = DrumStyle::Tense,
         .fill = true,
         .velocity = 94},
        {.bars = 4,
         .chords = "1 1 4 5",
         .bass = BassStyle::Eighths,
         .comp = CompStyle::None,
         .pad = true,
         .drums = DrumStyle::Tense,
         .fill = true,
         .velocity = 84},
        {.bars = 8,
         .chords = kHuntChords,
         .melody = kHunt,
         .leadProgram = kXylophone,
         .counterProgram = kTremoloStrings,
         .compProgram = kPizzicatoStrings,
         .bass = BassStyle::Eighths,
         .comp = CompStyle::Pulse,
         .drums = DrumStyle::Tense,
         .velocity = 92},
        {.bars = 8,
         .chords = "4 1 4 1 6 4 5 5",
         .melody = kStalk,
         .leadProgram = kClarinet,
         .compProgram = kTremoloStrings,
         .leadOctave = -1,
         .bass = BassStyle::Whole,
         .comp = CompStyle::Sustain,
         .pad = false,
         .drums = DrumStyle::Soft,
         .fill = true,
         .velocity = 84},
        {.bars = 8,
         .chords = kHuntHomeChords,
         .melody = kHuntHome,
         .counterInThirds = true,
         .leadProgram = kOboe,
         .counterProgram = kPizzicatoStrings,
         .compProgram = kStrings,
         .bass = BassStyle::Eighths,
         .comp = CompStyle::Pulse,
         .drums = DrumStyle::Tense,
         .fill = true,
         .velocity = 98},
        {.bars = 4,
         .chords = "6 5 1 1",
         .melody = kEnd,
         .bass = BassStyle::Whole,
         .comp = CompStyle::Sustain,
         .drums = DrumStyle::None,
         .velocity = 92,
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
