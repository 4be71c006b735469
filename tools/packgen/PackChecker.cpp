#include "tools/packgen/PackChecker.h"

#include <ostream>

#include "tools/packgen/JpegIo.h"
#include "tools/packgen/PackReader.h"
#include "tools/pairs/Verifier.h"

namespace {
constexpr int kMaxPictureSide = 4096;

bool CheckPicture(const PackReader& pack, const PackEntry& picture, std::ostream& out) {
    out << picture.name << ":\n";
    std::vector<uint8_t> bytes, mapBytes;
    RgbImage image;
    std::string error;
    pack.Read(picture.name, bytes);
    if (!DecodeJpeg(bytes, kMaxPictureSide, image, error)) {
        out << "  FAIL: " << error << "\n";
        return false;
    }
    const std::string mapName = PackReader::MapNameFor(picture.name);
    if (!pack.Read(mapName, mapBytes)) {
        out << "  FAIL: no map entry " << mapName << "\n";
        return false;
    }
    const PairReport report = VerifyPair(image, DecodeMap(mapBytes));
    out << report.Summary() << "  " << (report.Ok() ? "PASS" : "FAIL") << "\n";
    return report.Ok();
}
} // namespace

bool CheckPack(const std::string& path, std::ostream& out) {
    PackReader pack;
    std::string error;
    if (!pack.LoadFile(path, error)) {
        out << error << "\nFAIL\n";
        return false;
    }
    const auto pictures = pack.Pictures();
    int passed = 0;
    for (const PackEntry* picture : pictures) passed += CheckPicture(pack, *picture, out);
    const bool complete = pictures.size() >= size_t(pair_layout::kPicturesPerPack);
    if (!complete) out << "only " << pictures.size() << " pictures among the first 20 entries (10 needed)\n";
    out << path << ": " << passed << " of " << pictures.size() << " pairs pass\n";
    return complete && passed == int(pictures.size());
}
