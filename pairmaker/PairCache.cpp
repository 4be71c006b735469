#include "pairmaker/PairCache.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

#include "common/CivilDate.h"

namespace fs = std::filesystem;

namespace {
// Raised whenever the generator's pictures change, so that an old cache is left aside.
constexpr int kGeneratorVersion = 1;
constexpr const char* kPicture = ".jpg";
constexpr const char* kMap = ".map";

// The whole file when it is a regular file of at most `limit` bytes.
bool ReadBounded(const std::string& path, size_t limit, std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    const uintmax_t size = fs::file_size(path, ec);
    if (ec || size > limit) return false;
    std::ifstream in(path, std::ios::binary);
    bytes.resize(size_t(size));
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size));
    return in && size_t(in.gcount()) == size;
}

struct KeptPair {
    fs::file_time_type written;
    std::string stem;
    bool operator<(const KeptPair& other) const {
        return written != other.written ? written < other.written : stem < other.stem;
    }
};
} // namespace

std::string PairCache::StemFor(const MadePairKey& key) {
    char stem[64];
    const bool today = key.stream == MadeStream::Today;
    std::snprintf(stem, sizeof stem, today ? "%s-v%d-%s-%02d" : "%s-v%d-%s-%04d", today ? "today" : "endless",
                  kGeneratorVersion, FormatIsoDate(key.day).c_str(), key.index);
    return stem;
}

std::string PairCache::PathOf(const MadePairKey& key, const char* extension) const {
    return (fs::path(folder_) / (StemFor(key) + extension)).string();
}

bool PairCache::Load(const MadePairKey& key, std::vector<uint8_t>& jpeg, MapRecords& map) const {
    if (folder_.empty()) return false;
    std::vector<uint8_t> mapBytes;
    if (!ReadBounded(PathOf(key, kMap), kMapFileBytes, mapBytes) || mapBytes.size() != kMapFileBytes ||
        !ReadBounded(PathOf(key, kPicture), kMaxJpegBytes, jpeg) || jpeg.empty())
        return false;
    map = DecodeMap(mapBytes);
    return true;
}

bool PairCache::Store(const MadePairKey& key, const std::vector<uint8_t>& jpeg, const MapRecords& map,
                      std::string& error) const {
    if (folder_.empty()) return true;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) {
        error = folder_ + ": " + ec.message();
        return false;
    }
    // The map goes first: a pair counts as kept by its picture, which is written last.
    if (!WriteFileAtomically(PathOf(key, kMap), EncodeMap(map), error) ||
        !WriteFileAtomically(PathOf(key, kPicture), jpeg, error))
        return false;
    Trim();
    return true;
}

void PairCache::Drop(const MadePairKey& key) const {
    std::error_code ec;
    fs::remove(PathOf(key, kPicture), ec);
    fs::remove(PathOf(key, kMap), ec);
}

void PairCache::Trim() const {
    if (folder_.empty()) return;
    std::vector<KeptPair> kept;
    std::set<std::string> pictures, maps;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        if (!it->is_regular_file(ec)) continue;
        const std::string stem = path.stem().string();
        if (path.extension() == kMap) maps.insert(stem);
        if (path.extension() != kPicture) continue;
        pictures.insert(stem);
        kept.push_back({it->last_write_time(ec), stem});
    }
    for (const std::string& stem : maps)
        if (!pictures.count(stem)) fs::remove(fs::path(folder_) / (stem + kMap), ec);
    if (kept.size() <= size_t(kMaxPairs)) return;
    std::sort(kept.begin(), kept.end());
    for (size_t i = 0; i + kMaxPairs < kept.size(); ++i) {
        fs::remove(fs::path(folder_) / (kept[i].stem + kPicture), ec);
        fs::remove(fs::path(folder_) / (kept[i].stem + kMap), ec);
    }
}
