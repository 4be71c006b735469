#include "tools/soundgen/Effects.h"

#include <algorithm>
#include <functional>

#include "tools/soundgen/EffectPhrases.h"
#include "tools/soundgen/FluidRenderer.h"
#include "tools/soundgen/SmfReader.h"
#include "tools/soundgen/Synth.h"

namespace soundgen {

namespace {
constexpr uint32_t kRate = kEffectSampleRate;
constexpr float kSilenceThreshold = 0.0005f; // about −66 dBFS
constexpr float kFadeInMs = 2.0f;
constexpr float kFadeOutMs = 10.0f;
constexpr float kCutFadeOutMs = 90.0f; // a longer fade where a ringing instrument is cut short
constexpr double kRenderTailSeconds = 1.5;

// A soft tick for a highlight that moves: two high partials dying within a few milliseconds.
Samples MouseOver() {
    Samples s = Ping(0.045f, 1900, 7, kRate);
    MixAt(s, Ping(0.045f, 2850, 5, kRate), 0, 0.35f, kRate);
    return s;
}

// A click: a crisp noise snap over a small low knock.
Samples MouseClick() {
    Samples s = Tick(0.06f, 3200, 3, 11, kRate);
    MixAt(s, Ping(0.06f, 160, 14, kRate), 0, 0.6f, kRate);
    MixAt(s, Tick(0.03f, 1800, 2, 12, kRate), 0.018f, 0.4f, kRate);
    return s;
}

// A dull buzz for a miss: a low sawtooth sagging in pitch behind a dark low-pass.
Samples Fail1() {
    Samples s = Buzz({0.38f, 110, 98, false, 8, 90, 900}, kRate);
    MixAt(s, Buzz({0.38f, 111.5f, 99, false, 8, 90, 900}, kRate), 0, 0.6f, kRate);
    return s;
}

// The other miss: two short hollow buzzes, the second lower.
Samples Fail2() {
    Samples s = Buzz({0.15f, 92, 90, true, 6, 40, 1100}, kRate);
    MixAt(s, Buzz({0.17f, 86, 80, true, 6, 60, 1000}, kRate), 0.2f, 1.0f, kRate);
    return s;
}

// A card turned face up: a rising swish ending in a light snap on the table.
Samples CardOpen() {
    Samples s = Swish(0.13f, 700, 4200, 21, kRate);
    MixAt(s, Tick(0.05f, 2600, 5, 22, kRate), 0.12f, 0.8f, kRate);
    MixAt(s, Ping(0.05f, 210, 12, kRate), 0.12f, 0.5f, kRate);
    return s;
}

// Two cards that do not match: two falling swishes over a soft descending two-note "no".
Samples CardReturn() {
    Samples s = Swish(0.11f, 4000, 700, 31, kRate);
    MixAt(s, Swish(0.11f, 3600, 600, 32, kRate), 0.16f, 0.8f, kRate);
    MixAt(s, Ping(0.16f, 659, 60, kRate), 0.0f, 0.35f, kRate);
    MixAt(s, Ping(0.22f, 523, 70, kRate), 0.16f, 0.35f, kRate);
    return s;
}

struct SynthEffect {
    const char* name;
    std::function<Samples()> make;
};

const SynthEffect kSynthEffects[] = {
    {"CardOpen.wav", CardOpen}, {"CardReturn.wav", CardReturn}, {"Fail1.wav", Fail1},
    {"Fail2.wav", Fail2},       {"MouseOver.wav", MouseOver},   {"MouseClick.wav", MouseClick},
};

void Finish(Samples& s, float maxSeconds) {
    TrimSilence(s, kRate, kSilenceThreshold);
    const auto maxFrames = static_cast<size_t>(maxSeconds * kRate);
    const bool cut = s.size() > maxFrames;
    if (cut) s.resize(maxFrames);
    ApplyEdgeFades(s, kRate, kFadeInMs, cut ? kCutFadeOutMs : kFadeOutMs);
    NormaliseLoudness(s);
}

bool RenderPhrase(const Phrase& phrase, FluidRenderer& renderer, Samples& out, std::string& error) {
    const Bytes smf = PhraseToSmf(phrase);
    const auto file = ReadSmf(smf);
    if (!file) {
        error = "the phrase of " + phrase.name + " is not a readable MIDI file";
        return false;
    }
    out = renderer.Render(*file, kRenderTailSeconds);
    if (out.empty()) {
        error = renderer.Error().empty() ? phrase.name + " rendered silent" : renderer.Error();
        return false;
    }
    Finish(out, phrase.maxSeconds);
    return true;
}
} // namespace

const std::vector<std::string>& EffectNames() {
    static const std::vector<std::string> names = {
        "logo.wav",        "Clear.wav",    "Rank.wav",      "CardOpen.wav",  "CardReturn.wav",
        "CardSuccess.wav", "Fail1.wav",    "Fail2.wav",     "Success1.wav",  "Success2.wav",
        "Success3.wav",    "Success4.wav", "GameOver1.wav", "MouseOver.wav", "MouseClick.wav"};
    return names;
}

std::vector<Effect> BuildEffects(const std::string& soundfont, std::string& error) {
    constexpr float kNoCut = 10.0f;
    FluidRenderer renderer(soundfont, kRate);
    std::vector<Effect> built;
    for (const Phrase& phrase : EffectPhrases()) {
        Effect e{phrase.name, {}};
        if (!RenderPhrase(phrase, renderer, e.samples, error)) return {};
        built.push_back(std::move(e));
    }
    for (const SynthEffect& synth : kSynthEffects) {
        Effect e{synth.name, synth.make()};
        Finish(e.samples, kNoCut);
        built.push_back(std::move(e));
    }
    // In the game's loading order.
    std::vector<Effect> ordered;
    for (const std::string& name : EffectNames()) {
        auto it = std::find_if(built.begin(), built.end(), [&](const Effect& e) { return e.name == name; });
        if (it == built.end()) {
            error = "no recipe for " + name;
            return {};
        }
        ordered.push_back(std::move(*it));
    }
    return ordered;
}

} // namespace soundgen
