#include "pairmaker/PairMaking.h"

#include "tools/packgen/JpegIo.h"
#include "tools/packgen/PairGenerator.h"
#include "tools/pairs/Verifier.h"

namespace {
// A picture of the stage's size that passes the verifier with its map.
bool DecodeFair(const std::vector<uint8_t>& jpeg, const MapRecords& map, RgbImage& picture, bool verify,
                std::string& error) {
    if (!DecodeJpeg(jpeg, MadePair::kWidth, picture, error)) return false;
    if (picture.width != MadePair::kWidth || picture.height != MadePair::kHeight) {
        error = "the picture is not " + std::to_string(MadePair::kWidth) + "x" +
                std::to_string(MadePair::kHeight);
        return false;
    }
    if (!verify) return true;
    const PairReport report = VerifyPair(picture, map);
    if (!report.Ok()) error = report.Summary();
    return report.Ok();
}
} // namespace

PairRequest RequestFor(const MadePairKey& key) {
    return key.stream == MadeStream::Today ? TodayPairRequest(key.day, key.index)
                                           : EndlessPairRequest(key.day, key.index);
}

bool MakeVerifiedPair(const MadePairKey& key, const PairCache& cache, MadeResult& out, std::string& error,
                      std::stop_token stop) {
    std::string cacheProblem;
    if (cache.Load(key, out.jpeg, out.map)) {
        if (DecodeFair(out.jpeg, out.map, out.picture, true, cacheProblem)) {
            out.fromCache = true;
            return true;
        }
        cache.Drop(key); // a damaged or unfair file: drawn again below
    }
    const PairRequest request = RequestFor(key);
    GeneratedPair pair;
    if (!GeneratePair(request.theme, request.difficulty, request.seed, pair, error, stop)) return false;
    // GeneratePair verified the decoded picture already; the decode here is the picture the game shows.
    if (!DecodeFair(pair.jpeg, pair.map, out.picture, false, error)) return false;
    out.jpeg = std::move(pair.jpeg);
    out.map = pair.map;
    out.fromCache = false;
    std::string storeProblem;
    cache.Store(key, out.jpeg, out.map, storeProblem); // a folder that takes no file only costs the keeping
    return true;
}
