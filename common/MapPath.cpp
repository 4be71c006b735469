#include "common/MapPath.h"

bool PairStem(const std::string& path, std::string& stem) {
    const size_t slash = path.find_last_of('/');
    const size_t componentStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find('.', componentStart);
    if (dot == std::string::npos) return false;
    stem = path.substr(0, dot);
    return true;
}

std::string MapPathFor(const std::string& picturePath) {
    std::string stem;
    if (!PairStem(picturePath, stem)) stem = picturePath;
    return stem + ".map";
}
