#include "tools/artgen/Build.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <strings.h>

#include "tools/artgen/Canvas.h"
#include "tools/artgen/PixelRules.h"
#include "tools/artgen/Quantize.h"
#include "tools/artgen/Writers.h"
#include "tools/common/ArchiveWriter.h"

namespace {
// Backgrounds take dithering well; flat sprites look cleaner without.
constexpr float kBackgroundDithering = 0.8f;
constexpr float kSpriteDithering = 0.0f;

Image Expand(const IndexedImage& indexed) {
    Image image(indexed.width, indexed.height);
    for (size_t i = 0; i < indexed.indices.size(); ++i) image.pixels[i] = indexed.palette[indexed.indices[i]];
    return image;
}

// A picture drawn without the colour key must cover every pixel.
void MakeOpaque(Image& image) {
    for (Rgba& p : image.pixels) p.a = 255;
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool HasWavExtension(const std::filesystem::path& path) {
    return strcasecmp(path.extension().string().c_str(), ".wav") == 0;
}
} // namespace

BuiltAsset BuildAsset(const AssetSpec& spec, Language edition) {
    Canvas canvas(spec.width, spec.height);
    SetEdition(canvas.Context(), edition);
    try {
        spec.draw(canvas.Context(), spec);
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string(spec.name) + ": " + e.what());
    }
    Image image = canvas.ToImage();
    if (!spec.keyed) MakeOpaque(image);
    PixelRules::Settle(image);

    BuiltAsset built{&spec, {}, {}};
    if (spec.format == Format::Bmp24) {
        built.bytes = Writers::Bmp24(image);
        built.shown = std::move(image);
        return built;
    }
    const IndexedImage indexed = Quantize(image, spec.keyed ? kSpriteDithering : kBackgroundDithering);
    built.bytes = spec.format == Format::Pcx256 ? Writers::Pcx256(indexed) : Writers::Bmp8(indexed);
    built.shown = Expand(indexed);
    return built;
}

std::vector<BuiltAsset> BuildAll(Language edition) {
    std::vector<BuiltAsset> all;
    for (const AssetSpec& spec : Manifest()) all.push_back(BuildAsset(spec, edition));
    return all;
}

bool WriteArchives(const std::vector<BuiltAsset>& assets, const std::string& dataDir,
                   const std::string& soundsDir, std::string& error) {
    ArchiveWriter main, second;
    for (const BuiltAsset& asset : assets) {
        ArchiveWriter& archive = asset.spec->archive == ArchiveId::Main ? main : second;
        if (!archive.Add(asset.spec->name, asset.bytes)) {
            error = archive.Error();
            return false;
        }
    }
    if (!soundsDir.empty()) {
        std::vector<std::filesystem::path> sounds;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(soundsDir, ec))
            if (entry.is_regular_file() && HasWavExtension(entry.path())) sounds.push_back(entry.path());
        if (ec) {
            error = "cannot list " + soundsDir + ": " + ec.message();
            return false;
        }
        std::sort(sounds.begin(), sounds.end());
        for (const auto& path : sounds) {
            if (!main.Add(path.filename().string(), ReadFile(path))) {
                error = main.Error();
                return false;
            }
        }
    }
    const std::filesystem::path dir(dataDir);
    std::error_code made;
    std::filesystem::create_directories(dir, made);
    if (made) {
        error = "cannot make " + dataDir + ": " + made.message();
        return false;
    }
    if (!main.WriteTo((dir / ArchiveFileName(ArchiveId::Main)).string())) {
        error = main.Error();
        return false;
    }
    if (!second.WriteTo((dir / ArchiveFileName(ArchiveId::Second)).string())) {
        error = second.Error();
        return false;
    }
    return true;
}
