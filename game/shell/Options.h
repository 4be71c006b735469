#pragma once
#include <string>

// How the program was started. A plain argument is the test map the game plays; the options serve
// scripted runs and developers.
struct Options {
    std::string mapPath;       // empty: a normal start
    bool windowed = false;     // --window
    int windowScale = 0;       // --scale N: the window N times the game's size (0: the largest that fits)
    bool integerScale = false; // --integer-scale: full screen in whole multiples only
    std::string replayPath;    // --replay SCRIPT: input from a script, virtual clock
    std::string tracePath;     // --trace FILE
    std::string shotDir = "."; // --shots DIR
    unsigned seed = 1;         // --seed N: the calendar time a scripted run's clock reports
    int frames = -1;           // --frames N: end after N frames
    std::string language;      // --lang ko|en; empty: chosen by the environment
    int autoplayEvery = 0;     // --autoplay N: the game finds a difference every N frames by itself
    int autoplayStages = 0;    // --stop-after-stage N: an autoplayed run ends when stage N is cleared
    int hostPort = 0;          // --host [PORT]: wait for another computer to join (0: not hosting)
    std::string joinAddress;   // --join HOST[:PORT]: play on the game another computer hosts
    int netDelay = 2;          // --delay N: frames a command is sent ahead in a network game
    std::string recordPath;    // --record-commands FILE: every frame's commands, to play again
    std::string commandsPath;  // --commands FILE: play a recorded log of commands, both players
    bool help = false;

    bool Networked() const { return hostPort != 0 || !joinAddress.empty(); }
};

constexpr int kDefaultNetPort = 5029;
constexpr int kMaxNetDelay = 16;

// False with a message in error when the arguments are not understood.
bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error);
extern const char* const kUsage;
