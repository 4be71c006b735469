#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "codecs/LzwDecoder.h"

class ByteReader;

// Reads the first image of a GIF87a or GIF89a file into a packed RGB buffer of the JPEG reader's layout:
// width x height x 3 bytes, rows top-down, red-green-blue, no padding. Extensions (transparency included)
// are skipped; the image's position on the screen is ignored. A failure gives null and leaves its text in
// m_errorText for the caller to show; the object can read again afterwards. Images of more than
// kMaxPicturePixels are refused with "Out of Memory in GIFRead"; pixel values past the colour map in use
// read as black; rows the data does not reach are black.
class GifFile {
  public:
    std::string m_errorText = "No Error";

    // Width and height are written only on success.
    std::unique_ptr<uint8_t[]> GIFRead(const char* name, uint32_t* width, uint32_t* height);
    // The same read from bytes in memory (the name in messages is empty).
    std::unique_ptr<uint8_t[]> GIFReadFromMemory(const uint8_t* data, size_t size, uint32_t* width,
                                                 uint32_t* height);

    // Three planes of 256 values; entry i is (red[i], green[i], blue[i]).
    struct ColorMap {
        uint8_t red[256];
        uint8_t green[256];
        uint8_t blue[256];
    };

  private:
    std::unique_ptr<uint8_t[]> ReadOrOutOfMemory(ByteReader& in, const std::string& name, uint32_t* width,
                                                 uint32_t* height);
    std::unique_ptr<uint8_t[]> Read(ByteReader& in, const std::string& name, uint32_t* width,
                                    uint32_t* height);
    std::unique_ptr<uint8_t[]> ReadImage(ByteReader& in, uint32_t* width, uint32_t* height);
    bool DecodeImage(ByteReader& in, const ColorMap& map, uint32_t width, uint32_t height, bool interlaced,
                     uint8_t* rgb);
    std::unique_ptr<uint8_t[]> Fail(const std::string& text);

    ColorMap globalMap_{};
    ColorMap localMap_{};
    LzwDecoder lzw_;
};
