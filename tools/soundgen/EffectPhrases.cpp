#include "tools/soundgen/EffectPhrases.h"

#include <cmath>

#include "tools/soundgen/GeneralMidi.h"

namespace soundgen {

namespace {
constexpr uint16_t kTicksPerQuarter = 480;
constexpr uint32_t kMicrosPerMinute = 60000000;
constexpr float kThird = 1.0f / 3.0f;

uint32_t Ticks(float beats) {
    return static_cast<uint32_t>(std::lround(beats * kTicksPerQuarter));
}

// Key numbers: C4 is middle C (60).
enum Key {
    G2 = 43,
    A2 = 45,
    Bb2 = 46,
    C3 = 48,
    D3 = 50,
    C4 = 60,
    E4 = 64,
    F4 = 65,
    G4 = 67,
    A4 = 69,
    Bb4 = 70,
    B4 = 71,
    C5 = 72,
    D5 = 74,
    E5 = 76,
    G5 = 79,
    A5 = 81,
    B5 = 83,
    C6 = 84,
    D6 = 86,
    E6 = 88,
    G6 = 91,
    A6 = 93,
    B6 = 95,
    C7 = 96,
    E7 = 100,
};

std::vector<Phrase> MakePhrases() {
    using namespace gm;
    std::vector<Phrase> p;
    // Four bright chimes for a found difference, one picked at random by the game.
    p.push_back({"Success1.wav",
                 180,
                 {{0, kGlockenspiel}},
                 {{0, .5f, 0, C6, 100}, {.5f, .5f, 0, E6, 100}, {1, 1.5f, 0, G6, 110}},
                 0.8f});
    p.push_back(
        {"Success2.wav",
         200,
         {{0, kCelesta}},
         {{0, .5f, 0, G5, 100}, {.5f, .5f, 0, C6, 100}, {1, .5f, 0, E6, 105}, {1.5f, 1.5f, 0, G6, 115}},
         0.8f});
    p.push_back({"Success3.wav",
                 170,
                 {{0, kVibraphone}, {1, kGlockenspiel}},
                 {{0, .5f, 0, E5, 100}, {.5f, .5f, 0, G5, 100}, {1, 1.5f, 0, C6, 110}, {1, 1, 1, C7, 70}},
                 0.9f});
    p.push_back({"Success4.wav",
                 190,
                 {{0, kMusicBox}},
                 {{0, .5f, 0, B5, 100}, {.5f, .5f, 0, D6, 100}, {1, 1.5f, 0, G6, 110}, {1, 1.5f, 0, B6, 95}},
                 0.8f});
    // A matched pair of cards: a quick run up and a sparkle on top.
    p.push_back({"CardSuccess.wav",
                 220,
                 {{0, kXylophone}, {1, kGlockenspiel}},
                 {{0, .5f, 0, C5, 100},
                  {.5f, .5f, 0, E5, 100},
                  {1, .5f, 0, G5, 105},
                  {1.5f, .5f, 0, C6, 110},
                  {2, 1, 0, C6, 100},
                  {2, 1.5f, 1, C7, 90},
                  {2, 1.5f, 1, E7, 80}},
                 1.1f});
    // Stage cleared: a rising trumpet call landing on a full chord.
    p.push_back({"Clear.wav",
                 150,
                 {{0, kTrumpet}, {1, kStrings}, {2, kGlockenspiel}, {3, kTimpani}},
                 {{0, .5f, 0, G4, 95},
                  {.5f, .5f, 0, C5, 100},
                  {1, .5f, 0, E5, 100},
                  {1.5f, 1, 0, G5, 105},
                  {2.5f, .5f, 0, E5, 95},
                  {3, .5f, 0, G5, 100},
                  {3.5f, 2, 0, C6, 115},
                  {3.5f, 2, 1, C4, 85},
                  {3.5f, 2, 1, E4, 85},
                  {3.5f, 2, 1, G4, 85},
                  {3.5f, 2, 1, C5, 85},
                  {3.5f, 1, 2, C6, 80},
                  {3.5f, 1, 2, G6, 70},
                  {4, 1, 2, C7, 75},
                  {3, .5f, 3, G2, 90},
                  {3.5f, 1, 3, C3, 110}},
                 2.8f});
    // The ranking (and the bonus stage's start): a brass fanfare over timpani and a snare roll.
    {
        Phrase f{"Rank.wav", 132, {{0, kTrumpet}, {1, kTrumpet}, {2, kTrombone}, {3, kTimpani}}, {}, 3.5f};
        const float lead[][3] = {{0, kThird, G4}, {kThird, kThird, G4}, {2 * kThird, kThird, G4},
                                 {1, 1, C5},      {2, .5f, G4},         {2.5f, .5f, C5},
                                 {3, .5f, E5},    {3.5f, .5f, G5},      {4, 2.5f, C6}};
        const int harmony[] = {E4, E4, E4, G4, E4, G4, C5, E5, G5};
        for (size_t i = 0; i < std::size(lead); ++i) {
            f.notes.push_back({lead[i][0], lead[i][1], 0, int(lead[i][2]), 110});
            f.notes.push_back({lead[i][0], lead[i][1], 1, harmony[i], 90});
        }
        f.notes.insert(f.notes.end(), {{1, 2, 2, C3, 95},
                                       {3, 1, 2, G2, 95},
                                       {4, 2.5f, 2, C3, 105},
                                       {0, kThird, 3, C3, 70},
                                       {kThird, kThird, 3, C3, 75},
                                       {2 * kThird, kThird, 3, C3, 80},
                                       {1, 1, 3, C3, 105},
                                       {3, 1, 3, G2, 100},
                                       {4, 2, 3, C3, 120},
                                       {4, 2, kDrumChannel, kCrash, 100}});
        for (int i = 0; i < 8; ++i)
            f.notes.push_back({3 + i * .125f, .125f, kDrumChannel, kSnare, 60 + 6 * i});
        p.push_back(f);
    }
    // The maker's logo (and a won bonus stage): a harp sweep opening into a bright choir chord.
    {
        Phrase f{"logo.wav", 120, {{0, kHarp}, {1, kChoirAahs}, {2, kGlockenspiel}}, {}, 2.6f};
        const int sweep[] = {C5, D5, E5, G5, A5, C6, D6, E6, G6, A6, C7};
        for (size_t i = 0; i < std::size(sweep); ++i)
            f.notes.push_back({i * .125f, 1.5f, 0, sweep[i], 80 + int(i) * 3});
        for (int k : {C4, E4, G4, B4, D5}) f.notes.push_back({1.25f, 2.5f, 1, k, 80});
        f.notes.insert(f.notes.end(),
                       {{1.375f, 1, 2, C7, 85}, {1.625f, 1, 2, G6, 75}, {1.875f, 1.5f, 2, E7, 70}});
        p.push_back(f);
    }
    // Leaving or losing: a muted trumpet falls and settles on a sour low note.
    p.push_back({"GameOver1.wav",
                 100,
                 {{0, kMutedTrumpet}, {1, kBassoon}},
                 {{0, .5f, 0, D5, 100},
                  {.5f, .5f, 0, Bb4, 100},
                  {1, .5f, 0, F4, 100},
                  {1.5f, 1.5f, 0, E4, 105},
                  {0, 1.5f, 1, Bb2, 90},
                  {1.5f, 1.5f, 1, A2, 95}},
                 2.0f});
    return p;
}
} // namespace

const std::vector<Phrase>& EffectPhrases() {
    static const std::vector<Phrase> phrases = MakePhrases();
    return phrases;
}

Bytes PhraseToSmf(const Phrase& phrase) {
    MidiTrack track;
    track.TrackName(0, phrase.name);
    track.Tempo(0, kMicrosPerMinute / uint32_t(phrase.beatsPerMinute));
    for (const auto& [channel, program] : phrase.programs) {
        track.ProgramChange(0, channel, program);
        track.ControlChange(0, channel, gm::kReverb, 50);
    }
    for (const PhraseNote& n : phrase.notes)
        track.Note(Ticks(n.beat), Ticks(n.beats), n.channel, n.key, n.velocity);
    return WriteSmf(kTicksPerQuarter, {track});
}

} // namespace soundgen
