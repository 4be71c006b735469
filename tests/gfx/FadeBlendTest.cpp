#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "game/gfx/FadeBlend.h"
#include "game/gfx/FadeTables.h"

namespace {
// Every 16-bit value on each side, the other side a different value, and a few pixels more so that the
// kernels' tails after their last full vector are covered too.
constexpr size_t kPixels = kFadeValues + 13;

const FadeBlendKernel* KernelNamed(const std::string& name) {
    for (const FadeBlendKernel& k : FadeBlendKernels())
        if (name == k.name) return &k;
    return nullptr;
}

class FadeBlendEquality : public ::testing::TestWithParam<std::tuple<PixelLayout, std::string>> {};

// The per-component arithmetic gives exactly the tables' sums: every level, every value, both layouts.
TEST_P(FadeBlendEquality, EqualsTheTablesForEveryLevelAndValue) {
    const auto& [layout, name] = GetParam();
    const FadeBlendKernel* kernel = KernelNamed(name);
    if (!kernel) GTEST_SKIP() << name << " is not supported by this processor";
    const PixelConversion pc = ConversionFor(layout);
    std::vector<uint16_t> tables;
    FillFadeTables(tables, pc);
    std::vector<uint16_t> a(kPixels), b(kPixels), out(kPixels), expected(kPixels);
    for (size_t i = 0; i < kPixels; ++i) {
        a[i] = static_cast<uint16_t>(i);
        b[i] = static_cast<uint16_t>(i * 40503 + 12345); // an odd multiplier visits every value once
    }
    for (int k = 0; k < kFadeLevels; ++k) {
        const uint16_t* mine = tables.data() + size_t(k) * kFadeValues;
        const uint16_t* theirs = tables.data() + size_t(kFadeTopLevel - k) * kFadeValues;
        for (size_t i = 0; i < kPixels; ++i) expected[i] = static_cast<uint16_t>(mine[a[i]] + theirs[b[i]]);
        BlendLevelsWith(*kernel, pc, k, a.data(), b.data(), out.data(), kPixels);
        for (size_t i = 0; i < kPixels; ++i)
            ASSERT_EQ(out[i], expected[i]) << "level " << k << " a " << a[i] << " b " << b[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Kernels, FadeBlendEquality,
                         ::testing::Combine(::testing::Values(PixelLayout::Rgb565, PixelLayout::Rgb555),
                                            ::testing::Values("portable", "sse2", "avx2")),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) == PixelLayout::Rgb565 ? "565_"
                                                                                               : "555_") +
                                    std::get<1>(info.param);
                         });

TEST(FadeBlend, PortableKernelIsAlwaysThereAndTheFastestIsChosenLast) {
    const auto& kernels = FadeBlendKernels();
    ASSERT_FALSE(kernels.empty());
    EXPECT_EQ(std::string(kernels.front().name), "portable");
#if defined(__x86_64__)
    EXPECT_NE(KernelNamed("sse2"), nullptr);
#endif
}

// A blend that starts in the middle of the buffers and writes into one of its inputs, as a caller that
// blends a part of a screen in place would.
TEST(FadeBlend, OddStartAndLengthInPlace) {
    const PixelConversion pc = ConversionFor(PixelLayout::Rgb565);
    std::vector<uint16_t> tables;
    FillFadeTables(tables, pc);
    for (const FadeBlendKernel& kernel : FadeBlendKernels()) {
        std::vector<uint16_t> a(100), b(100);
        for (size_t i = 0; i < a.size(); ++i) {
            a[i] = static_cast<uint16_t>(0xFFFF - i * 611);
            b[i] = static_cast<uint16_t>(i * 977);
        }
        const std::vector<uint16_t> original = a;
        BlendLevelsWith(kernel, pc, 9, a.data() + 3, b.data() + 5, a.data() + 3, 41);
        for (size_t i = 0; i < a.size(); ++i) {
            const bool blended = i >= 3 && i < 44;
            const uint16_t want = blended ? static_cast<uint16_t>(tables[9 * kFadeValues + original[i]] +
                                                                  tables[22 * kFadeValues + b[i + 2]])
                                          : original[i];
            ASSERT_EQ(a[i], want) << kernel.name << " pixel " << i;
        }
    }
}
} // namespace
