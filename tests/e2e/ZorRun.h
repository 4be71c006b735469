#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Runs the real zor program headless (SDL dummy video and audio) on a script, in a private copy of the
// data directory, and reads back its trace.
struct ZorRun {
    int exitCode = -1;
    std::string stderrText;
    std::string workDir;                                    // where the game ran (files it wrote are here)
    std::vector<std::map<std::string, std::string>> frames; // one entry per trace line of game state
    std::vector<std::string> messages;                      // error boxes, in order

    // The value of key at trace frame n ("" when absent).
    std::string At(size_t n, const std::string& key) const;
    int IntAt(size_t n, const std::string& key) const;
};

struct ZorRunOptions {
    std::vector<std::string> args;            // extra arguments (a map path, --frames N ...)
    std::map<std::string, std::string> env;   // extra environment (e.g. SDL_VIDEODRIVER override)
    bool withData = true;                     // link the built data directory's files into the work dir
    std::vector<std::string> packs;           // when given, only these packs (with their info files)
    std::map<std::string, std::string> files; // files written into the work dir before the run (name, bytes)
    std::string language = "ko";              // --lang; empty: the edition the environment chooses
    std::vector<std::string> tunes;           // when given, mid/ holds only these of the built tunes
    bool realTime = false;                    // no script: the real clock, --frames ends the run
};

// Runs the zor built with the tests, or the one named by the environment variable ZOR_E2E_BINARY (to see
// which of these runs another build fails). The settings folder is the work dir's config/ unless the
// environment given names another XDG_CONFIG_HOME, so the player's own settings never reach a run.
ZorRun RunZor(const std::string& script, const ZorRunOptions& options = {});

// The same run started in the background (a network game's two machines at once); WaitZor collects it.
struct ZorProcess {
    int pid = -1;
    std::string workDir;
};
ZorProcess StartZor(const std::string& script, const ZorRunOptions& options = {});
// A run still going after timeoutSeconds (when above 0) is killed, and its exit code is -1.
ZorRun WaitZor(const ZorProcess& process, double timeoutSeconds = 0);

// A 24-bit BMP as the game and its scripts write them, in RGB bytes top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    bool Empty() const { return width == 0; }
    // Red, green and blue at (x, y) as one 0xRRGGBB value.
    uint32_t At(int x, int y) const;
};
// Empty when the file is missing or not an uncompressed 24-bit BMP.
Picture ReadBmp24(const std::string& path);
