#include "game/shell/Options.h"

#include <cstdlib>
#include <cstring>

#include "common/Language.h"

const char* const kUsage =
    "Usage: zor [MAP] [--lang ko|en] [--window] [--scale N] [--integer-scale]"
    " [--host [PORT] | --join HOST[:PORT]] [--delay N]"
    " [--replay SCRIPT [--trace FILE] [--shots DIR] [--seed N] [--frames N]]\n"
    "  MAP               play this picture pair's map in test mode (e.g. sample.map)\n"
    "  --lang            the edition: ko (Korean) or en (English); default: LANGUAGE, LC_ALL,\n"
    "                    LC_MESSAGES, LANG, the first naming ko or en, else Korean\n"
    "  --window          run in a window instead of full screen (Alt+Enter toggles)\n"
    "  --scale           the window N times 640x480 (default: the largest that fits)\n"
    "  --integer-scale   full screen in whole multiples of 640x480 only (crisp pixels)\n"
    "  --replay          take input from a script, on a virtual clock (see README)\n"
    "  --trace           write one line of game state per frame\n"
    "  --shots           directory for the script's screenshots\n"
    "  --seed            seed of the random generator in a scripted run\n"
    "  --frames          end the run after this many frames\n"
    "  --autoplay N      find a difference every N frames by itself, and end the run when a game has gone\n"
    "                    back to a menu (soaks of today's pack and endless play)\n"
    "  --stop-after-stage N  with --autoplay: end the run when stage N is cleared\n"
    "  --host [PORT]     host a game for two computers: wait for the other to join (port 5029)\n"
    "  --join HOST[:PORT]  join the game another computer hosts (IPv4 address or name)\n"
    "  --delay N         frames each command is sent ahead in a network game (default 2, 0 to 16)\n"
    "  --record-commands FILE  write every frame's commands, both players, to play them again\n"
    "  --commands FILE   play a recorded log of commands (both players) instead of this machine's input\n"
    "Settings are read from $XDG_CONFIG_HOME/zor/settings.ini (~/.config/zor/settings.ini; see man zor)\n"
    "and set on the options screen (F2 on the title or the pause); the options above override them for\n"
    "one run and do not change the file.\n";

namespace {
constexpr long kMaxWindowScale = 8;

bool ParseNumber(const char* text, long min, long& out) {
    char* end = nullptr;
    out = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && out >= min;
}
// Options that cannot go together.
bool CheckCombination(const Options& options, std::string& error) {
    if (options.hostPort != 0 && !options.joinAddress.empty())
        error = "--host and --join cannot go together";
    else if (options.Networked() && !options.commandsPath.empty())
        error = "--commands plays a log on this computer alone, not in a network game";
    else if (options.Networked() && !options.mapPath.empty())
        error = "a test map is played on one computer, not in a network game";
    return error.empty();
}
} // namespace

bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char*& out) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        const char* v = nullptr;
        long n = 0;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--window") {
            options.windowed = true;
        } else if (arg == "--integer-scale") {
            options.integerScale = true;
        } else if (arg == "--scale") {
            if (!value(v)) return false;
            if (!ParseNumber(v, 1, n) || n > kMaxWindowScale) {
                error = arg + " takes a number from 1 to " + std::to_string(kMaxWindowScale) + ", not '" + v +
                        "'";
                return false;
            }
            options.windowScale = static_cast<int>(n);
        } else if (arg == "--lang") {
            if (!value(v)) return false;
            Language language = Language::Korean;
            if (!ParseLanguageCode(v, language)) {
                error = arg + " takes ko or en, not '" + v + "'";
                return false;
            }
            options.language = v;
        } else if (arg == "--replay") {
            if (!value(v)) return false;
            options.replayPath = v;
        } else if (arg == "--trace") {
            if (!value(v)) return false;
            options.tracePath = v;
        } else if (arg == "--shots") {
            if (!value(v)) return false;
            options.shotDir = v;
        } else if (arg == "--autoplay" || arg == "--stop-after-stage") {
            if (!value(v)) return false;
            if (!ParseNumber(v, 1, n) || n > 0x7FFFFFFF) {
                error = arg + " takes a number above 0, not '" + v + "'";
                return false;
            }
            (arg == "--autoplay" ? options.autoplayEvery : options.autoplayStages) = static_cast<int>(n);
        } else if (arg == "--seed" || arg == "--frames") {
            if (!value(v)) return false;
            if (!ParseNumber(v, 0, n) || n > 0x7FFFFFFF) {
                error = arg + " takes a number, not '" + v + "'";
                return false;
            }
            if (arg == "--seed") options.seed = static_cast<unsigned>(n);
            if (arg == "--frames") options.frames = static_cast<int>(n);
        } else if (arg == "--host") {
            options.hostPort = kDefaultNetPort;
            if (i + 1 < argc && ParseNumber(argv[i + 1], 0, n)) {
                ++i;
                if (n < 1 || n > 65535) {
                    error = "--host takes a port from 1 to 65535, not '" + std::string(argv[i]) + "'";
                    return false;
                }
                options.hostPort = static_cast<int>(n);
            }
        } else if (arg == "--join") {
            if (!value(v)) return false;
            options.joinAddress = v;
        } else if (arg == "--delay") {
            if (!value(v)) return false;
            if (!ParseNumber(v, 0, n) || n > kMaxNetDelay) {
                error =
                    arg + " takes a number from 0 to " + std::to_string(kMaxNetDelay) + ", not '" + v + "'";
                return false;
            }
            options.netDelay = static_cast<int>(n);
        } else if (arg == "--record-commands" || arg == "--commands") {
            if (!value(v)) return false;
            (arg == "--commands" ? options.commandsPath : options.recordPath) = v;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else if (options.mapPath.empty()) {
            options.mapPath = arg;
        } else {
            error = "only one map may be given";
            return false;
        }
    }
    return CheckCombination(options, error);
}
