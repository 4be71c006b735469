#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class Archive;

// Loose files and archive entries larger than this are not read: no picture the loaders accept needs
// more (4096 x 4096 x 3 bytes plus headers and padding).
constexpr size_t kMaxPictureBytes = 64u << 20;

// The whole picture: the archive entry named name, or the file name when archive is null.
// False when it cannot be opened or read, is absent from the archive, or is larger than kMaxPictureBytes.
bool ReadPictureBytes(const Archive* archive, const char* name, std::vector<uint8_t>& out);
// At most count bytes from the start of the picture (fewer when it is shorter).
bool ReadPictureHead(const Archive* archive, const char* name, size_t count, std::vector<uint8_t>& out);

// Little-endian fields of a picture header; the caller has checked the bytes are there.
inline int32_t PictureLe16s(const uint8_t* p) {
    return static_cast<int16_t>(p[0] | p[1] << 8);
}
inline uint32_t PictureLe16(const uint8_t* p) {
    return uint32_t(p[0] | p[1] << 8);
}
inline int32_t PictureLe32s(const uint8_t* p) {
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                                uint32_t(p[3]) << 24);
}
