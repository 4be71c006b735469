#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace soundgen {

// A key: the tonic's MIDI key number and its mode. Degrees count from 0 (the tonic) upwards and
// may pass the octave (7 is the tonic an octave higher) or go below 0.
struct Key {
    int tonic;
    bool minor;
};

// The key number of a scale degree with a chromatic alteration (−1 flat, +1 sharp).
int DegreePitch(const Key& key, int degree, int alteration);

// One note of a melody written on a grid of equal units.
struct GridNote {
    uint32_t start;  // in units
    uint32_t length; // in units
    int degree;
    int alteration;
};

// Reads a melody on a grid, one token per unit, separated by spaces:
//   1..7   a scale degree, optionally preceded by # or b and followed by ' (octave up) or , (down)
//   -      holds the previous note one more unit
//   .      a unit of rest
//   |      a bar line, ignored
// Answers false (error says where) for an unknown token or a hold with nothing to hold.
bool ParseGrid(std::string_view text, std::vector<GridNote>& notes, uint32_t& units, std::string& error);

// A chord on a scale degree: diatonic in the key (in minor the fifth degree takes the raised
// leading tone), or a major triad on an altered root ("b7"); "^" adds the seventh.
struct ChordSymbol {
    int degree;
    int alteration;
    bool seventh;
};

// The chords of a section, one token per bar; "a/b" splits a bar between two chords.
bool ParseChords(std::string_view text, std::vector<std::vector<ChordSymbol>>& bars, std::string& error);

// The chord's key numbers as pitch classes above its root (root first), in semitones from C.
std::vector<int> ChordPitchClasses(const Key& key, const ChordSymbol& chord);

} // namespace soundgen
