// zor_packgen: makes data packs of picture pairs with five verified differences, checks packs, previews them.
#include <getopt.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "game/io/AtomicFile.h"
#include "platform/Cp949.h"
#include "tools/packgen/DifferenceMaker.h"
#include "tools/packgen/PackBuilder.h"
#include "tools/packgen/PackChecker.h"
#include "tools/packgen/PackList.h"
#include "tools/packgen/PackStats.h"
#include "tools/packgen/Preview.h"
#include "tools/packgen/Theme.h"

namespace {
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr double kDefaultPreviewScale = 0.5;

const char kUsage[] =
    "Usage: zor_packgen [OPTIONS] -o NAME.zor     make a pack of ten pairs and its info file NAME.dat\n"
    "       zor_packgen [OPTIONS] --pair STEM     make one pair: STEM.jpg and STEM.map\n"
    "       zor_packgen --check PACK.zor...       verify every pair of existing packs\n"
    "       zor_packgen --preview OUT.png PACK.zor  draw a pack's pairs with their rectangles\n"
    "       zor_packgen [OPTIONS] --stats [LIST...]  make packs in memory and print their figures\n"
    "\n"
    "Options:\n"
    "  -o, --output NAME.zor  the pack to write (NAME.dat is written beside it)\n"
    "  -t, --theme THEME      one of the themes (see --list-themes) or \"mixed\" (default)\n"
    "  -d, --difficulty N     1 (easy) to 5 (hard), also the pack's stars; default 3\n"
    "  -s, --seed N           the same seed makes the same pack, byte for byte; default 1\n"
    "      --maker TEXT       maker shown by the game (default \"QAN TEAM\")\n"
    "      --line TEXT        a description line, up to five (UTF-8; stored in code page 949)\n"
    "      --no-info          do not write NAME.dat\n"
    "      --scale F          preview scale, 0.1 to 1 (default 0.5)\n"
    "  -q, --quiet            print only errors\n"
    "      --list-themes      print the theme names\n"
    "      --stats            medians of edge density, objects, differing pixels and colour distance,\n"
    "                         and the share of each kind of difference, per pack; of the pack that\n"
    "                         -t, -d and -s ask for, or of each row (STEM THEME DIFFICULTY SEED) of\n"
    "                         the lists given, such as tools/packgen/bundled-packs.txt\n"
    "  -h, --help             show this help\n"
    "\n"
    "Exit status: 0 success, 1 a pack failed its check or could not be made, 2 wrong usage.\n";

enum Option { kMaker = 256, kLine, kNoInfo, kScale, kListThemes, kCheck, kPreview, kPair, kStats };

struct Settings {
    std::string output, pairStem, previewPath;
    bool check = false, stats = false, quiet = false, writeInfo = true, listThemes = false;
    PackRequest request;
    std::string maker = "QAN TEAM";
    std::vector<std::string> lines;
    double scale = kDefaultPreviewScale;
    std::vector<std::string> inputs;
};

int UsageError(const std::string& message) {
    std::cerr << "zor_packgen: " << message << "\nTry 'zor_packgen --help'.\n";
    return kExitUsage;
}

bool ParseNumber(const char* text, long long lo, long long hi, long long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && value >= lo && value <= hi;
}

// Fills settings from the command line; answers an exit status when the program is to stop at once.
int Parse(int argc, char** argv, Settings& s, bool& stop) {
    static const option kOptions[] = {{"output", required_argument, nullptr, 'o'},
                                      {"theme", required_argument, nullptr, 't'},
                                      {"difficulty", required_argument, nullptr, 'd'},
                                      {"seed", required_argument, nullptr, 's'},
                                      {"quiet", no_argument, nullptr, 'q'},
                                      {"help", no_argument, nullptr, 'h'},
                                      {"maker", required_argument, nullptr, kMaker},
                                      {"line", required_argument, nullptr, kLine},
                                      {"no-info", no_argument, nullptr, kNoInfo},
                                      {"scale", required_argument, nullptr, kScale},
                                      {"list-themes", no_argument, nullptr, kListThemes},
                                      {"check", no_argument, nullptr, kCheck},
                                      {"preview", required_argument, nullptr, kPreview},
                                      {"pair", required_argument, nullptr, kPair},
                                      {"stats", no_argument, nullptr, kStats},
                                      {nullptr, 0, nullptr, 0}};
    stop = true;
    opterr = 0;
    optind = 1;
    long long number = 0;
    for (int c; (c = getopt_long(argc, argv, ":o:t:d:s:qh", kOptions, nullptr)) != -1;) {
        switch (c) {
        case 'o':
            s.output = optarg;
            break;
        case 't':
            if (std::string(optarg) == "mixed") {
                s.request.theme = kMixedThemes;
            } else if ((s.request.theme = FindTheme(optarg)) < 0) {
                return UsageError(std::string("unknown theme '") + optarg + "'");
            }
            break;
        case 'd':
            if (!ParseNumber(optarg, kMinDifficulty, kMaxDifficulty, number)) {
                return UsageError("the difficulty must be 1 to 5");
            }
            s.request.difficulty = int(number);
            break;
        case 's':
            if (!ParseNumber(optarg, 0, 0xFFFFFFFFFFFFll, number)) return UsageError("bad seed");
            s.request.seed = uint64_t(number);
            break;
        case 'q':
            s.quiet = true;
            break;
        case 'h':
            std::cout << kUsage;
            return kExitOk;
        case kMaker:
            s.maker = optarg;
            break;
        case kLine:
            if (s.lines.size() == kInfoLines) return UsageError("at most five --line options");
            s.lines.push_back(optarg);
            break;
        case kNoInfo:
            s.writeInfo = false;
            break;
        case kScale:
            s.scale = std::atof(optarg);
            break;
        case kListThemes:
            s.listThemes = true;
            break;
        case kCheck:
            s.check = true;
            break;
        case kPreview:
            s.previewPath = optarg;
            break;
        case kPair:
            s.pairStem = optarg;
            break;
        case kStats:
            s.stats = true;
            break;
        case ':':
            return UsageError(std::string("option '") + argv[optind - 1] + "' needs a value");
        default:
            return UsageError(std::string("unknown option '") + argv[optind - 1] + "'");
        }
    }
    for (int i = optind; i < argc; ++i) s.inputs.push_back(argv[i]);
    const int modes =
        !s.output.empty() + !s.pairStem.empty() + s.check + !s.previewPath.empty() + s.listThemes + s.stats;
    if (modes != 1)
        return UsageError("give exactly one of --output, --pair, --check, --preview, --list-themes, --stats");
    if (!s.stats && (s.check || !s.previewPath.empty()) == s.inputs.empty()) {
        return UsageError(s.inputs.empty() ? "name the pack to read"
                                           : "unexpected argument '" + s.inputs[0] + "'");
    }
    if (!s.previewPath.empty() && s.inputs.size() != 1) return UsageError("--preview reads one pack");
    stop = false;
    return kExitOk;
}

std::string ThemeLabel(const PackRequest& r) {
    return r.theme == kMixedThemes ? "여러 가지" : std::string(Themes()[r.theme].koreanName);
}

bool WriteInfo(const Settings& s, std::string& error) {
    PackInfo info;
    info.stars = uint8_t(s.request.difficulty);
    info.maker = Utf8ToCp949(s.maker);
    std::vector<std::string> lines = s.lines;
    if (lines.empty()) {
        lines = {ThemeLabel(s.request) + " 다른 그림 찾기", "그림 열 장, 차이 다섯 곳씩",
                 "난이도 " + std::to_string(s.request.difficulty) + " / 5", "", "즐겁게 게임을 즐기세요"};
    }
    for (size_t i = 0; i < lines.size(); ++i) info.lines[i] = Utf8ToCp949(lines[i]);
    std::vector<uint8_t> bytes;
    if (!EncodePackInfo(info, bytes, error)) return false;
    const size_t slash = s.output.find_last_of('/');
    const size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    return WriteFileAtomically(s.output.substr(0, nameAt) + InfoFileName(s.output.substr(nameAt)), bytes,
                               error);
}

void Report(const Settings& s, const std::string& name, const GeneratedPair& pair) {
    if (s.quiet) return;
    std::printf("%-12s seed %-16llu %d %s\n", name.c_str(), (unsigned long long)pair.seed, pair.tries,
                pair.tries == 1 ? "try" : "tries");
}

int MakePack(const Settings& s) {
    std::string error;
    std::vector<uint8_t> archive;
    const auto listener = [&s](const std::string& name, const GeneratedPair& pair) { Report(s, name, pair); };
    if (!BuildPack(s.request, listener, archive, error) || !WriteFileAtomically(s.output, archive, error) ||
        (s.writeInfo && !WriteInfo(s, error))) {
        std::cerr << "zor_packgen: " << error << "\n";
        return kExitFailure;
    }
    if (!s.quiet) std::printf("wrote %s (%zu bytes)\n", s.output.c_str(), archive.size());
    return kExitOk;
}

int MakePair(const Settings& s) {
    const int theme = PictureTheme(s.request, 0);
    GeneratedPair pair;
    std::string error;
    if (!GeneratePair(theme, s.request.difficulty, s.request.seed, pair, error) ||
        !WriteFileAtomically(s.pairStem + ".jpg", pair.jpeg, error) ||
        !WriteFileAtomically(s.pairStem + ".map", EncodeMap(pair.map), error)) {
        std::cerr << "zor_packgen: " << error << "\n";
        return kExitFailure;
    }
    Report(s, s.pairStem + ".jpg", pair);
    return kExitOk;
}

int Check(const Settings& s) {
    bool all = true;
    for (const std::string& path : s.inputs) {
        if (s.quiet) {
            std::ostringstream ignored;
            const bool ok = CheckPack(path, ignored);
            if (!ok) std::cerr << ignored.str();
            all = ok && all;
        } else {
            all = CheckPack(path, std::cout) && all;
        }
    }
    return all ? kExitOk : kExitFailure;
}
// Builds each pack of the lists (or the one the options ask for) and prints its figures, then those of
// all packs together.
int Stats(const Settings& s) {
    std::vector<NamedRequest> rows;
    std::string error;
    for (const std::string& path : s.inputs) {
        std::ifstream in(path);
        if (!in || !ReadPackList(in, rows, error)) {
            std::cerr << "zor_packgen: " << path << ": " << (in ? error : "cannot read") << "\n";
            return kExitFailure;
        }
    }
    if (s.inputs.empty()) rows.push_back({"pack", s.request});
    std::vector<PictureStats> all, byStars[kMaxDifficulty + 1];
    for (const NamedRequest& row : rows) {
        std::vector<PictureStats> pictures;
        std::vector<uint8_t> archive;
        const auto measure = [&](const std::string&, const GeneratedPair& pair) {
            pictures.push_back(MeasurePair(pair));
        };
        if (!BuildPack(row.request, measure, archive, error)) {
            std::cerr << "zor_packgen: " << row.stem << ": " << error << "\n";
            return kExitFailure;
        }
        PrintStats(std::cout, row.stem + " (" + std::to_string(row.request.difficulty) + " stars)", pictures);
        all.insert(all.end(), pictures.begin(), pictures.end());
        byStars[row.request.difficulty].insert(byStars[row.request.difficulty].end(), pictures.begin(),
                                               pictures.end());
    }
    if (rows.size() < 2) return kExitOk;
    for (int stars = kMinDifficulty; stars <= kMaxDifficulty; ++stars) {
        if (!byStars[stars].empty()) PrintStats(std::cout, std::to_string(stars) + " stars", byStars[stars]);
    }
    PrintStats(std::cout, "all", all);
    return kExitOk;
}
} // namespace

int main(int argc, char** argv) {
    Settings settings;
    bool stop = false;
    const int status = Parse(argc, argv, settings, stop);
    if (stop) return status;
    if (settings.listThemes) {
        for (const Theme& theme : Themes()) std::printf("%s\n", std::string(theme.name).c_str());
        return kExitOk;
    }
    if (settings.check) return Check(settings);
    if (settings.stats) return Stats(settings);
    if (!settings.previewPath.empty()) {
        std::string error;
        if (!WritePreview(settings.inputs[0], settings.previewPath, settings.scale, error)) {
            std::cerr << "zor_packgen: " << error << "\n";
            return kExitFailure;
        }
        return kExitOk;
    }
    if (!settings.pairStem.empty()) return MakePair(settings);
    return MakePack(settings);
}
