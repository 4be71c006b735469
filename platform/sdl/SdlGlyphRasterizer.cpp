#include "platform/sdl/SdlGlyphRasterizer.h"

#include <algorithm>
#include <fontconfig/fontconfig.h>

#include "platform/Utf8.h"

namespace {
constexpr const char* kKoreanPattern = "sans-serif:lang=ko";
constexpr int kMaxCellHeight = 512;
constexpr int kMaxLineWidth = 8192;

struct FcPatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternDeleter>;

struct SdlSurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

// The file fontconfig picks for a request at a weight (100..900, as in OpenType), or "".
std::string MatchFile(FcPatternPtr request, int weight) {
    if (!request) return {};
    FcPatternAddInteger(request.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
    FcConfigSubstitute(nullptr, request.get(), FcMatchPattern);
    FcDefaultSubstitute(request.get());
    FcResult result = FcResultNoMatch;
    FcPatternPtr match(FcFontMatch(nullptr, request.get(), &result));
    FcChar8* file = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return {};
    return reinterpret_cast<const char*>(file);
}

std::string MatchFamily(const std::string& family, int weight) {
    FcPatternPtr request(FcPatternCreate());
    if (request)
        FcPatternAddString(request.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    return MatchFile(std::move(request), weight);
}

std::string MatchKorean(int weight) {
    return MatchFile(FcPatternPtr(FcNameParse(reinterpret_cast<const FcChar8*>(kKoreanPattern))), weight);
}

// Opens a font file at the largest point size whose cell (ascent + descent) fits `cellHeight`.
TtfFontPtr OpenForCell(const std::string& file, int cellHeight, int& pointSize) {
    if (file.empty()) return nullptr;
    TtfFontPtr font(TTF_OpenFont(file.c_str(), cellHeight));
    if (!font) return nullptr;
    const int measured = std::max(1, TTF_FontHeight(font.get()));
    int pt = std::max(1, (cellHeight * cellHeight + measured / 2) / measured) + 1;
    while (pt > 1 && (TTF_SetFontSize(font.get(), pt) != 0 || TTF_FontHeight(font.get()) > cellHeight)) --pt;
    TTF_SetFontSize(font.get(), pt);
    pointSize = pt;
    return font;
}

} // namespace

SdlGlyphRasterizer::SdlGlyphRasterizer() {
    fontconfig_ = FcInit();
    ttf_ = TTF_Init() == 0;
    ready_ = fontconfig_ && ttf_;
}

SdlGlyphRasterizer::~SdlGlyphRasterizer() {
    faces_.clear();
    if (ttf_) TTF_Quit();
    if (fontconfig_) FcFini();
}

int SdlGlyphRasterizer::OpenFont(int cellHeight, int weight, std::string_view name) {
    if (!ready_ || cellHeight <= 0 || cellHeight > kMaxCellHeight) return -1;
    for (size_t i = 0; i < faces_.size(); ++i)
        if (faces_[i].name == name && faces_[i].cellHeight == cellHeight && faces_[i].weight == weight)
            return int(i);
    if (faces_.size() >= kMaxFonts) return -1;
    Face face;
    face.name = name;
    face.cellHeight = cellHeight;
    face.weight = weight;
    const std::string primaryFile = MatchFamily(face.name, weight);
    const std::string koreanFile = MatchKorean(weight);
    face.primary = OpenForCell(primaryFile, cellHeight, face.pointSize);
    int koreanSize = 0;
    if (!face.primary)
        face.primary = OpenForCell(koreanFile, cellHeight, face.pointSize);
    else if (koreanFile != primaryFile)
        face.fallback = OpenForCell(koreanFile, cellHeight, koreanSize);
    if (!face.primary) return -1;
    faces_.push_back(std::move(face));
    return int(faces_.size() - 1);
}

int SdlGlyphRasterizer::PointSize(int font) const {
    return font >= 0 && size_t(font) < faces_.size() ? faces_[size_t(font)].pointSize : 0;
}

TTF_Font* SdlGlyphRasterizer::FontFor(const Face& face, uint32_t codepoint) const {
    if (TTF_GlyphIsProvided32(face.primary.get(), codepoint)) return face.primary.get();
    if (face.fallback && TTF_GlyphIsProvided32(face.fallback.get(), codepoint)) return face.fallback.get();
    return nullptr;
}

bool SdlGlyphRasterizer::HasGlyph(int font, uint32_t codepoint) const {
    return font >= 0 && size_t(font) < faces_.size() && FontFor(faces_[size_t(font)], codepoint);
}

// Renders run_ in one font and copies its coverage into the line from penX on, baselines aligned.
void SdlGlyphRasterizer::DrawRun(const Face& face, TTF_Font* font, int& penX, CoverageBitmap& out) {
    constexpr SDL_Color kWhite{255, 255, 255, 255};
    SdlSurfacePtr argb(TTF_RenderUTF8_Blended(font, run_.c_str(), kWhite));
    if (argb && argb->format->format != SDL_PIXELFORMAT_ARGB8888)
        argb.reset(SDL_ConvertSurfaceFormat(argb.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb || penX >= kMaxLineWidth) return;
    const int runWidth = std::min(argb->w, kMaxLineWidth - penX);
    const int newWidth = penX + runWidth;
    if (newWidth > out.width) {
        std::vector<uint8_t> widened(size_t(newWidth) * size_t(out.height), 0);
        for (int y = 0; y < out.height; ++y)
            std::copy_n(out.pixels.begin() + ptrdiff_t(y) * out.width, out.width,
                        widened.begin() + ptrdiff_t(y) * newWidth);
        out.pixels.swap(widened);
        out.width = newWidth;
    }
    const int top = TTF_FontAscent(face.primary.get()) - TTF_FontAscent(font);
    for (int y = std::max(0, -top); y < argb->h && top + y < out.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                            ptrdiff_t(y) * argb->pitch);
        uint8_t* to = out.pixels.data() + size_t(top + y) * size_t(out.width) + size_t(penX);
        for (int x = 0; x < runWidth; ++x) to[x] = std::max(to[x], static_cast<uint8_t>(row[x] >> 24));
    }
    penX += runWidth;
}

bool SdlGlyphRasterizer::RenderLine(int font, std::string_view utf8, CoverageBitmap& out) {
    if (font < 0 || size_t(font) >= faces_.size()) return false;
    const Face& face = faces_[size_t(font)];
    out.width = 0;
    out.height = face.cellHeight;
    out.pixels.clear();
    int penX = 0;
    size_t at = 0;
    while (at < utf8.size()) {
        const size_t start = at;
        TTF_Font* runFont = FontFor(face, NextCodepoint(utf8, at));
        size_t end = at;
        while (end < utf8.size()) {
            size_t next = end;
            if (FontFor(face, NextCodepoint(utf8, next)) != runFont) break;
            end = next;
        }
        at = end;
        if (!runFont) continue; // characters no face has are left out rather than drawn as boxes
        run_.assign(utf8.substr(start, end - start));
        DrawRun(face, runFont, penX, out);
    }
    return true;
}
