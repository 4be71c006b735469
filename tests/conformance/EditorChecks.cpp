#include "tests/conformance/EditorChecks.h"

#include <cstring>
#include <filesystem>
#include <memory>

#include "codecs/BmpFile.h"
#include "codecs/GifFile.h"
#include "tests/support/GiflibDecode.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kConvert = "/usr/bin/convert";
constexpr const char* kNoError = "No Error";

// Files where the readers knowingly differ from the corpus note.
struct Departure {
    const char* name;
    Expect expect;
    const char* reason;
};
constexpr Departure kDepartures[] = {
    {"max-codes.gif", Expect::Refuse, "minimum code size above 8 is refused, as giflib does"},
};

// Reference frames that compose a later image over the first one's pixels: only giflib's first image
// applies to a first-image reader.
constexpr const char* kComposedFrames[] = {"images-overlap.gif", "dispose-restore-previous.gif"};

bool ComposedFrame(const fs::path& file) {
    for (const char* name : kComposedFrames)
        if (file.filename() == name) return true;
    return false;
}

Expect ExpectFor(const fs::path& file, Expect noted, Expect fallback, std::string& reason) {
    for (const Departure& d : kDepartures)
        if (file.filename() == d.name) {
            reason = d.reason;
            return d.expect;
        }
    return noted == Expect::Unknown ? fallback : noted;
}

struct Holder : PictureHolder {
    void ReplacePixels(uint32_t w, uint32_t h, std::unique_ptr<uint8_t[]> p) override {
        width = w;
        height = h;
        pixels = std::move(p);
    }
    uint32_t width = 0, height = 0;
    std::unique_ptr<uint8_t[]> pixels;
};

// What the editor's BMP reader is made for: 'BM', a Windows header, 1/4/8/24 bits, uncompressed.
bool BmpInScope(const std::vector<uint8_t>& f) {
    const uint32_t info = Le(f, 14, 4), bits = Le(f, 28, 2), compression = Le(f, 30, 4);
    return f.size() > 54 && f[0] == 'B' && f[1] == 'M' && info >= 40 &&
           (bits == 1 || bits == 4 || bits == 8 || bits == 24) && compression == 0;
}

// The verdict from what was expected and what happened; detail says how the decode compared.
Outcome Verdict(Expect expect, bool loaded, bool matched, const std::string& detail, const std::string& why) {
    const std::string note = why.empty() ? "" : " (" + why + ")";
    switch (expect) {
    case Expect::Accept:
        if (!loaded) return {false, "FAIL refused: " + detail};
        return {matched, (matched ? "" : "FAIL ") + detail + note};
    case Expect::Refuse:
        return {!loaded,
                (loaded ? "FAIL decoded although it should be refused: " : "refused: ") + detail + note};
    default:
        return {true, std::string(loaded ? "" : "refused: ") + detail + " (either way is right)" + note};
    }
}

// A reference frame: screen-sized RGBA (raw .rgba of the pygif suite, or a PNG through ImageMagick).
struct Frame {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
};

bool LoadFrame(const fs::path& ref, const std::vector<uint8_t>& gif, const std::string& scratch, Frame& out) {
    if (ref.extension() == ".rgba") {
        out.width = int(Le(gif, 6, 2));
        out.height = int(Le(gif, 8, 2));
        out.rgba = ReadAll(ref.string());
    } else {
        const std::vector<uint8_t> png = ReadAll(ref.string());
        auto be32 = [&png](size_t at) {
            return at + 4 <= png.size()
                       ? int(uint32_t(png[at]) << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3])
                       : 0;
        };
        out.width = be32(16);
        out.height = be32(20);
        if (Run({kConvert, ref.string(), "-depth", "8", "rgba:" + scratch}) != 0) return false;
        out.rgba = ReadAll(scratch);
    }
    return out.width > 0 && out.rgba.size() == size_t(out.width) * out.height * 4;
}

// Opaque frame pixels under the image (placed at its position, clipped to the screen) that differ.
int FrameDifferences(const Frame& frame, const uint8_t* rgb, int width, int height, int left, int top) {
    int differ = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int fx = left + x, fy = top + y;
            if (fx >= frame.width || fy >= frame.height) continue;
            const uint8_t* f = &frame.rgba[(size_t(fy) * frame.width + fx) * 4];
            if (f[3] == 0) continue;
            differ += std::memcmp(f, rgb + (size_t(y) * width + x) * 3, 3) != 0;
        }
    return differ;
}
} // namespace

