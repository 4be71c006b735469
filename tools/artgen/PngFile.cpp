#include "tools/artgen/PngFile.h"

#include <filesystem>

bool WritePngFile(cairo_surface_t* surface, const std::string& path, std::string& error) {
    const std::string temp = path + ".tmp";
    if (cairo_surface_write_to_png(surface, temp.c_str()) != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + temp;
        std::filesystem::remove(temp);
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        error = "cannot rename " + temp + ": " + ec.message();
        return false;
    }
    return true;
}
