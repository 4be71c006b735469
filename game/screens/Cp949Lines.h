#pragma once
#include <cstring>
#include <string>
#include <string_view>

#include "platform/Cp949.h"

// How many bytes of the code page 949 text fit in `limit` without cutting a two-byte character.
size_t FitCp949(std::string_view text, size_t limit);

// A constant table of texts in fixed fields of code page 949 bytes, zero-terminated, converted once from
// UTF-8 when the table is made. A text too long for its field keeps the whole characters that fit.
template <int Lines, int Field> class Cp949Lines {
  public:
    static constexpr int kLines = Lines;
    static constexpr int kMaxBytes = Field - 1;

    explicit Cp949Lines(const char* const (&utf8)[Lines]) {
        for (int i = 0; i < Lines; ++i) {
            const std::string bytes = Utf8ToCp949(utf8[i]);
            const size_t n = FitCp949(bytes, kMaxBytes);
            std::memcpy(text_[i], bytes.data(), n);
            text_[i][n] = '\0';
        }
    }
    const char* operator[](int i) const { return text_[i]; }

  private:
    char text_[Lines][Field] = {};
};
