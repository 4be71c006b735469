#include "platform/Cp949.h"

#include <cerrno>
#include <iconv.h>

namespace {
// A converter kept for the whole run: opening one costs more than converting a line.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts text; an input sequence that does not convert is replaced by `replacement` after
    // skipping `skip(in, left)` bytes.
    template <typename Skip> std::string Run(std::string_view text, std::string_view replacement, Skip skip) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(text.data());
        size_t inLeft = text.size();
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t r = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, size_t(outPtr - buffer));
            if (r != static_cast<size_t>(-1)) break;
            if (errno == E2BIG) continue;
            const size_t n = skip(in, inLeft); // EILSEQ or EINVAL: an unconvertible or cut sequence
            in += n;
            inLeft -= n;
            out.append(replacement);
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

  private:
    iconv_t cd_;
};

size_t Utf8SequenceLength(const char* p, size_t left) {
    const auto lead = static_cast<unsigned char>(p[0]);
    size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (lead >= 0x80 && lead < 0xC0) n = 1;
    return n < left ? n : left;
}

constexpr unsigned char kSingleByteMax = 0x80; // bytes up to this one stand alone; above it lead two
constexpr unsigned char kNoLead = 0xFF;

size_t Cp949CharLength(unsigned char lead) {
    return lead > kSingleByteMax && lead < kNoLead ? 2 : 1;
}

size_t Cp949SequenceLength(const char* p, size_t left) {
    const size_t n = Cp949CharLength(static_cast<unsigned char>(p[0]));
    return n < left ? n : left;
}
} // namespace

std::string Utf8ToCp949(std::string_view utf8) {
    static Converter converter("CP949", "UTF-8");
    return converter.Run(utf8, "", Utf8SequenceLength);
}

std::string Cp949ToUtf8(std::string_view cp949) {
    static Converter converter("UTF-8", "CP949");
    return converter.Run(cp949, "?", Cp949SequenceLength);
}

size_t FitCp949(std::string_view text, size_t limit) {
    size_t n = 0;
    while (n < text.size()) {
        const size_t next = n + Cp949CharLength(static_cast<unsigned char>(text[n]));
        if (next > limit || next > text.size()) break;
        n = next;
    }
    return n;
}
