#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/Language.h"

namespace {
std::map<std::string, std::string> gEnvironment;

const char* Lookup(const char* name) {
    const auto it = gEnvironment.find(name);
    return it == gEnvironment.end() ? nullptr : it->second.c_str();
}

struct EnvironmentCase {
    std::map<std::string, std::string> variables;
    Language expected;
};
class LanguageRule : public ::testing::TestWithParam<EnvironmentCase> {};
} // namespace

TEST_P(LanguageRule, FirstEntryNamingKoreanOrEnglishWins) {
    gEnvironment = GetParam().variables;
    EXPECT_EQ(LanguageFromEnvironment(Lookup), GetParam().expected);
}

constexpr Language K = Language::Korean, E = Language::English;
INSTANTIATE_TEST_SUITE_P(
    Rows, LanguageRule,
    ::testing::Values(EnvironmentCase{{}, K}, // nothing set
                      EnvironmentCase{{{"LANG", "C"}}, K}, EnvironmentCase{{{"LANG", "POSIX"}}, K},
                      EnvironmentCase{{{"LANG", "C.UTF-8"}}, K},
                      EnvironmentCase{{{"LANG", "de_DE.UTF-8"}}, K},
                      EnvironmentCase{{{"LANG", "en_US.UTF-8"}}, E}, EnvironmentCase{{{"LANG", "en"}}, E},
                      EnvironmentCase{{{"LANG", "en_GB@euro"}}, E},
                      EnvironmentCase{{{"LANG", "ko_KR.eucKR"}}, K},
                      EnvironmentCase{{{"LANG", "eng"}}, K},   // a language part of three letters
                      EnvironmentCase{{{"LANG", "EN_US"}}, K}, // language parts are lower case
                      EnvironmentCase{{{"LANG", ""}}, K},
                      // LC_ALL before LC_MESSAGES before LANG
                      EnvironmentCase{{{"LC_ALL", "ko_KR.UTF-8"}, {"LANG", "en_US.UTF-8"}}, K},
                      EnvironmentCase{{{"LC_MESSAGES", "en_US"}, {"LANG", "ko_KR"}}, E},
                      EnvironmentCase{{{"LC_ALL", "en_US"}, {"LC_MESSAGES", "ko_KR"}}, E},
                      // a variable that names neither passes the choice on
                      EnvironmentCase{{{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}, E},
                      EnvironmentCase{{{"LC_ALL", "fr_FR"}, {"LC_MESSAGES", "de_DE"}}, K},
                      // LANGUAGE first, each entry of its list in turn
                      EnvironmentCase{{{"LANGUAGE", "en"}, {"LC_ALL", "ko_KR.UTF-8"}}, E},
                      EnvironmentCase{{{"LANGUAGE", "fr:en_GB:ko"}, {"LANG", "ko_KR"}}, E},
                      EnvironmentCase{{{"LANGUAGE", "de:fr"}, {"LANG", "en_US"}}, E},
                      EnvironmentCase{{{"LANGUAGE", "::ko:"}, {"LANG", "en_US"}}, K}));

TEST(LanguageOption, OverridesTheEnvironmentOnlyWithAKnownCode) {
    gEnvironment = {{"LANG", "en_US.UTF-8"}};
    EXPECT_EQ(ChooseLanguage("ko", Lookup), K);
    EXPECT_EQ(ChooseLanguage("", Lookup), E);
    gEnvironment = {};
    EXPECT_EQ(ChooseLanguage("en", Lookup), E);
    Language language = K;
    for (const char* bad : {"", "EN", "en_US", "english", "k"})
        EXPECT_FALSE(ParseLanguageCode(bad, language)) << bad;
    EXPECT_STREQ(LanguageCode(E), "en");
    EXPECT_STREQ(LanguageCode(K), "ko");
}
