#pragma once
#include <gtest/gtest.h>

#include "tools/packgen/JpegIo.h"
#include "tools/packgen/PairGenerator.h"
#include "tools/packgen/Theme.h"

// One generated pair, made once for the whole test program.
inline const GeneratedPair& SamplePair() {
    static const GeneratedPair pair = [] {
        GeneratedPair p;
        std::string error;
        EXPECT_TRUE(GeneratePair(FindTheme("park"), 3, 42, p, error)) << error;
        return p;
    }();
    return pair;
}

inline RgbImage Decode(const std::vector<uint8_t>& jpeg) {
    RgbImage image;
    std::string error;
    EXPECT_TRUE(DecodeJpeg(jpeg, 640, image, error)) << error;
    return image;
}
