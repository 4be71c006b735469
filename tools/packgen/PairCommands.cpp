#include "tools/packgen/PairCommands.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <ostream>

#include "common/AtomicFile.h"
#include "tools/common/ArchiveWriter.h"
#include "tools/packgen/PackBuilder.h"
#include "tools/pairs/Blend.h"
#include "tools/pairs/DifferenceFinder.h"
#include "tools/pairs/Verifier.h"

namespace fs = std::filesystem;

namespace {
constexpr MapRect kEmptySlot{0, 0, -1, -1};

std::string Lower(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

void PrintRect(std::ostream& out, const MapRect& r) {
    out << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}

// Each rectangle's blend figures: the right picture's over the left's, across the border and inside.
void ReportBlend(const PairFile& pair, std::ostream& out) {
    const auto figures = MeasurePairBlend(pair.stage, pair.map);
    for (size_t k = 0; k < figures.size(); ++k) {
        const BlendFigures& f = figures[k];
        out << "  rect " << k + 1 << " blend: ";
        if (f.editPixels == 0) {
            out << "nothing differs\n";
            continue;
        }
        char figures[160];
        std::snprintf(figures, sizeof figures,
                      " (gradient across the border %.1f left, %.1f right; fine detail inside %.1f left, "
                      "%.1f right; %d pixels changed)",
                      f.borderLeft, f.borderRight, f.detailLeft, f.detailRight, f.editPixels);
        out << f.Describe() << figures << "\n";
    }
}

// Reads what the pair's paths name and prints the verdict; false when unreadable, malformed or unfair.
bool VerifyAndReport(PairFile& pair, std::ostream& out, std::ostream& err, bool& readable,
                     bool verbose = false) {
    std::string error;
    readable = ReadPairPicture(pair.picturePath, pair, error) && ReadPairMap(pair.mapPath, pair, error);
    if (!readable) {
        err << error << "\n";
        return false;
    }
    out << pair.picturePath << ":\n";
    if (const std::string reason = MalformedReason(pair); !reason.empty()) {
        out << "  FAIL: " << reason << "\n";
        return false;
    }
    const PairReport report = VerifyPair(pair.stage, pair.map);
    out << report.Summary();
    if (verbose) ReportBlend(pair, out);
    out << "  " << (report.Ok() ? "PASS" : "FAIL") << "\n";
    return report.Ok();
}
} // namespace

bool SuggestMap(const std::string& picturePath, std::ostream& out, std::ostream& err) {
    PairFile pair;
    std::string error;
    if (!ReadPairPicture(picturePath, pair, error)) {
        err << error << "\n";
        return false;
    }
    pair.mapBytes = kMapFileBytes;
    if (const std::string reason = MalformedReason(pair); !reason.empty()) {
        err << reason << "\n";
        return false;
    }
    const std::vector<MapRect> found = SuggestRectangles(pair.stage);
    DifferenceMap map;
    map.fill(kEmptySlot);
    std::copy(found.begin(), found.end(), map.begin());
    const std::string mapPath = MapPathFor(picturePath);
    if (!WriteFileAtomically(mapPath, EncodeMap(map), error)) {
        err << error << "\n";
        return false;
    }
    for (size_t k = 0; k < found.size(); ++k) {
        out << "rect " << k + 1 << " ";
        PrintRect(out, found[k]);
        out << "\n";
    }
    if (found.size() < map.size()) {
        out << "only " << found.size() << " places differ; the other rectangles are left empty\n";
    }
    out << "wrote " << mapPath << "\n";
    return true;
}

bool CheckPairFiles(const std::string& picturePath, const std::string& mapPath, std::ostream& out,
                    std::ostream& err, bool verbose) {
    PairFile pair;
    pair.picturePath = picturePath;
    pair.mapPath = mapPath.empty() ? MapPathFor(picturePath) : mapPath;
    bool readable = false;
    return VerifyAndReport(pair, out, err, readable, verbose);
}

bool ListPairFiles(const std::string& directory, std::vector<PairFile>& pairs, std::string& error) {
    std::error_code ec;
    std::map<std::string, fs::path> pictures, maps; // by lower-case stem
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string extension = Lower(it->path().extension().string());
        const std::string stem = Lower(it->path().stem().string());
        if (extension == ".jpg") pictures.emplace(stem, it->path());
        if (extension == ".map") maps.emplace(stem, it->path());
    }
    if (ec) {
        error = "cannot list " + directory + ": " + ec.message();
        return false;
    }
    pairs.clear();
    for (const auto& [stem, picture] : pictures) {
        const auto map = maps.find(stem);
        if (map == maps.end()) continue;
        PairFile pair;
        pair.picturePath = picture.string();
        pair.mapPath = map->second.string();
        pairs.push_back(std::move(pair));
    }
    return true;
}

bool AssemblePack(std::vector<PairFile>& pairs, bool force, std::vector<uint8_t>& archive, std::ostream& out,
                  std::ostream& err) {
    const size_t needed = pair_layout::kPicturesPerPack;
    if (pairs.size() < needed) {
        err << "a pack holds ten pairs; found " << pairs.size() << " (STEM.jpg with STEM.map)\n";
        return false;
    }
    for (size_t i = needed; i < pairs.size(); ++i) out << "left out: " << pairs[i].picturePath << "\n";
    pairs.resize(needed);
    int refused = 0;
    ArchiveWriter writer;
    for (size_t i = 0; i < needed; ++i) {
        bool readable = false;
        const bool fair = VerifyAndReport(pairs[i], out, err, readable);
        if (!readable) return false;
        refused += !fair;
        const std::string stem = PackEntryStem(int(i));
        if (!writer.Add(stem + ".jpg", pairs[i].jpeg) ||
            !writer.Add(stem + ".map", EncodeMap(pairs[i].map))) {
            err << writer.Error() << "\n";
            return false;
        }
    }
    if (refused > 0 && !force) {
        err << refused << " of ten pairs fail the check; mend them or give --force\n";
        return false;
    }
    archive = writer.Build();
    return true;
}
