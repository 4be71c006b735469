#include "tools/soundgen/FluidRenderer.h"

#include <cmath>
#include <fluidsynth.h>
#include <memory>

namespace soundgen {

namespace {
constexpr double kSynthGain = 0.6;
constexpr int kPolyphony = 128;

struct SettingsDeleter {
    void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
};
using SettingsPtr = std::unique_ptr<fluid_settings_t, SettingsDeleter>;
using SynthPtr = std::unique_ptr<fluid_synth_t, SynthDeleter>;

// FluidSynth reports every soundfont detail it dislikes; the builder only wants its own errors.
void SilenceFluidLog() {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

void Send(fluid_synth_t* synth, const TimedEvent& e) {
    const int channel = e.status & 0x0F;
    switch (e.status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth, channel, e.data1);
        break;
    case 0x90:
        if (e.data2 == 0)
            fluid_synth_noteoff(synth, channel, e.data1);
        else
            fluid_synth_noteon(synth, channel, e.data1, e.data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth, channel, e.data1, e.data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth, channel, e.data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth, channel, e.data1 | (e.data2 << 7));
        break;
    default:
        break;
    }
}

void RenderInto(fluid_synth_t* synth, Samples& out, size_t frames) {
    constexpr size_t kBlock = 1024;
    float left[kBlock], right[kBlock];
    while (frames > 0) {
        const size_t n = std::min(frames, kBlock);
        fluid_synth_write_float(synth, int(n), left, 0, 1, right, 0, 1);
        for (size_t i = 0; i < n; ++i) out.push_back(0.5f * (left[i] + right[i]));
        frames -= n;
    }
}
} // namespace

FluidRenderer::FluidRenderer(std::string soundfont, uint32_t sampleRate)
    : soundfont_(std::move(soundfont)), sampleRate_(sampleRate) {}

Samples FluidRenderer::Render(const SmfFile& file, double tailSeconds) {
    SilenceFluidLog();
    SettingsPtr settings(new_fluid_settings());
    if (!settings) {
        error_ = "cannot create FluidSynth settings";
        return {};
    }
    fluid_settings_setnum(settings.get(), "synth.sample-rate", sampleRate_);
    fluid_settings_setnum(settings.get(), "synth.gain", kSynthGain);
    fluid_settings_setint(settings.get(), "synth.polyphony", kPolyphony);
    fluid_settings_setint(settings.get(), "synth.cpu-cores", 1);
    fluid_settings_setint(settings.get(), "synth.chorus.active", 0);
    SynthPtr synth(new_fluid_synth(settings.get()));
    if (!synth) {
        error_ = "cannot create the FluidSynth synthesiser";
        return {};
    }
    if (fluid_synth_sfload(synth.get(), soundfont_.c_str(), 1) == FLUID_FAILED) {
        error_ = "cannot load the soundfont " + soundfont_;
        return {};
    }

    Samples out;
    for (const TimedEvent& e : TimedChannelEvents(file)) {
        const auto at = static_cast<size_t>(std::llround(e.seconds * sampleRate_));
        if (at > out.size()) RenderInto(synth.get(), out, at - out.size());
        Send(synth.get(), e);
    }
    RenderInto(synth.get(), out, static_cast<size_t>(tailSeconds * sampleRate_));
    return out;
}

} // namespace soundgen
