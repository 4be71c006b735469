#pragma once
#include <string>
#include <vector>

#include "tools/soundgen/SmfWriter.h"

namespace soundgen {

// Each tune composes itself into a Standard MIDI File; empty (error set) if its score is faulty.
Bytes ComposeSunnyStart(std::string& error);   // title: bright and bouncy
Bytes ComposeQuietGarden(std::string& error);  // calm search
Bytes ComposeTickingClock(std::string& error); // tense search
Bytes ComposeCardParty(std::string& error);    // playful
Bytes ComposeStarlitWaltz(std::string& error); // dreamy waltz

struct Tune {
    const char* fileName; // as it lies in the music directory
    Bytes (*compose)(std::string& error);
};

const std::vector<Tune>& AllTunes();

} // namespace soundgen
