#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/Edition.h"
#include "tools/artgen/Image.h"
#include "tools/artgen/Manifest.h"

// A manifest entry drawn and encoded: the file bytes and the picture as the game will see it.
struct BuiltAsset {
    const AssetSpec* spec;
    std::vector<uint8_t> bytes;
    Image shown; // after keying, lifting and quantising; transparent pixels have alpha 0
};

// Draws the entry for the edition; a failure names the entry.
BuiltAsset BuildAsset(const AssetSpec& spec, Language edition);
std::vector<BuiltAsset> BuildAll(Language edition);

// Packs the pictures (and every .wav of soundsDir, when it is not empty) into zor.res and zor2.res in
// dataDir, which is made when missing. False with a reason in error when anything fails; no archive is left
// half written.
bool WriteArchives(const std::vector<BuiltAsset>& assets, const std::string& dataDir,
                   const std::string& soundsDir, std::string& error);
