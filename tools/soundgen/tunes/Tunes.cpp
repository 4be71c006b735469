#include "tools/soundgen/tunes/Tunes.h"

namespace soundgen {

const std::vector<Tune>& AllTunes() {
    static const std::vector<Tune> tunes = {
        {"sunny_start.mid", ComposeSunnyStart},     {"quiet_garden.mid", ComposeQuietGarden},
        {"ticking_clock.mid", ComposeTickingClock}, {"card_party.mid", ComposeCardParty},
        {"starlit_waltz.mid", ComposeStarlitWaltz},
    };
    return tunes;
}

} // namespace soundgen
