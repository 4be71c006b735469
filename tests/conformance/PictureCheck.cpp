// Decodes every JPEG, BMP, PCX and GIF file under the given directories with the project's readers and
// holds the result against a reference decoder: djpeg's RGB for JPEG (identical bytes before packing),
// ImageMagick's RGB packed with PackColor for the game's BMP and PCX loaders (identical 16-bit pixels),
// ImageMagick's RGB for the editor's BMP reader and giflib plus the corpus's reference frames for GIF
// (identical bytes). Where the corpus README has a row for a file, its "expect" column decides whether
// the editor's readers must decode or refuse it.
// Prints one line per file and reader, and a closing "N passed, N failed"; exits 1 when any failed.
// With --corpus DIR it checks the corpus's picture folders, and exits 77 (a skip) when DIR holds no
// corpus.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "codecs/CodecMessages.h"
#include "codecs/JpegFile.h"
#include "game/gfx/Globals.h"
#include "game/gfx/PixelConversion.h"
#include "game/gfx/ShowError.h"
#include "game/gfx/Surface.h"
#include "tests/conformance/CheckTools.h"
#include "tests/conformance/CorpusNotes.h"
#include "tests/conformance/EditorChecks.h"
#include "tests/support/MessageLog.h"
#include "tests/support/TestFiles.h"

namespace {
namespace fs = std::filesystem;

constexpr const char* kDjpeg = "djpeg";
constexpr const char* kConvert = "/usr/bin/convert";
constexpr const char* kCorpusEnv = "ZOR_CORPUS_DIR";
constexpr int kDjpegError = 1;
constexpr int kCorpusMissing = 77;
constexpr const char* kCorpusFolders[] = {"jpeg", "bmp", "pcx", "gif"};

enum class Kind { Jpeg, Bmp, Pcx, Gif, Other };

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
    if (ext == ".gif") return Kind::Gif;
    return Kind::Other;
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

// ImageMagick's decoding of the file's first image, or false when it refuses the file.
bool ImageMagickRgb(const std::string& file, const std::string& refPath, Pnm& out) {
    return Run({kConvert, file + "[0]", "-depth", "8", "ppm:" + refPath}) == 0 && ReadPnm(refPath, out);
}

// The game's BMP and PCX loaders; ref is ImageMagick's decoding, or null when it refuses the file.
Outcome CheckPicture(Kind kind, const std::string& file, const Pnm* ref, MessageLog& log) {
    log.lines.clear();
    const std::vector<uint8_t> bytes = ReadAll(file);
    const bool inScope = InScope(kind, bytes);
    const bool trueColor = kind == Kind::Bmp && Le(bytes, 28, 2) == 24;
    Surface s;
    const bool loaded = kind == Kind::Pcx ? s.LoadPcx256(nullptr, file.c_str(), 0, 0)
                                          : s.LowLoadBmpBit(nullptr, file.c_str(), 0, 0);
    if (!loaded && log.lines.empty()) return {false, "FAIL refused without a message"};
    if (const char* reason = EitherReason(file))
        return {true, std::string(loaded ? "decoded" : "refused") + " (either way is right: " + reason + ")"};
    if (!ref) {
        if (loaded && inScope) return {false, "FAIL decoded although ImageMagick refuses"};
        return {true, loaded ? "out of scope, decoded without a crash"
                             : "refused like ImageMagick: " + FirstMessage(log)};
    }
    const Pnm& pnm = *ref;
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
    if (roots.size() == 2 && roots[0] == "--corpus") {
        const fs::path corpus = roots[1];
        if (!fs::exists(corpus / "README.md")) {
            std::printf("SKIPPED: no picture corpus at %s (configure with -DZOR_CORPUS_DIR=...)\n",
                        corpus.string().c_str());
            return kCorpusMissing;
        }
        roots.clear();
        for (const char* folder : kCorpusFolders) roots.push_back((corpus / folder).string());
    }
    if (const char* env = std::getenv(kCorpusEnv); env && *env) roots.push_back(env);
    if (roots.empty()) {
        std::fprintf(stderr, "usage: zor_picture_check --corpus DIR | DIR... (or set %s)\n", kCorpusEnv);
        return 2;
    }
    MessageLog log;
    SetErrorSink(&log);
    SetCodecMessageBox(&log);
    TempDir scratch;
    CorpusNotes notes;
    int passed = 0, failed = 0;
    auto report = [&](const fs::path& file, const std::string& root, const char* reader, const Outcome& o) {
        std::printf("%s%s: %s\n", fs::relative(file, root).string().c_str(), reader, o.line.c_str());
        (o.passed ? passed : failed) += 1;
    };
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
            if (kind == Kind::Jpeg) {
                report(file, root, "", CheckJpeg(file.string(), refPath, log));
                continue;
            }
            if (kind == Kind::Gif) {
                report(file, root, "", CheckGif(file.string(), notes.For(file), scratch.Path("frame.rgba")));
                continue;
            }
            Pnm pnm;
            const Pnm* ref = ImageMagickRgb(file.string(), refPath, pnm) ? &pnm : nullptr;
            report(file, root, "", CheckPicture(kind, file.string(), ref, log));
            if (kind == Kind::Bmp)
                report(file, root, " (editor)",
                       CheckEditorBmp(file.string(), ref, notes.For(file), log, scratch.Path("suite.ppm")));
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
