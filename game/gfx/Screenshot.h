#pragma once
#include <string>

#include "game/gfx/PixelBuffer.h"
#include "game/gfx/PixelConversion.h"

// Writes a 16-bit picture as a 24-bit BMP, widening each channel by bit replication. Whole or not at all.
bool WriteBmp24(const std::string& path, const PixelBuffer& picture, const PixelConversion& format,
                std::string& error);