Outcome CheckEditorBmp(const std::string& file, const Pnm* imRef, const CorpusNote& note, MessageLog& log,
                       const std::string& scratch) {
    // Where ImageMagick refuses a file the corpus says to accept, the suite's own rendering is the reference.
    Pnm suiteRef;
    const char* refName = "ImageMagick";
    if (!imRef && note.expect == Expect::Accept && !note.reference.empty() &&
        Run({kConvert, note.reference.string(), "-depth", "8", "ppm:" + scratch}) == 0 &&
        ReadPnm(scratch, suiteRef)) {
        imRef = &suiteRef;
        refName = "the suite's reference";
    }
    log.lines.clear();
    Holder holder;
    const bool loaded = LoadBmp(file.c_str(), holder);
    if (!loaded && log.lines.empty()) return {false, "FAIL refused without a message"};
    if (loaded && !holder.pixels) return {false, "FAIL reported a picture but gave no pixels"};
    std::string why;
    const Expect fallback = BmpInScope(ReadAll(file)) && imRef ? Expect::Accept : Expect::Either;
    const Expect expect = ExpectFor(file, note.expect, fallback, why);
    if (!loaded) return Verdict(expect, false, false, FirstMessage(log), why);
    if (!imRef) return Verdict(expect, true, false, "decoded; ImageMagick refuses it", why);
    const std::string size = SizeText(int(holder.width), int(holder.height));
    if (int(holder.width) != imRef->width || int(holder.height) != imRef->height)
        return Verdict(expect, true, false,
                       "size " + size + " against " + SizeText(imRef->width, imRef->height), why);
    // The holder has bottom-up blue-green-red rows; the reference top-down red-green-blue.
    int differ = 0;
    const size_t row = size_t(holder.width) * 3;
    for (uint32_t y = 0; y < holder.height; ++y) {
        const uint8_t* ours = holder.pixels.get() + row * (holder.height - 1 - y);
        const uint8_t* ref = &imRef->rgb[row * y];
        for (size_t x = 0; x < row; x += 3)
            differ += ours[x] != ref[x + 2] || ours[x + 1] != ref[x + 1] || ours[x + 2] != ref[x];
    }
    if (differ)
        return Verdict(expect, true, false, std::to_string(differ) + " pixels differ from " + refName, why);
    return Verdict(expect, true, true, "match " + size + " (" + refName + ")", why);
}

Outcome CheckGif(const std::string& file, const CorpusNote& note, const std::string& scratch) {
    GifFile reader;
    uint32_t w = 0, h = 0;
    const std::unique_ptr<uint8_t[]> rgb = reader.GIFRead(file.c_str(), &w, &h);
    if (!rgb && (reader.m_errorText.empty() || reader.m_errorText == kNoError))
        return {false, "FAIL refused without a message"};
    GiflibImage lib;
    const bool libOk = GiflibFirstImage(file.c_str(), lib);
    std::string why;
    const Expect expect = ExpectFor(file, note.expect, libOk ? Expect::Accept : Expect::Either, why);
    if (!rgb) return Verdict(expect, false, false, OneLine(reader.m_errorText), why);
    std::string detail = "decoded " + SizeText(int(w), int(h));
    bool matched = true;
    if (libOk) {
        const bool same = lib.width == int(w) && lib.height == int(h) &&
                          std::memcmp(lib.rgb.data(), rgb.get(), lib.rgb.size()) == 0;
        detail += same ? ", = giflib" : ", differs from giflib";
        matched = same;
    } else {
        detail += ", giflib refuses it";
    }
    if (ComposedFrame(file)) {
        detail += ", reference frame draws a later image over the first";
    } else if (!note.reference.empty()) {
        const std::vector<uint8_t> bytes = ReadAll(file);
        Frame frame;
        if (!LoadFrame(note.reference, bytes, scratch, frame)) {
            detail += ", reference frame unreadable";
            matched = false;
        } else {
            // The image's place on the screen, from its descriptor (giflib's, or the first one's bytes).
            const int left = libOk ? lib.left : 0, top = libOk ? lib.top : 0;
            const int differ = FrameDifferences(frame, rgb.get(), int(w), int(h), left, top);
            detail += differ ? ", " + std::to_string(differ) + " pixels differ from the reference frame"
                             : ", = reference frame";
            matched = matched && differ == 0;
        }
    }
    return Verdict(expect, true, matched, detail, why);
}
