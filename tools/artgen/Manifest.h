#pragma once
#include <cairo.h>
#include <span>

enum class ArchiveId { Main, Second };
enum class Format { Pcx256, Bmp8, Bmp24 };

struct AssetSpec;
using DrawFn = void (*)(cairo_t*, const AssetSpec&);

// One picture the game loads: where it lives, how it is stored and how the game cuts it.
// Cells lie side by side in one row, `stride` pixels apart (equal to the cell width for plain strips).
struct AssetSpec {
    ArchiveId archive;
    const char* name; // entry name as the game spells it
    Format format;
    int width;
    int height;
    int cellWidth;
    int cellHeight;
    int cells;
    int stride;
    bool keyed; // drawn with the colour key: the background stays transparent
    DrawFn draw;
};

std::span<const AssetSpec> Manifest();
const char* ArchiveFileName(ArchiveId archive);
