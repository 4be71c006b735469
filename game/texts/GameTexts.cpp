#include "game/texts/GameTexts.h"

#include <array>
#include <cstdio>
#include <string>

#include "game/texts/TextTable.h"
#include "platform/Cp949.h"

namespace {
constexpr size_t kPackFieldBytes = 31;      // a 32-byte field with its terminator
constexpr size_t kLineBytes = 255;          // what a formatted text line holds
constexpr size_t kMaxFormattedBytes = 1024; // a text of the tables with a file path or two in it

struct Texts {
    Language language = Language::Korean;
    std::array<const char*, kTextCount> utf8{};
    std::array<std::string, kTextCount> cp949;
};

Texts Build(Language language) {
    Texts texts;
    texts.language = language;
    texts.utf8.fill("");
    for (const TextEntry& entry : TextTable(language)) {
        if (entry.id < 0 || entry.id >= kTextCount || !entry.utf8) continue;
        texts.utf8[entry.id] = entry.utf8;
    }
    for (int id = 0; id < kTextCount; ++id) {
        std::string bytes = Utf8ToCp949(texts.utf8[id]);
        bytes.resize(FitCp949(bytes, TextByteLimit(TextId(id))));
        texts.cp949[id] = std::move(bytes);
    }
    return texts;
}

Texts& Current() {
    static Texts texts = Build(Language::Korean);
    return texts;
}

bool Known(TextId id) {
    return id >= 0 && id < kTextCount;
}
} // namespace

std::span<const TextEntry> TextTable(Language language) {
    return language == Language::English ? EnglishTexts() : KoreanTexts();
}

void SetGameLanguage(Language language) {
    if (Current().language != language) Current() = Build(language);
}

Language GameLanguage() {
    return Current().language;
}

const char* GameText(TextId id) {
    return Known(id) ? Current().cp949[id].c_str() : "";
}

const char* GameTextUtf8(TextId id) {
    return Known(id) ? Current().utf8[id] : "";
}

size_t TextByteLimit(TextId id) {
    if (id >= TextIntro && id < TextIntro + kIntroSlots) return kIntroSlotBytes;
    if (id >= TextCredits && id < TextCredits + kCreditLines) return kCreditLineBytes;
    if (id == TextPackMaker || id == TextPackNoInfo || id == TextPackEnjoy) return kPackFieldBytes;
    if (id >= TextTodayPack && id <= TextEndlessLine3) return kPackFieldBytes;
    return kLineBytes;
}

std::string FormatGameText(const char* format, const std::string& a, const std::string& b) {
    char line[kMaxFormattedBytes];
    std::snprintf(line, sizeof line, format, a.c_str(), b.c_str());
    return line;
}
