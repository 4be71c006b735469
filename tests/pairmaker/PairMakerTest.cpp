#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "pairmaker/PairMaker.h"
#include "pairmaker/PairMaking.h"
#include "tests/support/TestFiles.h"
#include "tools/packgen/JpegIo.h"
#include "tools/packgen/PairGenerator.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {
constexpr int64_t kMonday = 20794; // 2026-12-07: the easiest pairs
constexpr auto kPatience = 120s;   // a slow machine shared with other builds

// Polls as the game's frames do, until the pair is taken or patience runs out.
bool TakeWithin(PairMaker& maker, const MadePairKey& key, MadePair& into) {
    const auto until = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < until) {
        if (maker.Take(key, into)) return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

bool MadeWithin(const PairMaker& maker, int pairs) {
    const auto until = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < until) {
        const PairMaker::Figures f = maker.Snapshot();
        if (f.made + f.fromCache >= pairs) return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

MadePair Sized() {
    MadePair pair;
    pair.Reserve();
    return pair;
}

// The pair as the generator draws it from the day's request, decoded.
void Expected(const MadePairKey& key, RgbImage& picture, MapRecords& map) {
    const PairRequest r = RequestFor(key);
    GeneratedPair pair;
    std::string error;
    ASSERT_TRUE(GeneratePair(r.theme, r.difficulty, r.seed, pair, error)) << error;
    ASSERT_TRUE(DecodeJpeg(pair.jpeg, 640, picture, error)) << error;
    map = pair.map;
}
} // namespace

TEST(PairMaker, NothingIsMadeOrTakenBeforeItIsAskedFor) {
    PairMaker maker("");
    MadePair pair = Sized();
    EXPECT_FALSE(maker.Take({MadeStream::Endless, kMonday, 0}, pair));
    EXPECT_EQ(maker.Snapshot().made, 0);
    EXPECT_EQ(maker.TodayStars(kMonday), 1);
    EXPECT_EQ(maker.TodayStars(kMonday + 6), 5);
}

// The first three stages are made ahead without being taken; each taken pair is the generator's own,
// swapped into the game's buffer, and kept in the cache folder, from which a second maker takes it.
TEST(PairMaker, MakesThreeAheadVerifiedAndKeepsThemForTheNextRun) {
    TempDir dir;
    const MadePairKey first{MadeStream::Endless, kMonday, 0};
    {
        PairMaker maker(dir.Path("made"));
        maker.Prepare(MadeStream::Endless, kMonday, 0);
        ASSERT_TRUE(MadeWithin(maker, PairMaker::kAhead));
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(maker.Snapshot().made, PairMaker::kAhead) << "no more than kAhead before one is taken";
        MadePair pair = Sized();
        const uint8_t* before = pair.rgb.data();
        for (int i = 0; i < PairMaker::kAhead; ++i)
            ASSERT_TRUE(maker.Take({MadeStream::Endless, kMonday, i}, pair)) << i;
        EXPECT_NE(pair.rgb.data(), before) << "buffers are swapped, not copied";
        EXPECT_EQ(pair.rgb.size(), MadePair::kRgbBytes);
        EXPECT_EQ(pair.key.index, PairMaker::kAhead - 1);
        EXPECT_FALSE(maker.Take(first, pair)) << "a taken pair is gone";
        EXPECT_EQ(maker.Snapshot().taken, PairMaker::kAhead);
        EXPECT_EQ(maker.Snapshot().failed, 0);
    }
    EXPECT_TRUE(fs::exists(dir.Path("made/" + PairCache::StemFor(first) + ".jpg")));

    PairMaker again(dir.Path("made"));
    again.Prepare(MadeStream::Endless, kMonday, 0);
    MadePair pair = Sized();
    ASSERT_TRUE(TakeWithin(again, first, pair));
    EXPECT_GE(again.Snapshot().fromCache, 1);
    RgbImage picture;
    MapRecords map{};
    Expected(first, picture, map);
    EXPECT_EQ(pair.rgb, picture.pixels);
    EXPECT_EQ(pair.map, map);
}

TEST(PairMaker, ADamagedOrUnfairCachedPairIsDrawnAgain) {
    TempDir dir;
    const MadePairKey key{MadeStream::Today, kMonday, 4};
    const PairCache cache(dir.Path("made"));
    std::string error;
    RgbImage picture;
    MapRecords map{};
    Expected(key, picture, map);
    // A fair picture under a map that points elsewhere: the verifier refuses it.
    MapRecords wrong = map;
    std::swap(wrong[0], wrong[1]);
    wrong[0].left += 40;
    wrong[0].right += 40;
    ASSERT_TRUE(cache.Store(key, EncodeJpeg(picture, kPackJpegQuality), wrong, error)) << error;

    PairMaker maker(dir.Path("made"));
    maker.Prepare(MadeStream::Today, kMonday, key.index);
    MadePair pair = Sized();
    ASSERT_TRUE(TakeWithin(maker, key, pair));
    EXPECT_EQ(maker.Snapshot().fromCache, 0);
    EXPECT_EQ(pair.map, map);
    std::vector<uint8_t> jpeg;
    MapRecords kept{};
    ASSERT_TRUE(cache.Load(key, jpeg, kept));
    EXPECT_EQ(kept, map) << "the cache holds the pair drawn again";
}

TEST(PairMaker, AskingForAnotherStreamDropsWhatWasMadeForTheFirst) {
    PairMaker maker("");
    maker.Prepare(MadeStream::Endless, kMonday, 0);
    ASSERT_TRUE(MadeWithin(maker, 1));
    maker.Prepare(MadeStream::Today, kMonday, 0);
    MadePair pair = Sized();
    ASSERT_TRUE(TakeWithin(maker, {MadeStream::Today, kMonday, 0}, pair));
    EXPECT_FALSE(maker.Take({MadeStream::Endless, kMonday, 0}, pair));
}

TEST(PairMaker, TodaysPackEndsAtItsTenthPair) {
    PairMaker maker("");
    maker.Prepare(MadeStream::Today, kMonday, kTodayPackPairs - 1);
    MadePair pair = Sized();
    ASSERT_TRUE(TakeWithin(maker, {MadeStream::Today, kMonday, kTodayPackPairs - 1}, pair));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(maker.Snapshot().made, 1) << "nothing past the pack";
}

TEST(PairMaker, AnUnsizedBufferTakesNothing) {
    PairMaker maker("");
    maker.Prepare(MadeStream::Endless, kMonday, 0);
    ASSERT_TRUE(MadeWithin(maker, 1));
    MadePair unsized;
    EXPECT_FALSE(maker.Take({MadeStream::Endless, kMonday, 0}, unsized));
    MadePair pair = Sized();
    EXPECT_TRUE(maker.Take({MadeStream::Endless, kMonday, 0}, pair));
}

// The worker is joined when the maker goes, also in the middle of a pair: it stops at the next scene.
TEST(PairMaker, GoingAwayWhileMakingStopsAndJoinsTheWorkerSoon) {
    const auto start = std::chrono::steady_clock::now();
    {
        PairMaker maker("");
        maker.Prepare(MadeStream::Endless, kMonday, 30); // five-star pairs, the slowest
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}
