#pragma once
#include <string>
#include <vector>

// How well the suggested rectangles find the true ones of existing packs: a true rectangle is found when
// a suggested rectangle covers it with intersection over union of at least kFoundOverlap.
struct SuggestRecall {
    static constexpr double kFoundOverlap = 0.5;
    int rectangles = 0; // true rectangles of every pair read
    int found = 0;
    double Fraction() const { return rectangles ? double(found) / rectangles : 0.0; }
};

// Suggests rectangles for every pair of the packs from the picture alone and compares them with the maps;
// false with a reason when a pack or a picture cannot be read.
bool MeasureSuggestRecall(const std::vector<std::string>& packPaths, SuggestRecall& recall,
                          std::string& error);
