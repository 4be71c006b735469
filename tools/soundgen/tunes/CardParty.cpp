// A playful tune: C major, an oom-pah tuba under a clarinet, accordion and xylophone.
#include "tools/soundgen/Arranger.h"
#include "tools/soundgen/GeneralMidi.h"
#include "tools/soundgen/tunes/Tunes.h"

namespace soundgen {

namespace {
const std::string kSkipHead = "5 #4 5 . 3 . 1 . | 6 #5 6 . 1' . 6 . | 4 3 4 . 6 . 2' . | 1' . 7 . 5 - - . | "
                              "5 #4 5 . 1' . 7 6 | 6 . 4 . 1 - 6, . | ";
const std::string kSkip = kSkipHead + "2 . 4 . 6 . 1' . | 7 - - - 5 . . .";
const std::string kSkipHome = kSkipHead + "5 . 2' . 7 . 5 . | 1' - - - 1 . . .";
const std::string kSway = "6 - - - 4 - 6 - | 1' - - - 6 - 4 - | 5 - - - 3 - 5 - | 1' - - - - - . . | "
                          "2' - - 1' 6 - 4 - | 5 - - 4 2 - 7, - | 1 - 3 - 5 - 1' - | 7 - 5 - 4 - 2 -";
const std::string kHop = "3 . 3 . 6 . 6 . | 7, . 7, . 3 . 5 . | 4 . 6 . 1' . 6 . | 5 - 3 - 1 - . . | "
                         "6 . 1' . 3' . 1' . | 7 . 5 . 3 . 5 . | 6 . 4 . 2 . 4 . | 5 . 7, . 2 . 5 .";
const std::string kBow = "6 . 4 . 1' . 6 . | 5 . 7 . 2' . 7 . | 1' . 5 . 3 . 1 . | 1' - - . . . . .";

const char* kSkipChords = "1 6 2 5 1 4 2 5";
const char* kSkipHomeChords = "1 6 2 5 1 4 5 1";
} // namespace

Bytes ComposeCardParty(std::string& error) {
    using namespace gm;
    Arranger a("Card Party", {72, false}, 116, 4, {kClarinet, kFlute, kElectricPiano, kTuba, kStrings});
    const Section sections[] = {
        {.bars = 4,
         .chords = "1 6 2 5",
         .comp = CompStyle::Offbeat,
         .pad = false,
         .drums = DrumStyle::Pop,
         .fill = true,
         .velocity = 80},
        {.bars = 8,
         .chords = kSkipChords,
         .melody = kSkip,
         .comp = CompStyle::Offbeat,
         .pad = false,
         .drums = DrumStyle::Pop,
         .velocity = 88},
        {.bars = 8,
         .chords = kSkipHomeChords,
         .melody = kSkipHome,
         .counterInThirds = true,
         .comp = CompStyle::Offbeat,
         .pad = false,
         .drums = DrumStyle::Pop,
         .fill = true,
         .velocity = 90},
        {.bars = 8,
         .chords = "4 4 1 1 2 5 1 5",
         .melody = kSway,
         .leadProgram = kAccordion,
         .leadOctave = -1,
         .bass = BassStyle::Walking,
         .comp = CompStyle::Offbeat,
         .drums = DrumStyle::Soft,
         .fill = true,
         .velocity = 86},
        {.bars = 8,
         .chords = kSkipChords,
         .melody = kSkip,
         .counterInThirds = true,
         .leadProgram = kXylophone,
         .counterProgram = kMarimba,
         .comp = CompStyle::Offbeat,
         .pad = false,
         .drums = DrumStyle::Pop,
         .velocity = 92},
        {.bars = 8,
         .chords = "6 3 4 1 6 3 2 5",
         .melody = kHop,
         .leadProgram = kPiccolo,
         .compProgram = kAcousticPiano,
         .comp = CompStyle::Arpeggio,
         .drums = DrumStyle::Soft,
         .fill = true,
         .velocity = 84},
        {.bars = 8,
         .chords = kSkipHomeChords,
         .melody = kSkipHome,
         .counterInThirds = true,
         .leadProgram = kClarinet,
         .counterProgram = kFlute,
         .compProgram = kElectricPiano,
         .comp = CompStyle::Offbeat,
         .pad = false,
         .drums = DrumStyle::Pop,
         .fill = true,
         .velocity = 94,
         .transpose = 1},
        {.bars = 4,
         .chords = "4 5 1 1",
         .melody = kBow,
         .comp = CompStyle::Offbeat,
         .pad = false,
         .drums = DrumStyle::Pop,
         .velocity = 94,
         .transpose = 1,
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
