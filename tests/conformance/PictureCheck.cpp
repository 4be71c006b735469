// Decodes every JPEG, BMP and PCX file under the given directories with the game's own readers and
// holds the result against a reference decoder: djpeg's RGB for JPEG (identical bytes before packing),
// ImageMagick's RGB packed with PackColor for BMP and PCX (identical 16-bit pixels).
// Prints one line per file and a closing "N passed, N failed"; exits 1 when any file failed.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "codecs/CodecMessages.h"
#include "codecs/JpegFile.h"
#include "game/gfx/Globals.h"
#include "game/gfx/PixelConversion.h"
#include "game/gfx/ShowError.h"
#include "game/gfx/Surface.h"
#include "tests/support/MessageLog.h"
#include "tests/support/TestFiles.h"

extern char** environ;

namespace {
namespace fs = std::filesystem;

constexpr const char* kDjpeg = "djpeg";
constexpr const char* kConvert = "/usr/bin/convert";
constexpr const char* kCorpusEnv = "ZOR_CORPUS_DIR";
constexpr int kDjpegError = 1;

enum class Kind { Jpeg, Bmp, Pcx, Other };

// Files on which decoders may rightly disagree (the corpus marks them "either"): the loaders read fields
// that ImageMagick objects to differently, or ImageMagick itself decodes them wrongly. Here decoding and
// refusing (with a message) both pass; a crash still fails.
struct EitherFile {
    const char* name;
    const char* reason;
};
constexpr EitherFile kEitherFiles[] = {
    {"badpalettesize.bmp", "the colour count is not read: always 256 entries"},
    {"pal8badindex.bmp", "the colour count is not read: indices past it take the next 256-entry colours"},
    {"pal8oversizepal.bmp", "the colour count is not read: 256 entries, then the pixels at bfOffBits"},
    {"pal8os2v2-40sz.bmp", "the file size field is not read"},
    {"pal8os2v2-sz.bmp", "the file size field is not read"},
    {"pal8os2v2.bmp", "ImageMagick misreads 64-byte headers"},
};

const char* EitherReason(const fs::path& file) {
    for (const EitherFile& e : kEitherFiles)
        if (file.filename() == e.name) return e.reason;
    return nullptr;
}

Kind KindOf(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".jpg" || ext == ".jpeg") return Kind::Jpeg;
    if (ext == ".bmp") return Kind::Bmp;
    if (ext == ".pcx") return Kind::Pcx;
    return Kind::Other;
}

// Runs a program with its output thrown away; its exit status, or -1 when it could not run.
int Run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) < 0 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// A binary PPM (P6) or PGM (P5) of 8-bit samples, as RGB triples.
struct Pnm {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
};

bool ReadPnm(const std::string& path, Pnm& out) {
    const std::vector<uint8_t> f = ReadAll(path);
    size_t pos = 2;
    auto number = [&](int& value) {
        while (pos < f.size() && (std::isspace(f[pos]) || f[pos] == '#')) {
            if (f[pos] == '#')
                while (pos < f.size() && f[pos] != '\n') ++pos;
            else
                ++pos;
        }
        value = 0;
        bool any = false;
        while (pos < f.size() && std::isdigit(f[pos]) && value < 100000) {
            value = value * 10 + (f[pos++] - '0');
            any = true;
        }
        return any;
    };
    if (f.size() < 3 || f[0] != 'P' || (f[1] != '5' && f[1] != '6')) return false;
    const int channels = f[1] == '6' ? 3 : 1;
    int maxval = 0;
    if (!number(out.width) || !number(out.height) || !number(maxval) || maxval != 255) return false;
    ++pos;
    const size_t samples = size_t(out.width) * out.height * channels;
    if (f.size() - std::min(pos, f.size()) < samples) return false;
    out.rgb.clear();
    for (size_t i = 0; i < samples; i += channels)
        for (int c = 0; c < 3; ++c) out.rgb.push_back(f[pos + i + (channels == 3 ? c : 0)]);
    return true;
}

struct Outcome {
    bool passed;
    std::string line;
};

std::string FirstMessage(const MessageLog& log) {
    if (log.lines.empty()) return "no message";
    std::string m = log.lines.front();
    std::replace(m.begin(), m.end(), '\n', ' ');
    return m;
}

Outcome CheckJpeg(const std::string& file, const std::string& refPath, MessageLog& log) {
    const int ref = Run({kDjpeg, "-outfile", refPath, file});
    uint32_t w = 0, h = 0;
    const auto rgb = JpegFile::ReadRgb(file.c_str(), &w, &h);
    if (ref == kDjpegError || ref < 0) {
        if (rgb) return {false, "FAIL decoded although djpeg refuses"};
        if (log.lines.empty()) return {false, "FAIL refused without a message"};
        return {true, "refused like djpeg: " + FirstMessage(log)};
    }
    Pnm pnm;
    if (!ReadPnm(refPath, pnm)) return {false, "FAIL cannot read djpeg's output"};
    if (!rgb) return {false, "FAIL refused (djpeg decodes it): " + FirstMessage(log)};
    if (int(w) != pnm.width || int(h) != pnm.height)
        return {false, "FAIL size " + std::to_string(w) + "x" + std::to_string(h) + " against " +
                           std::to_string(pnm.width) + "x" + std::to_string(pnm.height)};
    const size_t differ = std::equal(pnm.rgb.begin(), pnm.rgb.end(), rgb.get()) ? 0 : 1;
    if (differ) return {false, "FAIL mismatch against djpeg"};
    return {true, "match " + std::to_string(w) + "x" + std::to_string(h) +
                      (log.lines.empty() ? "" : " (warned: " + FirstMessage(log) + ")")};
}

