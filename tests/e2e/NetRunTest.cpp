// Two real zor processes playing one game over the loopback address: host and guest each on a script of
// their own, then the host's record of commands replayed on one machine.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "tests/e2e/GameScript.h"
#include "tests/e2e/RelayRun.h"

using namespace e2e;

namespace {
constexpr int kFrames = 300;
constexpr int kFirstMiss = 80, kMissEvery = 12; // the pen is frozen for ten frames after a miss
constexpr double kRunLimitSeconds = 120;        // a side whose other side failed would wait for ever

// A UDP port of 127.0.0.1 that was free a moment ago.
int FreePort() {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in at{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t len = sizeof at;
    bind(fd, reinterpret_cast<const sockaddr*>(&at), len);
    getsockname(fd, reinterpret_cast<sockaddr*>(&at), &len);
    close(fd);
    return ntohs(at.sin_port);
}

// Ten misses, one every kMissEvery frames, each a little further right. Player 2's pen first goes to
// the spot of the right picture that mirrors player 1's, so both players miss alike.
std::string Misses(int firstMove) {
    Script s;
    for (int k = 0; k < 10; ++k) {
        s.At(kFirstMiss + kMissEvery * k, "move " + std::to_string(k == 0 ? firstMove : 3) + " 0");
        s.Click(kFirstMiss + kMissEvery * k);
    }
    return s.text;
}

// The host starts a game from the title, both players miss ten times, the host types a name into the
// ranking; both take a picture of the last frame.
std::string HostScript() {
    Script s;
    s.TitleChoice(kTitleOnePlayerTipY); // one player chosen, two play: a network game has both
    s.text += Misses(3);
    s.At(220, "text \"Kim\"");
    s.Key(226, "RETURN");
    s.At(kFrames - 1, "shot last.bmp");
    return s.text;
}

std::string GuestScript() {
    constexpr int kToMirror = 100 + 309 - 540; // player 2's start, onto the mirror of player 1's
    return Misses(kToMirror + 3) + std::to_string(kFrames - 1) + " shot last.bmp\n";
}

ZorRunOptions NetOptions(std::vector<std::string> args, const std::string& ranking) {
    ZorRunOptions options;
    options.args = {"--seed", std::to_string(kSeed), "--frames", std::to_string(kFrames)};
    options.args.insert(options.args.end(), args.begin(), args.end());
    options.files["zor.rnk"] = ranking;
    return options;
}

struct NetPair {
    ZorRun host;
    ZorRun guest;
};

// The host with a ranking of zeros (stage 1 enters), the guest with one no score enters: the guest
// plays on the host's.
NetPair PlayTogether(const std::string& hostScript, const std::string& guestScript,
                     const std::vector<std::string>& hostArgs, const std::vector<std::string>& guestArgs) {
    const ZorProcess host = StartZor(hostScript, NetOptions(hostArgs, Ranking(0)));
    const ZorProcess guest = StartZor(guestScript, NetOptions(guestArgs, Ranking(100)));
    NetPair pair;
    pair.guest = WaitZor(guest, kRunLimitSeconds);
    pair.host = WaitZor(host, pair.guest.exitCode == 0 ? kRunLimitSeconds : 1);
    return pair;
}

// Every trace line as the game wrote it.
std::vector<std::string> TraceLines(const ZorRun& run) {
    std::ifstream in(run.workDir + "/trace.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void ExpectSameEveryFrame(const ZorRun& a, const ZorRun& b) {
    const std::vector<std::string> la = TraceLines(a), lb = TraceLines(b);
    ASSERT_EQ(la.size(), lb.size());
    for (size_t f = 0; f < la.size(); ++f) ASSERT_EQ(la[f], lb[f]) << "first difference at line " << f;
}

// The game over both players reached, and the name the host typed in the ranking.
void ExpectGameOverAndRanking(const ZorRun& run) {
    const size_t over = FirstFrame(run, "p2", 0, kFirstMiss);
    ASSERT_LT(over, 220u) << "a click found a difference";
    EXPECT_EQ(run.IntAt(over, "p1"), 0);
    EXPECT_EQ(run.IntAt(219, "naming"), 1);
    EXPECT_EQ(run.IntAt(kFrames - 1, "naming"), 0);
    EXPECT_EQ(run.IntAt(kFrames - 1, "mode"), kModeTitle);
}

std::string NetLine(const ZorRun& run) {
    const size_t at = run.stderrText.find("net: ");
    return at == std::string::npos ? "" : run.stderrText.substr(at, run.stderrText.find('\n', at) - at);
}

// Waits until a line of the run's trace holds `text` (the line's start counts as a space).
bool WaitForTraceLine(const std::string& workDir, const std::string& text, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        std::ifstream in(workDir + "/trace.txt");
        for (std::string line; std::getline(in, line);)
            if ((" " + line + " ").find(text) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

int NetFigure(const ZorRun& run, const std::string& key) {
    const std::string line = NetLine(run);
    const size_t at = line.find(" " + key + "=");
    return at == std::string::npos ? -1 : std::atoi(line.c_str() + at + key.size() + 2);
}
} // namespace

TEST(NetRun, TwoMachinesPlayOneGameFrameForFrameAndALocalReplayOfItsCommandsAgrees) {
    const std::string port = std::to_string(FreePort());
    const NetPair pair =
        PlayTogether(HostScript(), GuestScript(), {"--host", port, "--record-commands", "cmds.bin"},
                     {"--join", "127.0.0.1:" + port});
    ASSERT_EQ(pair.host.exitCode, 0) << pair.host.stderrText;
    ASSERT_EQ(pair.guest.exitCode, 0) << pair.guest.stderrText;
    ASSERT_EQ(pair.host.frames.size(), size_t(kFrames));
    ExpectGameOverAndRanking(pair.host);
    ExpectSameEveryFrame(pair.host, pair.guest);
    EXPECT_EQ(ReadFile(pair.host.workDir + "/last.bmp"), ReadFile(pair.guest.workDir + "/last.bmp"));
    EXPECT_EQ(NetFigure(pair.host, "ended"), 0) << NetLine(pair.host);
    EXPECT_EQ(NetFigure(pair.host, "refused"), 0);

    // The ranking is written on the host; the guest's own files stay as they were.
    const std::string table = ReadFile(pair.host.workDir + "/zor.rnk");
    ASSERT_EQ(table.size(), 240u);
    EXPECT_EQ(std::string(table.c_str() + 4), "Kim");
    EXPECT_EQ(ReadFile(pair.guest.workDir + "/zor.rnk"), Ranking(100));

    // One machine fed the recorded commands plays the same game.
    ZorRunOptions local = NetOptions({"--commands", pair.host.workDir + "/cmds.bin"}, Ranking(0));
    const ZorRun replay = RunZor(std::to_string(kFrames - 1) + " shot last.bmp\n", local);
    ASSERT_EQ(replay.exitCode, 0) << replay.stderrText;
    ExpectSameEveryFrame(pair.host, replay);
    EXPECT_EQ(ReadFile(pair.host.workDir + "/last.bmp"), ReadFile(replay.workDir + "/last.bmp"));
}

TEST(NetRun, ALossyDelayingRelayCostsNoDesyncAndNoStallOverTheLimit) {
    const std::string port = std::to_string(FreePort());
    RelayRun relay("--listen 0 --to 127.0.0.1:" + port +
                   " --loss 0.1 --delay-ms 100 --jitter-ms 30 --seed 7 --stats relay-stats.txt");
    const unsigned relayPort = relay.Port();
    ASSERT_GT(relayPort, 0u);
    // 100 ms each way and jitter that reorders: a round trip of 200 to 260 ms. The scripted clock runs
    // frames as fast as the commands come, so a longer delay only makes the run shorter.
    const NetPair pair = PlayTogether(HostScript(), GuestScript(), {"--host", port, "--delay", "8"},
                                      {"--join", "127.0.0.1:" + std::to_string(relayPort), "--delay", "8"});
    ASSERT_EQ(pair.host.exitCode, 0) << pair.host.stderrText;
    ASSERT_EQ(pair.guest.exitCode, 0) << pair.guest.stderrText;
    ExpectGameOverAndRanking(pair.host);
    ExpectSameEveryFrame(pair.host, pair.guest);
    for (const ZorRun* run : {&pair.host, &pair.guest}) {
        EXPECT_EQ(NetFigure(*run, "ended"), 0) << NetLine(*run);
        EXPECT_LT(NetFigure(*run, "longest_stall_ms"), 5000) << NetLine(*run);
    }
    std::fprintf(stderr, "host %s\nguest %s\n", NetLine(pair.host).c_str(), NetLine(pair.guest).c_str());
}

TEST(NetRun, AGuestThatIsKilledEndsTheGameOnTheHostWithAMessageWithinSixSeconds) {
    const std::string port = std::to_string(FreePort());
    Script hostScript;
    hostScript.TitleChoice(kTitleOnePlayerTipY);
    ZorRunOptions hostOptions = NetOptions({"--host", port}, Ranking(0));
    ZorRunOptions guestOptions = NetOptions({"--join", "127.0.0.1:" + port}, Ranking(0));
    hostOptions.args[3] = guestOptions.args[3] = "10000000"; // both run until the test stops them
    const ZorProcess host = StartZor(hostScript.text, hostOptions);
    const ZorProcess guest = StartZor("", guestOptions);
    // Neither outlives a failed check.
    struct Stop {
        const ZorProcess& process;
        ~Stop() { WaitZor(process, 0.01); }
    } stopHost{host}, stopGuest{guest};
    ASSERT_TRUE(WaitForTraceLine(guest.workDir, " frame=100 ", 30.0)) << "the game did not start";
    kill(guest.pid, SIGKILL);
    const auto killed = std::chrono::steady_clock::now();
    // The title's notice starts at 400 frames and counts down on the title.
    const bool told = WaitForTraceLine(host.workDir, " notice=399 ", 10.0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - killed).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(200)); // a few frames alone after the notice
    const ZorRun run = WaitZor(host, 0.01);
    ASSERT_TRUE(told);
    std::fprintf(stderr, "the host told of the killed guest after %.2f s\n", seconds);
    EXPECT_LT(seconds, 6.0);
    EXPECT_NE(run.stderrText.find("zor: 상대방이 게임을 떠났습니다\n"), std::string::npos) << run.stderrText;
    EXPECT_TRUE(run.messages.empty()); // no box stops the game that goes on
    EXPECT_EQ(run.IntAt(run.frames.size() - 1, "mode"), kModeTitle);
}

TEST(NetRun, MachinesWithDifferentPacksAreRefusedOnBothWithWhatDiffers) {
    const std::string port = std::to_string(FreePort());
    ZorRunOptions hostOptions = NetOptions({"--host", port}, Ranking(0));
    ZorRunOptions guestOptions = NetOptions({"--join", "127.0.0.1:" + port}, Ranking(0));
    hostOptions.language = guestOptions.language = "en";
    guestOptions.packs = {"01_park.zor", "02_farm.zor"}; // the host has every pack
    const ZorProcess host = StartZor("", hostOptions);
    const ZorRun guest = WaitZor(StartZor("", guestOptions), kRunLimitSeconds);
    const ZorRun run = WaitZor(host, kRunLimitSeconds);
    for (const ZorRun* side : {&run, &guest}) {
        EXPECT_EQ(side->exitCode, 1);
        EXPECT_NE(side->stderrText.find("Cannot play together: different packs: 03_seaside.zor"),
                  std::string::npos)
            << side->stderrText;
        EXPECT_TRUE(side->frames.empty()); // no game was started
    }
}
