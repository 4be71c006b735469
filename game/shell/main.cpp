// The game program: sets up the SDL platform and hands it to the game.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>
#include <vector>

#include "common/AtomicFile.h"
#include "common/Language.h"
#include "game/io/Globals.h"
#include "game/net/Globals.h"
#include "game/net/Handshake.h"
#include "game/play/Globals.h"
#include "game/play/SavedGame.h"
#include "game/screens/RankBoard.h"
#include "game/settings/Globals.h"
#include "game/settings/SettingsStore.h"
#include "game/shell/ApplySettings.h"
#include "game/shell/CommandLog.h"
#include "game/shell/MainLoop.h"
#include "game/shell/NetGame.h"
#include "game/shell/Options.h"
#include "game/shell/ScriptedRun.h"
#include "game/texts/GameTexts.h"
#include "pairmaker/PairMaker.h"
#include "platform/HeapPages.h"
#include "platform/RecordingMessageBox.h"
#include "platform/enet/EnetLink.h"
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
constexpr uint32_t kJoinTimeoutMs = 5000;
static_assert(EnetLink::kMaxPacketBytes >= Hello::kMaxBytes, "the link must carry the largest hello");
constexpr uint32_t kRefusalLingerMs = 300; // lets the other computer read our hello before we leave

// A guest plays on copies of the host's ranking and saved game, in a folder removed at the end.
class GuestFiles {
  public:
    bool Create(const Hello& host, std::string& error) {
        char pattern[] = "/tmp/zor-guest-XXXXXX";
        if (!mkdtemp(pattern)) {
            error = "cannot make a folder for the host's files";
            return false;
        }
        dir_ = pattern;
        return Put(kRankFileName, host.hasRanking, host.ranking, error) &&
               Put(kSaveFileName, host.hasSavedGame, host.savedGame, error);
    }
    ~GuestFiles() {
        std::error_code ignored;
        if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
    }
    const std::string& Dir() const { return dir_; }

  private:
    bool Put(const char* name, bool present, const std::vector<uint8_t>& bytes, std::string& error) {
        return !present || WriteFileAtomically(dir_ + "/" + name, bytes, error);
    }
    std::string dir_;
};

// The meeting of two computers before a network game: the link, the hellos compared, and then the
// host's seed, settings and player files taken by both.
struct NetMeeting {
    std::unique_ptr<EnetLink> link;
    int seat = 0;
    uint32_t seed = 0;
    GuestFiles guestFiles;
};

// The box writes the text to standard error too.
void Tell(MessageBox& box, const std::string& text) {
    box.Show("ZOR", text);
}

std::string CannotJoin(const std::string& why) {
    return FormatGameText(GameTextUtf8(TextNetCannotJoin), why);
}

bool Meet(const Options& options, uint32_t ownSeed, MessageBox& box, NetMeeting& meeting) {
    std::string error;
    meeting.seat = options.hostPort != 0 ? 0 : 1;
    if (meeting.seat == 0) {
        // Said once the port is open, with the addresses the other player can join.
        bool told = false;
        const auto tell = [&told, &options] {
            if (told) return true;
            told = true;
            const std::string addresses = LocalAddresses();
            std::fprintf(stderr, "zor: waiting for the other computer to join on port %d%s%s\n",
                         options.hostPort, addresses.empty() ? "" : "; this computer is ", addresses.c_str());
            return true;
        };
        meeting.link = EnetLink::Host(static_cast<uint16_t>(options.hostPort), tell, error);
    } else {
        std::string host;
        uint16_t port = 0;
        if (ParseJoinAddress(options.joinAddress, host, port, error))
            meeting.link = EnetLink::Join(host, port, kJoinTimeoutMs, error);
    }
    if (!meeting.link) {
        Tell(box, CannotJoin(error));
        return false;
    }
    const bool english = GameLanguage() == Language::English;
    const Hello mine = MakeHello(".", english, ownSeed, gSettings);
    Hello theirs;
    if (!ExchangeHellos(*meeting.link, mine, theirs, error)) {
        Tell(box, CannotJoin(error));
        return false;
    }
    const std::string difference = HelloDifference(mine, theirs);
    if (!difference.empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kRefusalLingerMs));
        Tell(box, difference);
        return false;
    }
    const Hello& host = meeting.seat == 0 ? mine : theirs;
    ShareSettings(host, meeting.seat == 0 ? theirs : mine, gSettings);
    meeting.seed = host.seed;
    if (meeting.seat == 1 && !meeting.guestFiles.Create(host, error)) {
        Tell(box, CannotJoin(error));
        return false;
    }
    gPlayerFilesDir = meeting.guestFiles.Dir();
    gTwoSeats = 1;
    std::fprintf(stderr, "zor: playing together as player %d\n", meeting.seat + 1);
    return true;
}

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

    CommandLog commandLog;
    if (!options.commandsPath.empty() && !commandLog.Load(options.commandsPath, error)) {
        std::fprintf(stderr, "zor: %s\n", error.c_str());
        return 2;
    }

    SdlLibrary sdl;
    SdlMessageBox box;
    SdlClock realClock;
    const Settings ownSettings = gSettings;
    NetMeeting meeting;
    if (options.Networked() &&
        !Meet(options, scripted ? options.seed : realClock.CalendarTime(), box, meeting))
        return 1;
    // A recorded log plays both players, as a network game does.
    if (!options.commandsPath.empty()) gTwoSeats = 1;

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
    RecordingMessageBox messages(box);
    VirtualClock virtualClock(options.seed);
    Clock& runClock = scripted ? static_cast<Clock&>(virtualClock) : realClock;
    SeededClock netClock(runClock, meeting.seed);
    const int lastFrame = options.frames >= 0 ? options.frames : script.endFrame;
    SdlReplay replay(input, video, script, lastFrame);

    PlatformServices platform;
    platform.presenter = haveVideo ? &video : nullptr;
    platform.clock = options.Networked() ? &netClock : &runClock;
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
    // Made pairs arrive when each machine's worker has them, which two machines cannot agree on: a network
    // game (and a replay of one) offers no made pairs.
    if (!gTwoSeats) gPairSupply = &maker;
    std::unique_ptr<NetGame> net;
    if (meeting.link)
        net = std::make_unique<NetGame>(*meeting.link, meeting.seat, static_cast<uint32_t>(options.netDelay),
                                        realClock, *platform.events, ownSettings, "");
    LogFeed logFeed(commandLog);
    CommandLog record;
    GameLoop loop;
    loop.observer = observer.get();
    loop.feed = net                             ? static_cast<CommandFeed*>(net.get())
                : !options.commandsPath.empty() ? &logFeed
                                                : nullptr;
    loop.record = options.recordPath.empty() ? nullptr : &record;
    const int status = RunGame(platform, loop, options.mapPath);
    if (net) std::fprintf(stderr, "%s\n", net->Describe().c_str());
    if (loop.record && !record.Save(options.recordPath, error))
        std::fprintf(stderr, "zor: %s\n", error.c_str());
    gPairSupply = nullptr;
    if (autoPlay) {
        autoPlay.reset(); // its figures first
        const PairMaker::Figures f = maker.Snapshot();
        std::fprintf(stderr, "autoplay: pairs made=%d cached=%d failed=%d taken=%d longest_take_us=%lld\n",
                     f.made, f.fromCache, f.failed, f.taken, static_cast<long long>(f.longestTake.count()));
    }
    return status;
}