uint32_t Le(const std::vector<uint8_t>& f, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | (at + i < f.size() ? f[at + i] : 0);
    return v;
}

// What the game's loaders are made for: uncompressed bottom-up 8/24-bit BMPs with a Windows header,
// one-plane 8-bit RLE PCX. Outside it, a refusal with a message (or any decode without a crash) is right.
bool InScope(Kind kind, const std::vector<uint8_t>& f) {
    if (kind == Kind::Pcx) return f.size() > 128 && f[0] == 10 && f[2] == 1 && f[3] == 8 && f[65] == 1;
    const uint32_t info = Le(f, 14, 4), bits = Le(f, 28, 2), compression = Le(f, 30, 4);
    return f.size() > 54 && f[0] == 'B' && f[1] == 'M' && info >= 40 && (bits == 8 || bits == 24) &&
           compression == 0 && int32_t(Le(f, 22, 4)) > 0;
}

uint32_t RaiseSmall(uint32_t c, uint32_t divisor) {
    return (c >= 1 && c <= divisor) ? divisor : c;
}

Outcome CheckPicture(Kind kind, const std::string& file, const std::string& refPath, MessageLog& log) {
    const std::vector<uint8_t> bytes = ReadAll(file);
    const bool inScope = InScope(kind, bytes);
    const bool trueColor = kind == Kind::Bmp && Le(bytes, 28, 2) == 24;
    const int ref = Run({kConvert, file + "[0]", "-depth", "8", "ppm:" + refPath});
    Surface s;
    const bool loaded = kind == Kind::Pcx ? s.LoadPcx256(nullptr, file.c_str(), 0, 0)
                                          : s.LowLoadBmpBit(nullptr, file.c_str(), 0, 0);
    if (!loaded && log.lines.empty()) return {false, "FAIL refused without a message"};
    if (const char* reason = EitherReason(file))
        return {true, std::string(loaded ? "decoded" : "refused") + " (either way is right: " + reason + ")"};
    Pnm pnm;
    if (ref != 0 || !ReadPnm(refPath, pnm)) {
        if (loaded && inScope) return {false, "FAIL decoded although ImageMagick refuses"};
        return {true, loaded ? "out of scope, decoded without a crash"
                             : "refused like ImageMagick: " + FirstMessage(log)};
    }
    if (!loaded)
        return {!inScope, std::string(inScope ? "FAIL " : "") + "refused" +
                              (inScope ? "" : " (out of scope)") + ": " + FirstMessage(log)};
    // A PCX keeps the padding column of an odd width: its surface is bytes-per-line wide.
    const int extra = s.width - pnm.width;
    if (s.height != pnm.height || extra < 0 || extra > (kind == Kind::Pcx ? 1 : 0)) {
        if (!inScope) return {true, "out of scope, decoded without a crash"};
        return {false, "FAIL size " + std::to_string(s.width) + "x" + std::to_string(s.height) + " against " +
                           std::to_string(pnm.width) + "x" + std::to_string(pnm.height)};
    }
    int differ = 0;
    for (int y = 0; y < pnm.height; ++y)
        for (int x = 0; x < pnm.width; ++x) {
            const uint8_t* p = &pnm.rgb[(size_t(y) * pnm.width + x) * 3];
            uint32_t r = p[0], g = p[1], b = p[2];
            if (trueColor) {
                r = RaiseSmall(r, gPixelConversion.redDivisor);
                g = RaiseSmall(g, gPixelConversion.greenDivisor);
                b = RaiseSmall(b, gPixelConversion.blueDivisor);
            }
            differ += s.surface->At(x, y) != PackColor(r, g, b);
        }
    const std::string size = std::to_string(pnm.width) + "x" + std::to_string(pnm.height);
    if (differ == 0) return {true, "match " + size + (extra ? " (plus the padding column)" : "")};
    if (!inScope) return {true, "out of scope, decoded differently without a crash"};
    return {false, "FAIL mismatch " + size + ": " + std::to_string(differ) + " pixels differ"};
}

std::vector<fs::path> PicturesUnder(const fs::path& root) {
    std::vector<fs::path> files;
    std::error_code ec;
    if (fs::is_regular_file(root, ec)) return {root};
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file() && KindOf(it->path()) != Kind::Other) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}
} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> roots(argv + 1, argv + argc);
    if (const char* env = std::getenv(kCorpusEnv); env && *env) roots.push_back(env);
    if (roots.empty()) {
        std::fprintf(stderr, "usage: zor_picture_check DIR... (or set %s)\n", kCorpusEnv);
        return 2;
    }
    MessageLog log;
    SetErrorSink(&log);
    SetCodecMessageBox(&log);
    TempDir scratch;
    int passed = 0, failed = 0;
    for (const std::string& root : roots) {
        if (!fs::exists(root)) {
            std::printf("FAIL %s: no such file or directory\n", root.c_str());
            ++failed;
            continue;
        }
        for (const fs::path& file : PicturesUnder(root)) {
            log.lines.clear();
            const Kind kind = KindOf(file);
            const std::string refPath = scratch.Path("ref.pnm");
            fs::remove(refPath);
            const Outcome o = kind == Kind::Jpeg ? CheckJpeg(file.string(), refPath, log)
                                                 : CheckPicture(kind, file.string(), refPath, log);
            std::printf("%s: %s\n", fs::relative(file, root).string().c_str(), o.line.c_str());
            (o.passed ? passed : failed) += 1;
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
