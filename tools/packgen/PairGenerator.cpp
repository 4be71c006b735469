#include "tools/packgen/PairGenerator.h"

#include <algorithm>

#include "tools/packgen/DifferenceMaker.h"
#include "tools/packgen/JpegIo.h"
#include "tools/packgen/SceneComposer.h"

bool GeneratePair(int theme, int difficulty, uint64_t seed, GeneratedPair& out, std::string& error,
                  std::stop_token stop) {
    std::string lastProblem = "no scene had room for five differences";
    for (int attempt = 0; attempt < kMaxTries; ++attempt) {
        if (stop.stop_requested()) {
            error = "stopped";
            return false;
        }
        const uint64_t trySeed = seed + uint64_t(attempt);
        Rng rng(trySeed);
        PairPlan plan;
        if (!MakeDifferences(ComposeScene(theme, rng), difficulty, rng, plan)) continue;
        std::vector<uint8_t> jpeg = EncodeJpeg(plan.stage, kPackJpegQuality);
        RgbImage decoded;
        if (!DecodeJpeg(jpeg, pair_layout::kImageWidth, decoded, error)) return false;
        const PairReport report = VerifyPair(decoded, plan.map);
        if (!report.Ok()) {
            lastProblem = report.Summary();
            continue;
        }
        const auto shown = std::count_if(plan.left.objects.begin(), plan.left.objects.end(),
                                         [](const SceneObject& o) { return o.visible; });
        out = {std::move(jpeg), plan.map, trySeed, attempt + 1, plan.kinds, int(shown)};
        return true;
    }
    error = "no fair pair in " + std::to_string(kMaxTries) + " seeds from " + std::to_string(seed) +
            "; the last one:\n" + lastProblem;
    return false;
}
