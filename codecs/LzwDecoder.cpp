#include "codecs/LzwDecoder.h"

#include "codecs/ByteReader.h"

bool LzwDecoder::Start(ByteReader& in, uint32_t minimumCodeSize) {
    in_ = &in;
    blockAt_ = blockSize_ = 0;
    bitBuffer_ = bitCount_ = 0;
    stackSize_ = 0;
    failed_ = false;
    if (minimumCodeSize > kMaxMinimumCodeSize) {
        failed_ = ended_ = dataEnded_ = true;
        return false;
    }
    ended_ = dataEnded_ = false;
    minimumCodeSize_ = minimumCodeSize;
    clearCode_ = 1u << minimumCodeSize;
    endCode_ = clearCode_ + 1;
    for (uint32_t v = 0; v < clearCode_; ++v) {
        prefix_[v] = kNoCode;
        suffix_[v] = first_[v] = uint8_t(v);
    }
    Reset();
    return true;
}

void LzwDecoder::Reset() {
    codeBits_ = minimumCodeSize_ + 1;
    nextCode_ = clearCode_ + 2;
    previous_ = kNoCode;
}

bool LzwDecoder::NextDataByte(uint8_t& out) {
    if (blockAt_ == blockSize_) {
        uint8_t length = 0;
        if (dataEnded_ || !in_->Byte(length) || length == 0) {
            dataEnded_ = true;
            return false;
        }
        // A block cut short by the end of the file still gives the bytes it has.
        blockSize_ = uint32_t(in_->ReadUpTo(block_, length));
        blockAt_ = 0;
        if (blockSize_ < length) dataEnded_ = true;
        if (blockSize_ == 0) return false;
    }
    out = block_[blockAt_++];
    return true;
}

bool LzwDecoder::NextCode(uint32_t& code) {
    while (bitCount_ < codeBits_) {
        uint8_t byte = 0;
        if (!NextDataByte(byte)) return false;
        bitBuffer_ |= uint32_t(byte) << bitCount_;
        bitCount_ += 8;
    }
    code = bitBuffer_ & ((1u << codeBits_) - 1);
    bitBuffer_ >>= codeBits_;
    bitCount_ -= codeBits_;
    return true;
}

bool LzwDecoder::DecodeCode() {
    for (;;) {
        uint32_t code = 0;
        if (!NextCode(code) || code == endCode_) return false;
        if (code == clearCode_) {
            Reset();
            continue;
        }
        // Known codes, and the one about to be made (its string is the previous one plus its own first
        // value).
        if (code > nextCode_ || (code == nextCode_ && previous_ == kNoCode) || code >= kTableSize) {
            failed_ = true;
            return false;
        }
        if (previous_ != kNoCode && nextCode_ < kTableSize) {
            prefix_[nextCode_] = previous_;
            first_[nextCode_] = first_[previous_];
            suffix_[nextCode_] = code == nextCode_ ? first_[previous_] : first_[code];
            ++nextCode_;
        }
        // The encoder adds an entry with every code it writes, the first after a clear included; the
        // decoder learns that entry one code later, so it widens on the count of codes read, not on
        // the entries it has made. Only code sizes 0 and 1 reach the width limit on the first code.
        if (nextCode_ >= (1u << codeBits_) && codeBits_ < kMaxCodeBits) ++codeBits_;
        previous_ = uint16_t(code);
        for (uint32_t c = code; c != kNoCode; c = prefix_[c]) stack_[stackSize_++] = suffix_[c];
        return true;
    }
}

size_t LzwDecoder::Read(uint8_t* out, size_t count) {
    size_t done = 0;
    while (done < count) {
        if (stackSize_ == 0) {
            if (ended_) break;
            if (!DecodeCode()) {
                ended_ = true;
                break;
            }
        }
        while (stackSize_ > 0 && done < count) out[done++] = stack_[--stackSize_];
    }
    return done;
}
