#pragma once
#include <cstdint>
#include <string>

#include "tools/soundgen/SampleOps.h"
#include "tools/soundgen/SmfReader.h"

namespace soundgen {

// Plays a MIDI file through FluidSynth with a General MIDI soundfont into mono samples, driving
// the synthesiser event by event at exact sample positions, so the output is the same on every run.
class FluidRenderer {
  public:
    FluidRenderer(std::string soundfont, uint32_t sampleRate);

    // The file's events followed by tailSeconds of release and reverb. Empty (with a reason in
    // Error()) when the synthesiser or the soundfont cannot be set up.
    Samples Render(const SmfFile& file, double tailSeconds);
    const std::string& Error() const { return error_; }

  private:
    std::string soundfont_;
    uint32_t sampleRate_;
    std::string error_;
};

} // namespace soundgen
