#pragma once
#include <cstddef>
#include <cstdint>

class ByteReader;

// The variable-length LZW decoder of GIF image data: codes from minimum code size + 1 up to 12 bits,
// taken least significant bit first from the data sub-blocks (a length byte, then that many bytes; an
// empty block ends them). A full table keeps its 12-bit codes until the next clear code. Minimum code
// sizes 0 and 1, which encoders rarely write, decode as the other sizes do (the code after a clear
// is already one bit wider for them).
class LzwDecoder {
  public:
    static constexpr uint32_t kMaxMinimumCodeSize = 8;

    // Reads the image's data through in. False (and nothing decodes) for a minimum code size above 8.
    bool Start(ByteReader& in, uint32_t minimumCodeSize);
    // Writes up to count pixel values to out and answers how many it wrote. Fewer than count means the
    // data has ended (end code or no more data) or is bad (Failed()).
    size_t Read(uint8_t* out, size_t count);
    // A code past the table was met: the data is not a valid image.
    bool Failed() const { return failed_; }

  private:
    static constexpr uint32_t kMaxCodeBits = 12;
    static constexpr uint32_t kTableSize = 1u << kMaxCodeBits;
    static constexpr uint32_t kMaxBlockBytes = 255;
    static constexpr uint16_t kNoCode = 0xFFFF;

    void Reset();
    bool NextDataByte(uint8_t& out);
    bool NextCode(uint32_t& code);
    // Decodes the next code onto the output stack; false at the end of the data or on a bad code.
    bool DecodeCode();

    ByteReader* in_ = nullptr;
    uint8_t block_[kMaxBlockBytes];
    uint32_t blockAt_ = 0;
    uint32_t blockSize_ = 0;
    bool dataEnded_ = true;
    bool ended_ = true;
    bool failed_ = false;
    uint32_t bitBuffer_ = 0;
    uint32_t bitCount_ = 0;

    uint32_t minimumCodeSize_ = 0;
    uint32_t clearCode_ = 0;
    uint32_t endCode_ = 0;
    uint32_t codeBits_ = 0;
    uint32_t nextCode_ = 0;
    uint16_t previous_ = kNoCode;
    uint16_t prefix_[kTableSize];
    uint8_t suffix_[kTableSize];
    uint8_t first_[kTableSize];
    // One decoded string, last value at the bottom: values leave from the top.
    uint8_t stack_[kTableSize];
    uint32_t stackSize_ = 0;
};
