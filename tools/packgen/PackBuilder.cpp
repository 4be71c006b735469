#include "tools/packgen/PackBuilder.h"

#include <array>
#include <cstdio>

#include "tools/common/ArchiveWriter.h"
#include "tools/packgen/Theme.h"

std::string PackEntryStem(int index) {
    char name[16];
    std::snprintf(name, sizeof name, "pair%02d", index);
    return name;
}

uint64_t PictureSeed(uint64_t packSeed, int index) {
    return MixSeed(packSeed, uint64_t(index)) >> 16;
}

int PictureTheme(const PackRequest& request, int index) {
    if (request.theme != kMixedThemes) return request.theme;
    const int themes = static_cast<int>(Themes().size());
    return static_cast<int>((request.seed + uint64_t(index)) % uint64_t(themes));
}

bool BuildPackOf(std::span<const PairRequest> pairs, const PairListener& listener,
                 std::vector<uint8_t>& archive, std::string& error) {
    ArchiveWriter writer;
    for (size_t i = 0; i < pairs.size(); ++i) {
        GeneratedPair pair;
        if (!GeneratePair(pairs[i].theme, pairs[i].difficulty, pairs[i].seed, pair, error)) return false;
        const std::string stem = PackEntryStem(int(i));
        if (!writer.Add(stem + ".jpg", pair.jpeg) || !writer.Add(stem + ".map", EncodeMap(pair.map))) {
            error = writer.Error();
            return false;
        }
        if (listener) listener(stem + ".jpg", pair);
    }
    archive = writer.Build();
    return true;
}

bool BuildPack(const PackRequest& request, const PairListener& listener, std::vector<uint8_t>& archive,
               std::string& error) {
    std::array<PairRequest, pair_layout::kPicturesPerPack> pairs;
    for (int i = 0; i < pair_layout::kPicturesPerPack; ++i)
        pairs[i] = {PictureTheme(request, i), request.difficulty, PictureSeed(request.seed, i)};
    return BuildPackOf(pairs, listener, archive, error);
}

bool BuildTodayPack(int64_t day, const PairListener& listener, std::vector<uint8_t>& archive,
                    std::string& error) {
    std::array<PairRequest, kTodayPairs> pairs;
    for (int i = 0; i < kTodayPairs; ++i) pairs[i] = TodayPairRequest(day, i);
    return BuildPackOf(pairs, listener, archive, error);
}
