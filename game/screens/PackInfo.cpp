#include "game/screens/PackInfo.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>

#include "game/texts/GameTexts.h"
#include "platform/Cp949.h"

namespace {
constexpr uint8_t kDefaultStars = 3;
constexpr int kNoInfoLine = 2, kEnjoyLine = 3;
constexpr const char* kPackExtension = ".zor";
constexpr const char* kInfoExtension = ".dat";
constexpr const char* kEnglishInfoExtension = ".en.dat";

void SetField(CPackInfo::Field& field, const char* text, size_t length) {
    field.fill(0);
    std::memcpy(field.data(), text, std::min(length, CPackInfo::kFieldBytes));
}

void SetText(CPackInfo::Field& field, TextId id) {
    const char* text = GameText(id);
    SetField(field, text, std::strlen(text));
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

std::string EnglishPackInfoFileName(const std::string& packFileName) {
    std::string name = PackInfoFileName(packFileName);
    const size_t length = std::strlen(kInfoExtension);
    if (name.size() >= length && name.compare(name.size() - length, length, kInfoExtension) == 0)
        name.resize(name.size() - length);
    return name + kEnglishInfoExtension;
}

CPackInfo DefaultPackInfo() {
    CPackInfo info;
    info.stars = kDefaultStars;
    SetText(info.maker, TextPackMaker);
    SetText(info.lines[kNoInfoLine], TextPackNoInfo);
    SetText(info.lines[kEnjoyLine], TextPackEnjoy);
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
    std::ifstream in;
    if (GameLanguage() == Language::English) in.open(EnglishPackInfoFileName(packFileName), std::ios::binary);
    if (!in.is_open()) in.open(PackInfoFileName(packFileName), std::ios::binary);
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
