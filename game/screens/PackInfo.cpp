#include "game/screens/PackInfo.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>

#include "game/screens/Cp949Lines.h"

namespace {
constexpr uint8_t kDefaultStars = 3;
constexpr const char* kDefaultMaker = "QAN TEAM";
constexpr int kNoInfoLine = 2, kEnjoyLine = 3;
// "본화일의 정보가 없습니다." and "즐겁게 게임을 즐기세여" in code page 949.
constexpr const char* kNoInfoText = "\xBA\xBB\xC8\xAD\xC0\xCF\xC0\xC7 \xC1\xA4\xBA\xB8\xB0\xA1 "
                                    "\xBE\xF8\xBD\xC0\xB4\xCF\xB4\xD9.";
constexpr const char* kEnjoyText = "\xC1\xF1\xB0\xCC\xB0\xD4 \xB0\xD4\xC0\xD3\xC0\xBB "
                                   "\xC1\xF1\xB1\xE2\xBC\xBC\xBF\xA9";
constexpr const char* kPackExtension = ".zor";
constexpr const char* kInfoExtension = ".dat";

void SetField(CPackInfo::Field& field, const char* text, size_t length) {
    field.fill(0);
    std::memcpy(field.data(), text, std::min(length, CPackInfo::kFieldBytes));
}
} // namespace

std::string PackInfoFileName(const std::string& packFileName) {
    std::string name = packFileName;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const size_t length = std::strlen(kPackExtension);
    for (size_t at = name.find(kPackExtension); at != std::string::npos;
         at = name.find(kPackExtension, at + length))
        name.replace(at, length, kInfoExtension);
    return name;
}

CPackInfo DefaultPackInfo() {
    CPackInfo info;
    info.stars = kDefaultStars;
    SetField(info.maker, kDefaultMaker, std::strlen(kDefaultMaker));
    SetField(info.lines[kNoInfoLine], kNoInfoText, std::strlen(kNoInfoText));
    SetField(info.lines[kEnjoyLine], kEnjoyText, std::strlen(kEnjoyText));
    return info;
}

CPackInfo DecodePackInfo(const std::vector<uint8_t>& bytes) {
    CPackInfo info;
    if (bytes.empty()) return info;
    info.stars = bytes[0];
    auto take = [&](CPackInfo::Field& field, size_t at) {
        if (at >= bytes.size()) return;
        const size_t length = std::min(CPackInfo::kFieldBytes, bytes.size() - at);
        SetField(field, reinterpret_cast<const char*>(&bytes[at]), length);
    };
    take(info.maker, 1);
    for (int i = 0; i < CPackInfo::kLines; ++i) take(info.lines[i], 1 + CPackInfo::kFieldBytes * (i + 1));
    return info;
}

CPackInfo ReadPackInfo(const std::string& packFileName) {
    std::ifstream in(PackInfoFileName(packFileName), std::ios::binary);
    CPackInfo info = DefaultPackInfo();
    if (in) {
        std::vector<uint8_t> bytes(CPackInfo::kFileBytes);
        in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
        bytes.resize(size_t(in.gcount()));
        info = DecodePackInfo(bytes);
    }
    const std::string shown = Utf8ToCp949(packFileName);
    SetField(info.fileName, shown.data(), FitCp949(shown, CPackInfo::kFieldBytes - 1));
    return info;
}
