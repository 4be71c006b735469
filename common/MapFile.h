#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/AtomicFile.h"

// The map file of a picture pair: five records of left, top, right, bottom as signed 32-bit little-endian
// integers, in picture pixels, in the order the game tests clicks against them. The game, the editor and the
// pack builder all read and write it through these functions.
struct MapRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const MapRect&) const = default;
};

constexpr int kMapRecords = 5;
constexpr size_t kMapRecordBytes = 16;
constexpr size_t kMapFileBytes = kMapRecords * kMapRecordBytes;

using MapRecords = std::array<MapRect, kMapRecords>;

std::vector<uint8_t> EncodeMap(const MapRecords& map);
// Bytes after the 80th are ignored; bytes missing from a short map count as 0.
MapRecords DecodeMap(std::span<const uint8_t> bytes);
// How many whole records a map of that many bytes holds (at most five).
int CompleteMapRecords(size_t size);

// Reads up to 80 bytes of a map file into bytes; false when it cannot be opened or read.
bool ReadMapFile(const std::string& path, std::vector<uint8_t>& bytes);
// Writes the 80 bytes through a temporary file and a rename: the old map stays whole on any failure,
// and error then says why. Where the folder is read-only but the map is not, the map is written over in
// place (Written::InPlace), so that a map beside pictures one may not add files to can still be edited.
Written WriteMapFile(const std::string& path, const MapRecords& map, std::string& error);
