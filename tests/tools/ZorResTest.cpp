#include "tools/zor_res/ZorRes.h"

#include <gtest/gtest.h>
#include <sstream>

#include "tests/support/TestFiles.h"
#include "tools/common/ArchiveWriter.h"

namespace {
class ZorResTest : public ::testing::Test {
  protected:
    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return RunZorRes(args, out, err);
    }
    std::string In(const std::string& name, const std::string& text) {
        return dir.Write(name, std::vector<uint8_t>(text.begin(), text.end()));
    }
    TempDir dir;
    std::ostringstream out, err;
};

TEST_F(ZorResTest, CreateListExtractRoundTrip) {
    const std::string longName(27, 'n');
    const auto a = In("loading.pcx", "pcx bytes");
    const auto b = In(longName + ".bmp", "");
    const auto c = In("Title.BMP", "bmp");
    const auto res = dir.Path("zor.res");
    ASSERT_EQ(Run({"create", res, a, b, c}), 0) << err.str();
    ASSERT_EQ(Run({"list", res}), 0);
    EXPECT_EQ(out.str(), "0\tloading.pcx\t0\t9\n1\t" + longName + ".bmp\t9\t0\n2\tTitle.BMP\t9\t3\n");

    std::filesystem::create_directory(dir.Path("all"));
    ASSERT_EQ(Run({"extract", res, "-C", dir.Path("all")}), 0) << err.str();
    EXPECT_EQ(ReadAll(dir.Path("all/loading.pcx")), ReadAll(a));
    EXPECT_EQ(ReadAll(dir.Path("all/" + longName + ".bmp")).size(), 0u);
    EXPECT_EQ(ReadAll(dir.Path("all/Title.BMP")), ReadAll(c));

    std::filesystem::create_directory(dir.Path("one"));
    ASSERT_EQ(Run({"extract", res, "title.bmp", "-C", dir.Path("one")}), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.Path("one/Title.BMP")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("one/loading.pcx")));
    EXPECT_EQ(Run({"extract", res, "absent.bmp", "-C", dir.Path("one")}), 1);
    EXPECT_NE(err.str().find("absent.bmp"), std::string::npos);
}

struct ExitRow {
    const char* label;
    std::vector<std::string> args; // "@name" is a file of that name in the scratch directory
    int status;
};
class ZorResExit : public ZorResTest, public ::testing::WithParamInterface<ExitRow> {};

TEST_P(ZorResExit, AnswersItsExitStatus) {
    In("a.bin", "x");
    In("A.BIN", "y");
    In(std::string(32, 'm'), "z");
    std::vector<std::string> args;
    for (const std::string& arg : GetParam().args)
        args.push_back(arg[0] == '@' ? dir.Path(arg.substr(1)) : arg);
    EXPECT_EQ(Run(args), GetParam().status);
    if (GetParam().status != 0) {
        EXPECT_FALSE(err.str().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ZorResExit,
    ::testing::Values(ExitRow{"help", {"--help"}, 0}, ExitRow{"no_command", {}, 2},
                      ExitRow{"unknown_command", {"pack"}, 2},
                      ExitRow{"create_without_files", {"create", "@o"}, 2},
                      ExitRow{"list_two_archives", {"list", "@a", "@b"}, 2},
                      ExitRow{"extract_dangling_C", {"extract", "@a.bin", "-C"}, 2},
                      ExitRow{"name_of_32_bytes", {"create", "@o", "@" + std::string(32, 'm')}, 1},
                      ExitRow{"duplicate_without_case", {"create", "@o", "@a.bin", "@A.BIN"}, 1},
                      ExitRow{"missing_input", {"create", "@o", "@nothing"}, 1},
                      ExitRow{"list_not_an_archive", {"list", "@a.bin"}, 1}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ZorResTest, RefusesAFiveHundredAndFirstEntry) {
    std::vector<std::string> args{"create", dir.Path("big.res")};
    for (int i = 0; i < 501; ++i) args.push_back(In("f" + std::to_string(i), ""));
    EXPECT_EQ(Run(args), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("big.res")));
    args.pop_back();
    EXPECT_EQ(Run(args), 0);
}

// A stored name that would leave the target directory is never used as a path.
TEST_F(ZorResTest, ExtractSkipsUnsafeStoredNames) {
    ArchiveWriter w;
    w.Add("../escape", {1});
    w.Add("fine", {2});
    const auto res = dir.Write("evil.res", w.Build());
    std::filesystem::create_directory(dir.Path("x"));
    EXPECT_EQ(Run({"extract", res, "-C", dir.Path("x")}), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("escape")));
    EXPECT_TRUE(std::filesystem::exists(dir.Path("x/fine")));
}
} // namespace
