// zor_soundgen: writes the game's sound effects as WAV files and its tunes as MIDI files.
//   zor_soundgen --soundfont SF2 --effects DIR --music DIR
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "common/AtomicFile.h"
#include "tools/soundgen/Effects.h"
#include "tools/soundgen/WavWriter.h"
#include "tools/soundgen/tunes/Tunes.h"

namespace {

struct Options {
    std::string soundfont, effects, music;
};

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--soundfont") == 0)
            o.soundfont = argv[i + 1];
        else if (std::strcmp(argv[i], "--effects") == 0)
            o.effects = argv[i + 1];
        else if (std::strcmp(argv[i], "--music") == 0)
            o.music = argv[i + 1];
        else
            return false;
    }
    return argc % 2 == 1 && !o.soundfont.empty() && !o.effects.empty() && !o.music.empty();
}

bool Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::string error;
    if (WriteFileAtomically(path.string(), bytes, error)) return true;
    std::fprintf(stderr, "zor_soundgen: %s: %s\n", path.c_str(), error.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        std::fprintf(stderr, "usage: zor_soundgen --soundfont SF2 --effects DIR --music DIR\n");
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(o.effects, ec);
    std::filesystem::create_directories(o.music, ec);

    std::string error;
    const auto effects = soundgen::BuildEffects(o.soundfont, error);
    if (effects.empty()) {
        std::fprintf(stderr, "zor_soundgen: %s\n", error.c_str());
        return 1;
    }
    for (const auto& e : effects)
        if (!Write(std::filesystem::path(o.effects) / e.name,
                   soundgen::EncodeWavMono16(soundgen::ToPcm16(e.samples), soundgen::kEffectSampleRate)))
            return 1;

    for (const auto& tune : soundgen::AllTunes()) {
        const auto smf = tune.compose(error);
        if (smf.empty()) {
            std::fprintf(stderr, "zor_soundgen: %s: %s\n", tune.fileName, error.c_str());
            return 1;
        }
        if (!Write(std::filesystem::path(o.music) / tune.fileName, smf)) return 1;
    }
    return 0;
}
