#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/Image.h"
#include "tools/artgen/Manifest.h"

// A manifest entry drawn and encoded: the file bytes and the picture as the game will see it.
struct BuiltAsset {
    const AssetSpec* spec;
    std::vector<uint8_t> bytes;
    Image shown; // after keying, lifting and quantising; transparent pixels have alpha 0
};

BuiltAsset BuildAsset(const AssetSpec& spec);
std::vector<BuiltAsset> BuildAll();

// Packs the pictures (and every .wav of soundsDir, when it is not empty) into zor.res and zor2.res in
// dataDir. False with a reason in error when anything fails; no archive is left half written.
bool WriteArchives(const std::vector<BuiltAsset>& assets, const std::string& dataDir,
                   const std::string& soundsDir, std::string& error);
