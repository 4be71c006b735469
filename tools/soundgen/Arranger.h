#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/soundgen/Notation.h"
#include "tools/soundgen/SmfWriter.h"

namespace soundgen {

enum class BassStyle { None, Whole, RootFifth, Walking, Eighths, Waltz };
enum class CompStyle { None, Sustain, Arpeggio, Offbeat, Pulse, Waltz };
enum class DrumStyle { None, Soft, Pop, Tense, Waltz };

inline constexpr int kKeepProgram = -1;

// One section of a tune: its harmony, its melody and how the band accompanies it.
struct Section {
    int bars = 8;
    std::string chords = {};      // one token per bar, see ParseChords
    std::string melody = {};      // a grid of eighth notes (ParseGrid), or empty for none
    std::string counter = {};     // a second grid for the counter voice; empty = none
    bool counterInThirds = false; // the counter voice doubles the melody a third below
    int leadProgram = kKeepProgram;
    int counterProgram = kKeepProgram;
    int compProgram = kKeepProgram;
    int leadOctave = 0;
    BassStyle bass = BassStyle::RootFifth;
    CompStyle comp = CompStyle::Sustain;
    bool pad = true;
    DrumStyle drums = DrumStyle::None;
    bool fill = false;       // a drum fill in the last bar
    int velocity = 90;       // the section's loudness
    int transpose = 0;       // semitones, for a key change
    bool ritardando = false; // slows down over the last two bars
};

// The instruments a tune starts with, one per voice.
struct Band {
    int lead;
    int counter;
    int comp;
    int bass;
    int pad;
};

// Turns sections into a Standard MIDI File (format 1: a tempo track and one track per voice).
class Arranger {
  public:
    Arranger(std::string title, Key key, int beatsPerMinute, int beatsPerBar, Band band);

    // Appends a section. False (error says why) when its chords or melody do not fit its bars.
    bool Add(const Section& section);
    const std::string& Error() const { return error_; }

    Bytes Finish() const;
    uint32_t TicksPerBar() const;

  private:
    void Melody(const std::vector<GridNote>& notes, const Key& key, int channel, int base, int velocity,
                uint32_t start);
    void Bass(const Section& s, const std::vector<int>& pcs, int nextRootPc, uint32_t at, uint32_t length);
    void Comp(const Section& s, const std::vector<int>& voicing, uint32_t at, uint32_t length);
    void Drums(const Section& s, int bar, uint32_t at);
    void Fill(const Section& s, uint32_t at);
    std::vector<int> Voice(const std::vector<int>& pcs, int low, int high, std::vector<int>& previous) const;
    int Humanise(uint32_t tick, int channel, int velocity) const;

    std::string title_;
    Key key_;
    int beatsPerMinute_;
    int beatsPerBar_;
    uint32_t now_ = 0; // start of the next section, in ticks
    MidiTrack tempo_;
    MidiTrack lead_, counter_, comp_, bass_, pad_, drums_;
    std::vector<int> compVoicing_, padVoicing_;
    std::string error_;
};

} // namespace soundgen
