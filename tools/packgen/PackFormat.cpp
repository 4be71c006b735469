#include "tools/packgen/PackFormat.h"

#include <cstring>

bool EncodePackInfo(const PackInfo& info, std::vector<uint8_t>& out, std::string& error) {
    out.assign(kInfoFileSize, 0);
    out[0] = info.stars;
    auto put = [&](size_t at, const std::string& text, const char* what) {
        if (text.size() >= kInfoFieldSize || text.find('\0') != std::string::npos) {
            error = std::string(what) + " '" + text + "' takes more than 31 bytes in code page 949";
            return false;
        }
        std::memcpy(&out[at], text.data(), text.size());
        return true;
    };
    if (!put(1, info.maker, "maker")) return false;
    for (int i = 0; i < kInfoLines; ++i) {
        if (!put(1 + kInfoFieldSize * (i + 1), info.lines[i], "description line")) return false;
    }
    return true;
}
