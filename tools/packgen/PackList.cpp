#include "tools/packgen/PackList.h"

#include <sstream>

#include "tools/packgen/DifferenceMaker.h"
#include "tools/packgen/Theme.h"

bool ReadPackList(std::istream& in, std::vector<NamedRequest>& rows, std::string& error) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::istringstream fields(line);
        NamedRequest row;
        std::string theme, extra;
        long long difficulty = 0, seed = -1;
        if (!(fields >> row.stem) || row.stem[0] == '#') continue;
        const bool read = bool(fields >> theme >> difficulty >> seed) && !(fields >> extra);
        row.request.theme = theme == "mixed" ? kMixedThemes : FindTheme(theme);
        if (!read || (row.request.theme < 0 && theme != "mixed") || difficulty < kMinDifficulty ||
            difficulty > kMaxDifficulty || seed < 0) {
            error = "line " + std::to_string(number) + ": expected STEM THEME DIFFICULTY SEED, got '" + line +
                    "'";
            return false;
        }
        row.request.difficulty = int(difficulty);
        row.request.seed = uint64_t(seed);
        rows.push_back(row);
    }
    return true;
}
