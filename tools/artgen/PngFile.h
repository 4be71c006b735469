#pragma once
#include <cairo.h>
#include <string>

// Writes a Cairo surface as a PNG file, whole or not at all (a temporary file, then a rename).
bool WritePngFile(cairo_surface_t* surface, const std::string& path, std::string& error);
