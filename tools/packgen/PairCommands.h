#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "tools/packgen/PairFiles.h"

// The author's commands on pairs made by hand: suggest a map, check a pair, gather pairs into a pack.
// Each prints its report to `out`, a failure's reason to `err`, and answers whether it succeeded.

// Suggests rectangles for PICTURE and writes them to its map (picture's stem + ".map"); slots left
// without a place are written empty (right below left), which the game never matches.
bool SuggestMap(const std::string& picturePath, std::ostream& out, std::ostream& err);

// Verifies a pair: its picture, and the map given or the one named after the picture. `verbose` adds how
// each difference blends into the picture (for the author to judge: it is no part of the verdict).
bool CheckPairFiles(const std::string& picturePath, const std::string& mapPath, std::ostream& out,
                    std::ostream& err, bool verbose = false);

// The pairs STEM.jpg + STEM.map of a directory (names and extensions in any case), in name order.
// False with a reason when it cannot be listed.
bool ListPairFiles(const std::string& directory, std::vector<PairFile>& pairs, std::string& error);

// Reads and verifies ten pairs and builds the pack's archive bytes; a malformed or unfair pair refuses
// the pack (its report printed) unless `force`; an unreadable one always does.
bool AssemblePack(std::vector<PairFile>& pairs, bool force, std::vector<uint8_t>& archive, std::ostream& out,
                  std::ostream& err);
