#include "game/io/Music.h"

#include <algorithm>
#include <filesystem>
#include <strings.h>

#include "game/control/Random.h"
#include "game/io/Globals.h"
#include "platform/AudioDevice.h"

namespace {
constexpr std::string_view kMusicExtension = ".mid";

bool IsMusicName(const std::string& name) {
    return name.size() >= kMusicExtension.size() &&
           strcasecmp(name.c_str() + name.size() - kMusicExtension.size(), kMusicExtension.data()) == 0;
}
} // namespace

std::vector<std::string> FindMusic(const std::string& dir) {
    namespace fs = std::filesystem;
    // Only the smallest names are kept while walking, so a huge directory costs no memory.
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        if (!IsMusicName(name)) continue;
        if (names.size() == kMaxMusicCandidates && name >= names.back()) continue;
        names.insert(std::upper_bound(names.begin(), names.end(), name), std::move(name));
        if (names.size() > kMaxMusicCandidates) names.pop_back();
    }
    for (std::string& name : names) name = dir + "/" + name;
    return names;
}

void PlayRandomMusic() {
    const std::vector<std::string> candidates = FindMusic(kMusicDir);
    if (candidates.empty()) return;
    CloseMusic();
    // The choice is drawn with or without a sound device, so a seeded run deals the same on every machine.
    StartMusic(candidates[GameRand() % candidates.size()]);
}

int StartMusic(const std::string& path) {
    gMusicChosen = path;
    if (!lowDSound || gMusicGain <= 0) return 0;
    CloseMusic();
    if (!lowDSound->LoadMusic(path) || !lowDSound->PlayMusicOnce()) return 0;
    gMusicPlaying = path;
    return 1;
}

void CloseMusic() {
    gMusicPlaying.clear();
    if (lowDSound) lowDSound->CloseMusic();
}

void SetMusicLevel(float gain) {
    const bool wasOff = gMusicGain <= 0;
    gMusicGain = gain;
    if (lowDSound) lowDSound->SetMusicVolume(gain);
    if (gain <= 0)
        CloseMusic();
    else if (wasOff && !gMusicChosen.empty())
        StartMusic(gMusicChosen);
}
