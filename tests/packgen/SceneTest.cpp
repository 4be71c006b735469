#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "tools/packgen/ArtKit.h"
#include "tools/packgen/DifferenceMaker.h"
#include "tools/packgen/KindTable.h"
#include "tools/packgen/PackList.h"
#include "tools/packgen/Renderer.h"
#include "tools/packgen/SceneComposer.h"
#include "tools/packgen/Theme.h"
#include "tools/pairs/PairLayout.h"

namespace {
constexpr int kMinObjects = 25;

int Shown(const Scene& scene) {
    return int(std::count_if(scene.objects.begin(), scene.objects.end(),
                             [](const SceneObject& o) { return o.visible; }));
}

// Ink pixels of a text drawn dark on white, as a string of '#' and '.' per pixel.
std::string TextBitmap(std::string_view text) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 120, 30);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    Text({cr, 1.0}, 60, 25, 18, text, kBlack);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    std::string bits;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 120; ++x)
            bits += data[y * cairo_image_surface_get_stride(surface) + x * 4] < 128 ? '#' : '.';
    }
    cairo_surface_destroy(surface);
    return bits;
}
} // namespace

class EveryTheme : public testing::TestWithParam<int> {};

TEST_P(EveryTheme, ComposesDenseScenesWithSparesToAdd) {
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        Rng rng(seed * 7919 + uint64_t(GetParam()));
        const Scene scene = ComposeScene(GetParam(), rng);
        EXPECT_GE(Shown(scene), kMinObjects) << Themes()[GetParam()].name << " seed " << seed;
        EXPECT_LT(Shown(scene), int(scene.objects.size())) << "no hidden object for an addition";
    }
}

TEST_P(EveryTheme, MakesAHardPairOfSmallDifferences) {
    for (uint64_t seed = 3; seed < 3 + 40; ++seed) {
        Rng rng(seed);
        PairPlan plan;
        if (!MakeDifferences(ComposeScene(GetParam(), rng), kMaxDifficulty, rng, plan)) continue;
        for (const MapRect& r : plan.map) {
            EXPECT_LE((r.right - r.left + 1) * (r.bottom - r.top + 1), pair_layout::kPictureWidth * 40)
                << Themes()[GetParam()].name;
        }
        return;
    }
    ADD_FAILURE() << Themes()[GetParam()].name << ": no scene of 40 had room for five hard differences";
}

INSTANTIATE_TEST_SUITE_P(Themes, EveryTheme, testing::Range(0, int(Themes().size())),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(Themes()[info.param].name);
                         });

TEST(DifferenceKinds, EveryKindOccursAcrossThemesAndLevels) {
    std::set<DifferenceKind> seen;
    for (int theme = 0; theme < int(Themes().size()); ++theme) {
        const int level = 2 + theme % 3;
        Rng rng(uint64_t(theme * 31 + level));
        PairPlan plan;
        if (MakeDifferences(ComposeScene(theme, rng), level, rng, plan)) {
            seen.insert(plan.kinds.begin(), plan.kinds.end());
        }
    }
    for (int k = 0; k < kDifferenceKinds; ++k) {
        EXPECT_TRUE(seen.count(DifferenceKind(k))) << KindName(DifferenceKind(k));
    }
}

TEST(DifferenceKinds, NamesAreDistinct) {
    std::set<std::string_view> names;
    for (int k = 0; k < kDifferenceKinds; ++k) names.insert(KindName(DifferenceKind(k)));
    EXPECT_EQ(names.size(), size_t(kDifferenceKinds));
}

TEST(Text, EveryLabelDrawsAndTellsItselfApart) {
    std::set<std::string> drawings;
    const std::string blank = TextBitmap("");
    for (int label = 0; label < kLabels; ++label) {
        for (const std::string& text : {std::string(Word(label)), Number(label)}) {
            const std::string bits = TextBitmap(text);
            EXPECT_NE(bits, blank) << text;
            drawings.insert(bits);
        }
    }
    std::set<std::string> texts;
    for (int label = 0; label < kLabels; ++label) texts.insert({std::string(Word(label)), Number(label)});
    EXPECT_EQ(drawings.size(), texts.size()) << "two different texts look the same";
}

TEST(Text, EveryLetterAndDigitHasStrokes) {
    const std::string blank = TextBitmap("");
    for (char c = 'A'; c <= 'Z'; ++c) EXPECT_NE(TextBitmap(std::string(1, c)), blank) << c;
    for (char c = '0'; c <= '9'; ++c) EXPECT_NE(TextBitmap(std::string(1, c)), blank) << c;
    EXPECT_NE(TextBitmap("O"), TextBitmap("0"));
}

struct ListCase {
    const char* text;
    size_t rows; // expected rows, or 0 for an error
};

class PackListRows : public testing::TestWithParam<ListCase> {};

TEST_P(PackListRows, ReadsRowsOrNamesTheWrongLine) {
    std::istringstream in(GetParam().text);
    std::vector<NamedRequest> rows;
    std::string error;
    const bool ok = ReadPackList(in, rows, error);
    EXPECT_EQ(ok, GetParam().rows > 0) << error;
    if (ok) {
        EXPECT_EQ(rows.size(), GetParam().rows);
    } else {
        EXPECT_NE(error.find("line "), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, PackListRows,
                         testing::Values(ListCase{"01_park park 1 1001\n", 1},
                                         ListCase{"# comment\n\n01_a park 1 1\n02_b mixed 5 2\n", 2},
                                         ListCase{"01_park jungle 1 1\n", 0},
                                         ListCase{"01_park park 6 1\n", 0}, ListCase{"01_park park 0 1\n", 0},
                                         ListCase{"01_park park 1\n", 0}, ListCase{"01_park park 1 -4\n", 0},
                                         ListCase{"01_park park 1 1 extra\n", 0},
                                         ListCase{"01_park park x 1\n", 0}));

TEST(PackList, TheBundledListHasEveryThemeAndRisesInDifficulty) {
    std::ifstream in(ZOR_SOURCE_DIR "/tools/packgen/bundled-packs.txt");
    std::vector<NamedRequest> rows;
    std::string error;
    ASSERT_TRUE(ReadPackList(in, rows, error)) << error;
    std::set<int> themes;
    int stars = kMinDifficulty;
    for (size_t i = 0; i < rows.size(); ++i) {
        themes.insert(rows[i].request.theme);
        EXPECT_GE(rows[i].request.difficulty, stars) << rows[i].stem;
        stars = rows[i].request.difficulty;
        if (i > 0) {
            EXPECT_LT(rows[i - 1].stem, rows[i].stem) << "the game lists packs in name order";
        }
    }
    EXPECT_EQ(themes.size(), Themes().size());
    EXPECT_EQ(stars, kMaxDifficulty);
}
