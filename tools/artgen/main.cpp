// zor_artgen: draws every picture of the game and packs them, with the sound effects, into the archives.
//   zor_artgen [--edition ko|en] --out DATA_DIR [--sounds DIR] [--contact-sheet OUT.png] [--mockups DIR]
//              [--icons DIR]
// The English edition's archives go to DATA_DIR/en.
#include <cairo.h>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <string>

#include "tools/artgen/Build.h"
#include "tools/artgen/ContactSheet.h"
#include "tools/artgen/Icons.h"
#include "tools/artgen/Mockups.h"

namespace {
int Usage() {
    std::fprintf(
        stderr,
        "usage: zor_artgen [--edition ko|en] [--out DATA_DIR] [--sounds DIR] [--contact-sheet OUT.png]"
        " [--mockups DIR] [--icons DIR]\n");
    return 2;
}

// Drops the font caches of Pango, Cairo and fontconfig so that leak checkers see a clean exit.
struct FontCachesReleaser {
    ~FontCachesReleaser() {
        pango_cairo_font_map_set_default(nullptr);
        cairo_debug_reset_static_data();
        FcFini();
    }
};
} // namespace

int main(int argc, char** argv) {
    const FontCachesReleaser releaser;
    std::string outDir, soundsDir, sheetPath, mockupDir, iconDir;
    std::string editionName = "ko";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        if (arg == "--edition")
            editionName = argv[++i];
        else if (arg == "--out")
            outDir = argv[++i];
        else if (arg == "--sounds")
            soundsDir = argv[++i];
        else if (arg == "--contact-sheet")
            sheetPath = argv[++i];
        else if (arg == "--mockups")
            mockupDir = argv[++i];
        else if (arg == "--icons")
            iconDir = argv[++i];
        else
            return Usage();
    }
    Language edition;
    if (!ParseLanguageCode(editionName, edition)) return Usage();
    const bool drawAssets = !outDir.empty() || !sheetPath.empty() || !mockupDir.empty();
    if (!drawAssets && iconDir.empty()) return Usage();
    try {
        std::string error;
        if (!iconDir.empty() && !WriteIcons(iconDir, error)) {
            std::fprintf(stderr, "zor_artgen: %s\n", error.c_str());
            return 1;
        }
        if (!drawAssets) return 0;
        const std::vector<BuiltAsset> assets = BuildAll(edition);
        const std::string archiveDir = (std::filesystem::path(outDir) / EditionFolder(edition)).string();
        if (!outDir.empty() && !WriteArchives(assets, archiveDir, soundsDir, error)) {
            std::fprintf(stderr, "zor_artgen: %s\n", error.c_str());
            return 1;
        }
        if (!sheetPath.empty() && !WriteContactSheet(assets, sheetPath, error)) {
            std::fprintf(stderr, "zor_artgen: %s\n", error.c_str());
            return 1;
        }
        if (!mockupDir.empty() && !WriteMockups(assets, mockupDir, error)) {
            std::fprintf(stderr, "zor_artgen: %s\n", error.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zor_artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
