#include "tests/conformance/CorpusNotes.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {
std::string Key(const fs::path& p) {
    std::error_code ec;
    return fs::weakly_canonical(p, ec).string();
}

// The text of the first `...` span of s, or empty.
std::string FirstCode(const std::string& s) {
    const size_t open = s.find('`');
    if (open == std::string::npos) return {};
    const size_t close = s.find('`', open + 1);
    return close == std::string::npos ? std::string() : s.substr(open + 1, close - open - 1);
}

std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells;
    size_t at = row.find('|');
    while (at != std::string::npos) {
        const size_t next = row.find('|', at + 1);
        if (next == std::string::npos) break;
        cells.push_back(row.substr(at + 1, next - at - 1));
        at = next;
    }
    return cells;
}

// "accept ...", "refuse ...", "either ..."; a row that allows both is either.
Expect ParseExpect(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    text.erase(0, text.find_first_not_of(' '));
    const bool accept = text.find("accept") != std::string::npos;
    const bool refuse = text.find("refuse") != std::string::npos;
    if (text.rfind("either", 0) == 0 || (accept && refuse)) return Expect::Either;
    if (text.rfind("accept", 0) == 0) return Expect::Accept;
    if (text.rfind("refuse", 0) == 0) return Expect::Refuse;
    return Expect::Unknown;
}
} // namespace

void CorpusNotes::Parse(const fs::path& readme) {
    std::ifstream in(readme);
    std::string line, section;
    // Tables: | file | facts | exercises | expect | reference | ...
    constexpr size_t kFileCell = 0, kExpectCell = 3, kReferenceCell = 4;
    while (std::getline(in, line)) {
        if (line.rfind("#", 0) == 0) {
            const std::string folder = FirstCode(line);
            section = !folder.empty() && folder.back() == '/' ? folder : std::string();
            continue;
        }
        if (section.empty() || line.rfind("| `", 0) != 0) continue;
        const std::vector<std::string> cells = Cells(line);
        if (cells.size() <= kReferenceCell) continue;
        const fs::path folder = readme.parent_path() / section;
        CorpusNote note;
        note.expect = ParseExpect(cells[kExpectCell]);
        if (const std::string ref = FirstCode(cells[kReferenceCell]); !ref.empty())
            note.reference = folder / ref;
        rows_[Key(folder / FirstCode(cells[kFileCell]))] = note;
    }
}

CorpusNote CorpusNotes::For(const fs::path& file) {
    std::error_code ec;
    for (fs::path dir = fs::absolute(file, ec).parent_path(); !dir.empty(); dir = dir.parent_path()) {
        const fs::path readme = dir / "README.md";
        if (fs::is_regular_file(readme, ec) && parsed_.insert(Key(readme)).second) Parse(readme);
        if (dir == dir.root_path()) break;
    }
    const auto it = rows_.find(Key(file));
    return it == rows_.end() ? CorpusNote{} : it->second;
}

const char* ExpectName(Expect e) {
    switch (e) {
    case Expect::Accept:
        return "accept";
    case Expect::Refuse:
        return "refuse";
    case Expect::Either:
        return "either";
    default:
        return "no note";
    }
}
