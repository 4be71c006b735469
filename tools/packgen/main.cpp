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

#include "common/AtomicFile.h"
#include "common/CivilDate.h"
#include "game/screens/PackInfo.h"
#include "platform/Cp949.h"
#include "tools/packgen/DifferenceMaker.h"
#include "tools/packgen/PackBuilder.h"
#include "tools/packgen/PackChecker.h"
#include "tools/packgen/PackList.h"
#include "tools/packgen/PackStats.h"
#include "tools/packgen/PairCommands.h"
#include "tools/packgen/PhotoPair.h"
#include "tools/packgen/Preview.h"
#include "tools/packgen/Theme.h"

namespace {
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr double kDefaultPreviewScale = 0.5;

const char kUsage[] =
    "Usage: zor_packgen [OPTIONS] -o NAME.zor\n"
    "  or:  zor_packgen --daily YYYY-MM-DD -o NAME.zor\n"
    "  or:  zor_packgen [OPTIONS] --pair STEM\n"
    "  or:  zor_packgen --check PACK.zor...\n"
    "  or:  zor_packgen --preview OUT.png PACK.zor\n"
    "  or:  zor_packgen --suggest PAIR.jpg\n"
    "  or:  zor_packgen [-v] --check-pair PAIR.jpg [PAIR.map]\n"
    "  or:  zor_packgen [OPTIONS] --from DIR -o NAME.zor\n"
    "  or:  zor_packgen [OPTIONS] --photo PHOTO.jpg --pair STEM\n"
    "  or:  zor_packgen [OPTIONS] --photos DIR -o NAME.zor\n"
    "  or:  zor_packgen [OPTIONS] --stats [LIST...]\n"
    "Makes a pack of ten pairs and its info files NAME.dat and NAME.en.dat, or one pair STEM.jpg and "
    "STEM.map;\n"
    "verifies every pair of existing packs (--check), or draws a pack's pairs with their\n"
    "rectangles (--preview). For pairs made by hand: finds where a pair differs and writes its\n"
    "map (--suggest), verifies one pair (--check-pair), packs ten pairs of a folder (--from).\n"
    "Makes pairs from photos (--photo, --photos). Makes packs in memory and prints their figures (--stats).\n"
    "\n"
    "Options:\n"
    "  -o, --output NAME.zor  the pack to write (NAME.dat and NAME.en.dat are written beside it)\n"
    "  -t, --theme THEME      one of the themes (see --list-themes) or \"mixed\" (default)\n"
    "  -d, --difficulty N     1 (easy) to 5 (hard), also the pack's stars; default 3\n"
    "  -s, --seed N           the same seed makes the same pack, byte for byte; default 1\n"
    "      --daily YYYY-MM-DD the day's pack that the game plays as today's pack on that (UTC) day:\n"
    "                         themes and difficulty follow the weekly plan (1 star on Mondays to 5 on\n"
    "                         Sundays); -t, -d and -s do not apply\n"
    "      --maker TEXT       maker shown by the game (default \"QAN TEAM\")\n"
    "      --line TEXT        a description line, up to five (UTF-8; stored in code page 949)\n"
    "      --line-en TEXT     a line of the English info file, up to five (ASCII; default: English\n"
    "                         lines for the theme)\n"
    "      --stars N          the pack's stars, 1 to 5 (default: the difficulty)\n"
    "      --no-info          do not write the info files\n"
    "      --force            pack pairs that fail the check all the same\n"
    "      --crop X,Y,W,H     the part of the photo to use (default: the largest centred 3:4 part)\n"
    "      --scale F          preview scale, 0.1 to 1 (default 0.5)\n"
    "  -q, --quiet            print only errors\n"
    "  -v, --verbose          --check-pair: also how each difference blends into the picture (the\n"
    "                         gradient across its border and the fine detail inside it, right over left)\n"
    "      --list-themes      print the theme names\n"
    "      --stats            medians of edge density, objects, differing pixels and colour distance,\n"
    "                         and the share of each kind of difference, per pack; of the pack that\n"
    "                         -t, -d and -s ask for, or of each row (STEM THEME DIFFICULTY SEED) of\n"
    "                         the lists given, such as tools/packgen/bundled-packs.txt\n"
    "  -h, --help             show this help\n"
    "\n"
    "Exit status: 0 success, 1 a pack failed its check or could not be made, 2 wrong usage.\n";

enum Option {
    kMaker = 256,
    kLine,
    kLineEnglish,
    kNoInfo,
    kScale,
    kListThemes,
    kCheck,
    kPreview,
    kPair,
    kSuggest,
    kCheckPair,
    kFrom,
    kForce,
    kPhoto,
    kPhotos,
    kCrop,
    kStars,
    kStats,
    kDaily
};

struct Settings {
    std::string output, pairStem, previewPath, suggest, fromDir, photo, photosDir;
    bool daily = false; // --daily: the pack of `day`
    int64_t day = 0;
    bool check = false, stats = false, checkPair = false, force = false, quiet = false, writeInfo = true,
         listThemes = false, verbose = false;
    PhotoCrop crop;
    int stars = 0; // 0: the difficulty
    PackRequest request;
    std::string maker = "QAN TEAM";
    std::vector<std::string> lines, englishLines;
    double scale = kDefaultPreviewScale;
    std::vector<std::string> inputs;
};

bool IsAscii(const std::string& text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

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

bool ParseCrop(const char* text, PhotoCrop& crop) {
    long long v[4] = {};
    std::string rest = text;
    for (int i = 0; i < 4; ++i) {
        const size_t comma = rest.find(',');
        if ((comma == std::string::npos) != (i == 3)) return false;
        if (!ParseNumber(rest.substr(0, comma).c_str(), i < 2 ? 0 : 1, 1 << 16, v[i])) return false;
        rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
    }
    crop = {int(v[0]), int(v[1]), int(v[2]), int(v[3]), true};
    return true;
}

// Fills settings from the command line; answers an exit status when the program is to stop at once.
int Parse(int argc, char** argv, Settings& s, bool& stop) {
    static const option kOptions[] = {{"output", required_argument, nullptr, 'o'},
                                      {"theme", required_argument, nullptr, 't'},
                                      {"difficulty", required_argument, nullptr, 'd'},
                                      {"seed", required_argument, nullptr, 's'},
                                      {"quiet", no_argument, nullptr, 'q'},
                                      {"verbose", no_argument, nullptr, 'v'},
                                      {"help", no_argument, nullptr, 'h'},
                                      {"maker", required_argument, nullptr, kMaker},
                                      {"line", required_argument, nullptr, kLine},
                                      {"line-en", required_argument, nullptr, kLineEnglish},
                                      {"no-info", no_argument, nullptr, kNoInfo},
                                      {"scale", required_argument, nullptr, kScale},
                                      {"list-themes", no_argument, nullptr, kListThemes},
                                      {"check", no_argument, nullptr, kCheck},
                                      {"preview", required_argument, nullptr, kPreview},
                                      {"pair", required_argument, nullptr, kPair},
                                      {"suggest", required_argument, nullptr, kSuggest},
                                      {"check-pair", no_argument, nullptr, kCheckPair},
                                      {"from", required_argument, nullptr, kFrom},
                                      {"force", no_argument, nullptr, kForce},
                                      {"photo", required_argument, nullptr, kPhoto},
                                      {"photos", required_argument, nullptr, kPhotos},
                                      {"crop", required_argument, nullptr, kCrop},
                                      {"stars", required_argument, nullptr, kStars},
                                      {"stats", no_argument, nullptr, kStats},
                                      {"daily", required_argument, nullptr, kDaily},
                                      {nullptr, 0, nullptr, 0}};
    stop = true;
    opterr = 0;
    optind = 1;
    long long number = 0;
    for (int c; (c = getopt_long(argc, argv, ":o:t:d:s:qvh", kOptions, nullptr)) != -1;) {
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
        case 'v':
            s.verbose = true;
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
        case kLineEnglish:
            if (s.englishLines.size() == kInfoLines) return UsageError("at most five --line-en options");
            if (!IsAscii(optarg))
                return UsageError(std::string("--line-en takes ASCII text, not '") + optarg + "'");
            s.englishLines.push_back(optarg);
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
        case kSuggest:
            s.suggest = optarg;
            break;
        case kCheckPair:
            s.checkPair = true;
            break;
        case kFrom:
            s.fromDir = optarg;
            break;
        case kForce:
            s.force = true;
            break;
        case kPhoto:
            s.photo = optarg;
            break;
        case kPhotos:
            s.photosDir = optarg;
            break;
        case kCrop:
            if (!ParseCrop(optarg, s.crop)) return UsageError("--crop takes X,Y,W,H with W and H above 0");
            break;
        case kStars:
            if (!ParseNumber(optarg, kMinDifficulty, kMaxDifficulty, number)) {
                return UsageError("the stars must be 1 to 5");
            }
            s.stars = int(number);
            break;
        case kStats:
            s.stats = true;
            break;
        case kDaily:
            if (!ParseIsoDate(optarg, s.day))
                return UsageError(std::string("--daily takes a date YYYY-MM-DD, not '") + optarg + "'");
            s.daily = true;
            break;
        case ':':
            return UsageError(std::string("option '") + argv[optind - 1] + "' needs a value");
        default:
            return UsageError(std::string("unknown option '") + argv[optind - 1] + "'");
        }
    }
    for (int i = optind; i < argc; ++i) s.inputs.push_back(argv[i]);
    const bool packSource = !s.fromDir.empty() || !s.photosDir.empty();
    const bool pairSource = !s.photo.empty();
    const int modes = !s.output.empty() + !s.pairStem.empty() + s.check + !s.previewPath.empty() +
                      s.listThemes + !s.suggest.empty() + s.checkPair + s.stats;
    if (modes != 1) {
        return UsageError(
            "give exactly one of --output, --pair, --check, --check-pair, --suggest, --preview, "
            "--list-themes, --stats");
    }
    if (!s.fromDir.empty() + !s.photosDir.empty() + pairSource > 1) {
        return UsageError("give one of --from, --photos, --photo");
    }
    if (packSource && s.output.empty())
        return UsageError("--from and --photos make a pack: give -o NAME.zor");
    if (s.daily && (s.output.empty() || packSource))
        return UsageError("--daily makes the day's pack: give -o NAME.zor and no --from or --photos");
    if (pairSource && s.pairStem.empty()) return UsageError("--photo makes a pair: give --pair STEM");
    const bool readsInputs = s.check || !s.previewPath.empty() || s.checkPair;
    if (!s.stats && readsInputs == s.inputs.empty()) {
        return UsageError(s.inputs.empty() ? "name the file to read"
                                           : "unexpected argument '" + s.inputs[0] + "'");
    }
    if (!s.previewPath.empty() && s.inputs.size() != 1) return UsageError("--preview reads one pack");
    if (s.checkPair && s.inputs.size() > 2) return UsageError("--check-pair reads a picture and its map");
    stop = false;
    return kExitOk;
}

// The pack's kind in the info files' first line: Korean for NAME.dat, English for NAME.en.dat.
std::string PackLabel(const Settings& s, bool english) {
    if (s.daily) return (english ? "Today's pack " : "오늘의 팩 ") + FormatIsoDate(s.day);
    if (!s.fromDir.empty()) return english ? "Hand-made" : "직접 만든";
    if (!s.photosDir.empty()) return english ? "From photos" : "사진으로 만든";
    if (s.request.theme == kMixedThemes) return english ? "Mixed" : "여러 가지";
    const Theme& theme = Themes()[s.request.theme];
    return std::string(english ? theme.englishName : theme.koreanName);
}

std::vector<std::string> DefaultLines(const Settings& s, int stars, bool english) {
    const std::string difficulty = std::to_string(stars) + " / 5";
    // Today's pack names its day in place of a theme: the field has no room for both.
    const std::string first = s.daily   ? PackLabel(s, english)
                              : english ? "Theme: " + PackLabel(s, true)
                                        : PackLabel(s, false) + " 다른 그림 찾기";
    if (english)
        return {first, "Ten pictures, five spots each", "Difficulty " + difficulty, "",
                "Have fun with the game!"};
    return {first, "그림 열 장, 차이 다섯 곳씩", "난이도 " + difficulty, "", "즐겁게 게임을 즐기세요"};
}

// NAME.dat with the Korean lines, or its English twin NAME.en.dat.
bool WriteInfoFile(const Settings& s, bool english, std::string& error) {
    PackInfo info;
    const int difficulty = s.daily ? PlanOfDay(s.day).difficulty : s.request.difficulty;
    info.stars = uint8_t(s.stars ? s.stars : difficulty);
    info.maker = Utf8ToCp949(s.maker);
    const std::vector<std::string>& given = english ? s.englishLines : s.lines;
    const std::vector<std::string> lines = given.empty() ? DefaultLines(s, info.stars, english) : given;
    for (size_t i = 0; i < lines.size(); ++i) info.lines[i] = Utf8ToCp949(lines[i]);
    std::vector<uint8_t> bytes;
    if (!EncodePackInfo(info, bytes, error)) return false;
    const size_t nameAt = s.output.find_last_of('/') + 1; // 0 without a folder
    const std::string pack = s.output.substr(nameAt);
    const std::string name = english ? EnglishPackInfoFileName(pack) : PackInfoFileName(pack);
    return WriteFileAtomically(s.output.substr(0, nameAt) + name, bytes, error);
}

bool WriteInfo(const Settings& s, std::string& error) {
    return WriteInfoFile(s, false, error) && WriteInfoFile(s, true, error);
}

void Report(const Settings& s, const std::string& name, const GeneratedPair& pair) {
    if (s.quiet) return;
    std::printf("%-12s seed %-16llu %d %s\n", name.c_str(), (unsigned long long)pair.seed, pair.tries,
                pair.tries == 1 ? "try" : "tries");
}

// The pack's pairs: drawn, gathered from a directory of pairs, or made from a directory of photos.
bool BuildArchive(const Settings& s, std::vector<uint8_t>& archive, std::string& error) {
    std::ostringstream quiet;
    std::ostream& out = s.quiet ? quiet : std::cout;
    if (!s.fromDir.empty()) {
        std::vector<PairFile> pairs;
        if (!ListPairFiles(s.fromDir, pairs, error)) return false;
        std::ostringstream reasons;
        if (AssemblePack(pairs, s.force, archive, out, reasons)) return true;
        if (s.quiet) std::cerr << quiet.str();
        error = reasons.str();
        if (!error.empty() && error.back() == '\n') error.pop_back();
        return false;
    }
    if (!s.photosDir.empty()) return BuildPhotoPack(s.photosDir, s.crop, s.request.seed, archive, out, error);
    const auto listener = [&s](const std::string& name, const GeneratedPair& pair) { Report(s, name, pair); };
    if (s.daily) return BuildTodayPack(s.day, listener, archive, error);
    return BuildPack(s.request, listener, archive, error);
}

int MakePack(const Settings& s) {
    std::string error;
    std::vector<uint8_t> archive;
    if (!BuildArchive(s, archive, error) || !WriteFileAtomically(s.output, archive, error) ||
        (s.writeInfo && !WriteInfo(s, error))) {
        std::cerr << "zor_packgen: " << error << "\n";
        return kExitFailure;
    }
    if (!s.quiet) std::printf("wrote %s (%zu bytes)\n", s.output.c_str(), archive.size());
    return kExitOk;
}

int MakePhotoPairFiles(const Settings& s) {
    PhotoPair pair;
    std::string error;
    if (!MakePhotoPairFromFile(s.photo, s.crop, s.request.seed, pair, error) ||
        !WriteFileAtomically(s.pairStem + ".jpg", pair.jpeg, error) ||
        !WriteFileAtomically(s.pairStem + ".map", EncodeMap(pair.map), error)) {
        std::cerr << "zor_packgen: " << error << "\n";
        return kExitFailure;
    }
    if (!s.quiet) std::cout << s.pairStem << ".jpg: " << DescribePhotoPair(pair);
    return kExitOk;
}

int MakePair(const Settings& s) {
    if (!s.photo.empty()) return MakePhotoPairFiles(s);
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
    if (!settings.suggest.empty()) {
        return SuggestMap(settings.suggest, std::cout, std::cerr) ? kExitOk : kExitFailure;
    }
    if (settings.checkPair) {
        const std::string map = settings.inputs.size() > 1 ? settings.inputs[1] : "";
        std::ostringstream ignored;
        std::ostream& out = settings.quiet ? ignored : std::cout;
        return CheckPairFiles(settings.inputs[0], map, out, std::cerr, settings.verbose) ? kExitOk
                                                                                         : kExitFailure;
    }
    return MakePack(settings);
}
