#pragma once
#include <cstddef>
#include <cstdint>

#include "codecs/PictureHolder.h"

// Reads an uncompressed BMP of 1, 4, 8 or 24 bits per pixel into the holder as packed 24-bit rows (see
// PictureHolder::ReplacePixels), whatever the file's depth. Problems are shown through the codec message
// box (ShowCodecMessage) under the editor's caption "mfcapp":
//   "Can't open file for reading :\n<name>", "Not a valid BMP File", "This is a compressed file\nGiving up",
//   "Corrupt palette", "Read Error!" (the file ends early), "Unsupported BMP header\nGiving up" (a header
//   other than the 40-byte one and its known larger versions), "Unsupported BMP depth\nGiving up" (16 and
//   32 bits per pixel and the like): the holder is not touched.
//   "Memory alloc Failed" (more than kMaxPicturePixels, a side of 0 counted as 1, or no memory): the
//   holder gets the new sizes and null pixels.
// Compression is judged before the header size, so a compressed file is called so whatever its header.
// Top-down files (negative height) come out bottom-up like the others; palette indices past the file's
// colour count give black. True when the holder received a new picture.
bool LoadBmp(const char* path, PictureHolder& holder);
// The same read from bytes in memory.
bool LoadBmpFromMemory(const uint8_t* data, size_t size, PictureHolder& holder);
