#pragma once
// What the corpus README says of each file: the "expect" column (accept, refuse or either) and the
// reference decoding it names. Files outside a corpus with such a README have no note.
#include <filesystem>
#include <map>
#include <set>
#include <string>

enum class Expect { Unknown, Accept, Refuse, Either };

struct CorpusNote {
    Expect expect = Expect::Unknown;
    std::filesystem::path reference; // empty when the row names none
};

class CorpusNotes {
  public:
    // The row for file, from the README.md of its folder or of a folder above it.
    CorpusNote For(const std::filesystem::path& file);

  private:
    void Parse(const std::filesystem::path& readme);

    std::set<std::string> parsed_;
    std::map<std::string, CorpusNote> rows_;
};

const char* ExpectName(Expect e);
