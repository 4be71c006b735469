#include "game/io/SoundLevels.h"

#include <cmath>

float GainFromHundredthsDb(int hundredthsDb) {
    if (hundredthsDb <= kSilentHundredthsDb) return 0;
    if (hundredthsDb >= 0) return 1;
    constexpr double kHundredthsPerTwentyDb = 2000; // a factor of ten in amplitude
    return static_cast<float>(std::pow(10.0, hundredthsDb / kHundredthsPerTwentyDb));
}

PanGains PanFromHundredthsDb(int hundredthsDb) {
    if (hundredthsDb > 0) return {GainFromHundredthsDb(-hundredthsDb), 1};
    return {1, GainFromHundredthsDb(hundredthsDb)};
}
