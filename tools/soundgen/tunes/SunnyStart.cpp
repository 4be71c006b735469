// The title tune: F major, a bouncy pop march with a flute tune, a piano and a small band.
#include "tools/soundgen/Arranger.h"
#include "tools/soundgen/GeneralMidi.h"
#include "tools/soundgen/tunes/Tunes.h"

namespace soundgen {

namespace {
const std::string kVerseHead = "1 - 3 - 5 - 6 5 | 4 - 2 - 7, - 5, - | 1 - 3 - 6 - 5 3 | 4 - - - . . 3 4 | "
                               "5 - 5 6 5 - 3 1 | 2 - 5, - 7, - 2 - | ";
const std::string kVerse = kVerseHead + "1 - 6, - 4 - 6 - | 5 - - - . . . .";
const std::string kVerseHome = kVerseHead + "6 - 4 - 2 - 7, - | 1 - - - . . . .";
const std::string kChorus = "6 - - 5 4 - 6 - | 1' - - 7 5 - - - | 7 - - 6 5 - 3 - | 6 - - 5 3 - 1 - | "
                            "2 - 4 - 6 - 4 - | 5 - 7, - 2 - 5 - | 3 - 5 - 1' - 5 - | 4 - 2 - 7, - 5, -";
const std::string kBridge = ". 3 - 6 - 3 1 - | 7, - 3 - 5 - 7 - | 6 - 4 - 1 - 4 6 | 5 - - - - - . . | "
                            ". 1' - 7 6 - 3 - | 5 - - 3 7, - 3 - | 4 - 2 - 6 - 4 - | 5 - 4 - 2 - 7, -";
const std::string kCoda = "1 - 6, - 4 - 6, - | 5, - 7, - 2 - 4 - | 3 - 5 - 1' - - - | - - - - - - - .";

const char* kVerseChords = "1 5 6 4 1 5 4 5";
const char* kVerseHomeChords = "1 5 6 4 1 5 4/5 1";
} // namespace

Bytes ComposeSunnyStart(std::string& error) {
    using namespace gm;
    Arranger a("Sunny Start", {65, false}, 128, 4,
               {kFlute, kClarinet, kAcousticPiano, kFingeredBass, kStrings});
    const Section sections[] = {
        {.bars = 4,
         .chords = "1 4 6 5",
         .bass = BassStyle::Whole,
         .comp = CompStyle::Arpeggio,
         .fill = false,
         .velocity = 78},
        {.bars = 8,
         .chords = kVerseChords,
         .melody = kVerse,
         .comp = CompStyle::Arpeggio,
         .drums = DrumStyle::Pop,
         .velocity = 88},
        {.bars = 8,
         .chords = kVerseHomeChords,
         .melody = kVerseHome,
         .counterInThirds = true,
         .comp = CompStyle::Arpeggio,
         .drums = DrumStyle::Pop,
         .fill = true,
         .velocity = 90},
        {.bars = 8,
         .chords = "4 5 3 6 2 5 1 5^",
         .melody = kChorus,
         .leadProgram = kViolin,
         .bass = BassStyle::Walking,
         .comp = CompStyle::Offbeat,
         .drums = DrumStyle::Pop,
         .fill = true,
         .velocity = 94},
        {.bars = 8,
         .chords = kVerseChords,
         .melody = kVerse,
         .counterInThirds = true,
         .leadProgram = kTrumpet,
         .counterProgram = kTrombone,
         .leadOctave = -1,
         .comp = CompStyle::Offbeat,
         .drums = DrumStyle::Pop,
         .velocity = 92},
        {.bars = 8,
         .chords = "6 3 4 1 6 3 2 5",
         .melody = kBridge,
         .leadProgram = kOboe,
         .compProgram = kHarp,
         .bass = BassStyle::Whole,
         .comp = CompStyle::Arpeggio,
         .drums = DrumStyle::Soft,
         .fill = true,
         .velocity = 80},
        {.bars = 8,
         .chords = "4 5 3 6 2 5 1 5^",
         .melody = kChorus,
         .counterInThirds = true,
         .leadProgram = kFlute,
         .counterProgram = kClarinet,
         .compProgram = kAcousticPiano,
         .bass = BassStyle::Walking,
         .comp = CompStyle::Offbeat,
         .drums = DrumStyle::Pop,
         .fill = true,
         .velocity = 96},
        {.bars = 8,
         .chords = kVerseHomeChords,
         .melody = kVerseHome,
         .counterInThirds = true,
         .leadProgram = kTrumpet,
         .counterProgram = kTrumpet,
         .leadOctave = -1,
         .bass = BassStyle::Eighths,
         .comp = CompStyle::Offbeat,
         .drums = DrumStyle::Pop,
         .fill = true,
         .velocity = 100,
         .transpose = 2},
        {.bars = 4,
         .chords = "4 5 1 1",
         .melody = kCoda,
         .leadProgram = kFlute,
         .bass = BassStyle::Whole,
         .comp = CompStyle::Sustain,
         .drums = DrumStyle::None,
         .velocity = 92,
         .transpose = 2,
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
