#pragma once
#include <cstdint>
#include <memory>

// Helpers between a packed RGB buffer (width x height x 3 bytes, top-down, no padding) and the DIB
// layout (rows padded to 4 bytes, bottom-up, blue-green-red).

// Bytes of one DIB row of 24-bit pixels: ((width x 24 + 31) / 32) x 4.
uint32_t DibRowBytes(uint32_t width);
// Copies width x 3 bytes into dest at row x width x 3.
void CopyRgbRow(const uint8_t* source, uint32_t width, uint8_t* dest, uint32_t row);
// Writes each grey sample g of source as the pixel g, g, g into dest at row x width x 3.
void ExpandGrayRow(const uint8_t* source, uint32_t width, uint8_t* dest, uint32_t row);
// Copies each packed row to the start of a new row of DibRowBytes(width) bytes (padding zeroed).
// Null for a null source or when the allocation fails; for height 0 the empty allocation.
std::unique_ptr<uint8_t[]> AlignRows(const uint8_t* packed, uint32_t width, uint32_t height,
                                     uint32_t& rowBytes);
// Reverses the order of rowCount rows of rowBytes bytes in place; 0 for a null buffer, else 1.
int FlipRows(uint8_t* buffer, uint32_t rowBytes, uint32_t rowCount);
// Exchanges the first and third byte of every pixel of a packed buffer; 0 for a null buffer, else 1.
int SwapRedBlue(uint8_t* buffer, uint32_t width, uint32_t height);
