#include "tools/soundgen/Notation.h"

#include <sstream>

namespace soundgen {

namespace {
constexpr int kMajorSteps[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kMinorSteps[7] = {0, 2, 3, 5, 7, 8, 10};
constexpr int kDominantDegree = 4;
constexpr int kLeadingToneDegree = 6;

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

std::vector<std::string> Tokens(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> out;
    for (std::string t; in >> t;) out.push_back(t);
    return out;
}

// Reads "[#b]digit" at the front of token; answers the characters used, 0 when there is none.
size_t ReadDegree(const std::string& token, int& degree, int& alteration) {
    size_t i = 0;
    alteration = 0;
    if (i < token.size() && (token[i] == '#' || token[i] == 'b')) alteration = token[i++] == '#' ? 1 : -1;
    if (i >= token.size() || token[i] < '1' || token[i] > '7') return 0;
    degree = token[i++] - '1';
    return i;
}

bool ParseChord(const std::string& token, ChordSymbol& chord) {
    size_t used = ReadDegree(token, chord.degree, chord.alteration);
    if (used == 0) return false;
    chord.seventh = used < token.size() && token[used] == '^';
    if (chord.seventh) ++used;
    return used == token.size();
}
} // namespace

int DegreePitch(const Key& key, int degree, int alteration) {
    const int octave = FloorDiv(degree, 7);
    const int step = degree - octave * 7;
    const int* steps = key.minor ? kMinorSteps : kMajorSteps;
    return key.tonic + octave * 12 + steps[step] + alteration;
}

bool ParseGrid(std::string_view text, std::vector<GridNote>& notes, uint32_t& units, std::string& error) {
    notes.clear();
    units = 0;
    bool holding = false;
    for (const std::string& token : Tokens(text)) {
        if (token == "|") continue;
        if (token == "-") {
            if (!holding) {
                error = "a hold with no note before it at unit " + std::to_string(units);
                return false;
            }
            ++notes.back().length;
        } else if (token == ".") {
            holding = false;
        } else {
            GridNote n{units, 1, 0, 0};
            size_t used = ReadDegree(token, n.degree, n.alteration);
            if (used == 0) {
                error = "unknown melody token '" + token + "'";
                return false;
            }
            for (; used < token.size(); ++used) {
                if (token[used] == '\'')
                    n.degree += 7;
                else if (token[used] == ',')
                    n.degree -= 7;
                else {
                    error = "unknown melody token '" + token + "'";
                    return false;
                }
            }
            notes.push_back(n);
            holding = true;
        }
        ++units;
    }
    return true;
}

bool ParseChords(std::string_view text, std::vector<std::vector<ChordSymbol>>& bars, std::string& error) {
    bars.clear();
    for (const std::string& token : Tokens(text)) {
        if (token == "|") continue;
        std::vector<ChordSymbol> bar;
        std::string part;
        std::istringstream parts(token);
        while (std::getline(parts, part, '/')) {
            ChordSymbol chord{};
            if (!ParseChord(part, chord)) {
                error = "unknown chord '" + token + "'";
                return false;
            }
            bar.push_back(chord);
        }
        if (bar.empty()) {
            error = "empty chord '" + token + "'";
            return false;
        }
        bars.push_back(bar);
    }
    return true;
}

std::vector<int> ChordPitchClasses(const Key& key, const ChordSymbol& chord) {
    const int root = DegreePitch(key, chord.degree, chord.alteration);
    std::vector<int> pcs;
    if (chord.alteration != 0) {
        pcs = {root, root + 4, root + 7};
        if (chord.seventh) pcs.push_back(root + 10);
    } else {
        for (int k = 0; k < (chord.seventh ? 4 : 3); ++k) {
            const int degree = chord.degree + 2 * k;
            const bool raised =
                key.minor && chord.degree == kDominantDegree && degree % 7 == kLeadingToneDegree;
            pcs.push_back(DegreePitch(key, degree, raised ? 1 : 0));
        }
    }
    for (int& p : pcs) p = ((p % 12) + 12) % 12;
    return pcs;
}

} // namespace soundgen
