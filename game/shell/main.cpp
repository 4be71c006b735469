// The game program: sets up the SDL platform and hands it to the game.
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "common/Language.h"
#include "game/settings/Globals.h"
#include "game/settings/SettingsStore.h"
#include "game/shell/ApplySettings.h"
#include "game/play/Globals.h"
#include "game/shell/MainLoop.h"
#include "game/shell/Options.h"
#include "game/shell/ScriptedRun.h"
#include "game/texts/GameTexts.h"
#include "platform/HeapPages.h"
#include "pairmaker/PairMaker.h"
#include "platform/RecordingMessageBox.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlGlyphRasterizer.h"
#include "platform/sdl/SdlHandles.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlMessageBox.h"
#include "platform/sdl/SdlReplay.h"
#include "platform/sdl/SdlVideo.h"

namespace {
// Made pairs are kept in the game folder (the player's own when installed), beside the rankings.
constexpr const char* kMadePairsFolder = "made-pairs";

bool LoadScript(const std::string& path, ReplayScript& script, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    if (!script.Parse(text.str(), error)) {
        error = path + ": " + error;
        return false;
    }
    const std::string unknown = SdlReplay::UnknownName(script);
    if (!unknown.empty()) {
        error = path + ": unknown key name " + unknown;
        return false;
    }
    return true;
}

// The settings file, each of its problems named on standard error, and the command line's options over
// it for this run only.
void StartSettings(const Options& options) {
    const std::string path = SettingsPath(ProcessEnvironment);
    std::vector<std::string> messages;
    LoadSettings(path, messages);
    for (const std::string& message : messages)
        std::fprintf(stderr, "zor: %s %s\n", path.c_str(), message.c_str());
    if (options.windowed) gSettings[SettingFullScreen] = 0;
    if (options.windowScale > 0) gSettings[SettingWindowScale] = options.windowScale;
    if (options.integerScale) gSettings[SettingIntegerScale] = 1;
    Language language = Language::Korean;
    if (ParseLanguageCode(options.language, language))
        gSettings[SettingLanguage] = language == Language::English ? LanguageEnglish : LanguageKorean;
}
} // namespace

namespace {
constexpr size_t kHeapReserve = size_t{48} << 20;     // what start-up and a stage use, with room to spare
constexpr size_t kLargestHeapBlock = size_t{8} << 20; // the fade tables and every surface stay on it
} // namespace

int main(int argc, char** argv) {
    PreferHugePagesOnTheHeap(kHeapReserve, kLargestHeapBlock);
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "zor: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    StartSettings(options);
    SetGameLanguage(LanguageOfSetting(gSettings[SettingLanguage], ProcessEnvironment));
    ReplayScript script;
    const bool scripted = !options.replayPath.empty();
    if (scripted && !LoadScript(options.replayPath, script, error)) {
        std::fprintf(stderr, "zor: %s\n", error.c_str());
        return 2;
    }

    SdlLibrary sdl;
    SdlVideo video;
    VideoMode mode;
    mode.windowed = gSettings[SettingFullScreen] == 0 || scripted;
    mode.windowScale = gSettings[SettingWindowScale];
    mode.integerScale = gSettings[SettingIntegerScale] != 0;
    const bool haveVideo = video.Create(640, 480, mode);
    if (!haveVideo) std::fprintf(stderr, "zor: no display: %s\n", video.Error().c_str());
    SdlInput input(video);
    SdlAudio audio;
    // Static so that fontconfig is shut down also when start-up ends the process with exit().
    static SdlGlyphRasterizer glyphs;
    SdlMessageBox box;
    RecordingMessageBox messages(box);
    SdlClock realClock;
    VirtualClock virtualClock(options.seed);
    const int lastFrame = options.frames >= 0 ? options.frames : script.endFrame;
    SdlReplay replay(input, video, script, lastFrame);

    PlatformServices platform;
    platform.presenter = haveVideo ? &video : nullptr;
    platform.clock = scripted ? static_cast<Clock*>(&virtualClock) : &realClock;
    platform.messages = &messages;
    platform.glyphs = glyphs.Ready() ? &glyphs : nullptr;
    platform.input = &input;
    platform.audio = &audio;
    platform.events = scripted || options.frames >= 0 ? static_cast<EventSource*>(&replay) : &input;

    std::unique_ptr<ScriptedRunObserver> observer;
    std::unique_ptr<AutoPlay> autoPlay;
    if (scripted || !options.tracePath.empty() || options.autoplayEvery > 0) {
        observer = std::make_unique<ScriptedRunObserver>(script, messages, options.shotDir);
        if (!options.tracePath.empty() && !observer->OpenTrace(options.tracePath)) {
            std::fprintf(stderr, "zor: cannot write %s\n", options.tracePath.c_str());
            return 2;
        }
        if (options.autoplayEvery > 0) {
            autoPlay = std::make_unique<AutoPlay>(options.autoplayEvery, options.autoplayStages);
            observer->SetAutoPlay(autoPlay.get());
        }
    }
    // Today's pack and endless play: the maker's worker starts when the selection screen is first entered,
    // and is joined when the maker goes out of scope, before the platform it outlives.
    PairMaker maker(kMadePairsFolder);
    gPairSupply = &maker;
    const int status = RunGame(platform, observer.get(), options.mapPath);
    gPairSupply = nullptr;
    if (autoPlay) {
        autoPlay.reset(); // its figures first
        const PairMaker::Figures f = maker.Snapshot();
        std::fprintf(stderr, "autoplay: pairs made=%d cached=%d failed=%d taken=%d longest_take_us=%lld\n",
                     f.made, f.fromCache, f.failed, f.taken, static_cast<long long>(f.longestTake.count()));
    }
    return status;
}
