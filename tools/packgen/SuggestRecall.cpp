#include "tools/packgen/SuggestRecall.h"

#include <algorithm>

#include "tools/packgen/JpegIo.h"
#include "tools/packgen/PackReader.h"
#include "tools/pairs/DifferenceFinder.h"

bool MeasureSuggestRecall(const std::vector<std::string>& packPaths, SuggestRecall& recall,
                          std::string& error) {
    for (const std::string& path : packPaths) {
        PackReader pack;
        if (!pack.LoadFile(path, error)) return false;
        for (const PackEntry* picture : pack.Pictures()) {
            std::vector<uint8_t> jpeg, mapBytes;
            RgbImage stage;
            if (!pack.Read(picture->name, jpeg) ||
                !DecodeJpeg(jpeg, pair_layout::kImageWidth, stage, error) ||
                !pack.Read(PackReader::MapNameFor(picture->name), mapBytes)) {
                error = path + ": " + picture->name + ": " + (error.empty() ? "no map" : error);
                return false;
            }
            const std::vector<MapRect> suggested = SuggestRectangles(stage);
            for (const MapRect& truth : DecodeMap(mapBytes)) {
                ++recall.rectangles;
                recall.found += std::any_of(suggested.begin(), suggested.end(), [&](const MapRect& s) {
                    return IntersectionOverUnion(s, truth) >= SuggestRecall::kFoundOverlap;
                });
            }
        }
    }
    return true;
}
