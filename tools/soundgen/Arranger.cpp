#include "tools/soundgen/Arranger.h"

#include <algorithm>
#include <cstdlib>

#include "tools/soundgen/GeneralMidi.h"

namespace soundgen {

namespace {
constexpr uint16_t kTicksPerQuarter = 480;
constexpr uint32_t kEighth = kTicksPerQuarter / 2;
constexpr uint32_t kSixteenth = kTicksPerQuarter / 4;
constexpr uint32_t kMicrosPerMinute = 60000000;
constexpr int kQuarterDenominatorPower = 2;

enum Channel { kLead = 0, kCounter = 1, kComp = 2, kBass = 3, kPad = 4 };

// Ranges of the accompanying voices, as key numbers.
constexpr int kBassLow = 38;
constexpr int kCompLow = 53, kCompHigh = 74;
constexpr int kPadLow = 55, kPadHigh = 79;

// Loudness of each voice against the section's velocity.
constexpr int kCounterOffset = -16;
constexpr int kCompOffset = -20;
constexpr int kBassOffset = -8;
constexpr int kPadOffset = -38;
constexpr int kDownbeatAccent = 8;
constexpr int kBeatAccent = 4;

// How long notes sound against their written length (in per cent).
constexpr uint32_t kLegato = 92;
constexpr uint32_t kStaccato = 55;
constexpr uint32_t kRinging = 180;

constexpr int kRitardandoBars = 2;
constexpr double kRitardandoStep = 0.04;

uint32_t Percent(uint32_t ticks, uint32_t percent) {
    return std::max<uint32_t>(ticks * percent / 100, 1);
}

int Clamp7(int v) {
    return std::clamp(v, 1, 127);
}

// The key number of pitch class pc at or above low.
int Above(int pc, int low) {
    return low + ((pc - low) % 12 + 12) % 12;
}

int DrumVelocity(const Section& s, int v) {
    return Clamp7(v * s.velocity / 90);
}

void SetUpChannel(MidiTrack& t, int channel, int program, int volume, int pan) {
    t.ProgramChange(0, channel, program);
    t.ControlChange(0, channel, gm::kVolume, volume);
    t.ControlChange(0, channel, gm::kPan, pan);
    t.ControlChange(0, channel, gm::kReverb, 45);
}
} // namespace

Arranger::Arranger(std::string title, Key key, int beatsPerMinute, int beatsPerBar, Band band)
    : title_(std::move(title)), key_(key), beatsPerMinute_(beatsPerMinute), beatsPerBar_(beatsPerBar) {
    tempo_.TrackName(0, title_);
    tempo_.TimeSignature(0, beatsPerBar_, kQuarterDenominatorPower);
    lead_.TrackName(0, "lead");
    counter_.TrackName(0, "counter");
    comp_.TrackName(0, "chords");
    bass_.TrackName(0, "bass");
    pad_.TrackName(0, "pad");
    drums_.TrackName(0, "drums");
    SetUpChannel(lead_, kLead, band.lead, 104, 64);
    SetUpChannel(counter_, kCounter, band.counter, 86, 44);
    SetUpChannel(comp_, kComp, band.comp, 84, 84);
    SetUpChannel(bass_, kBass, band.bass, 100, 64);
    SetUpChannel(pad_, kPad, band.pad, 72, 64);
    drums_.ControlChange(0, gm::kDrumChannel, gm::kVolume, 88);
    drums_.ControlChange(0, gm::kDrumChannel, gm::kReverb, 30);
}

uint32_t Arranger::TicksPerBar() const {
    return uint32_t(beatsPerBar_) * kTicksPerQuarter;
}

int Arranger::Humanise(uint32_t tick, int channel, int velocity) const {
    const uint32_t hash = (tick * 2654435761u) ^ (uint32_t(channel) * 40503u);
    return Clamp7(velocity + int(hash >> 29) - 3);
}

bool Arranger::Add(const Section& s) {
    std::vector<std::vector<ChordSymbol>> chords;
    if (!ParseChords(s.chords, chords, error_)) return false;
    if (int(chords.size()) != s.bars) {
        error_ =
            title_ + ": " + std::to_string(chords.size()) + " chords for " + std::to_string(s.bars) + " bars";
        return false;
    }
    const uint32_t unitsPerBar = uint32_t(beatsPerBar_) * 2;
    std::vector<GridNote> melody, counter;
    for (auto [text, notes] : {std::pair{&s.melody, &melody}, std::pair{&s.counter, &counter}}) {
        uint32_t units = 0;
        if (!ParseGrid(*text, *notes, units, error_)) return false;
        if (!text->empty() && units != unitsPerBar * uint32_t(s.bars)) {
            error_ = title_ + ": a line of " + std::to_string(units) + " eighths for " +
                     std::to_string(s.bars) + " bars";
            return false;
        }
    }

    const Key key{key_.tonic + s.transpose, key_.minor};
    tempo_.Tempo(now_, kMicrosPerMinute / uint32_t(beatsPerMinute_));
    if (s.leadProgram != kKeepProgram) lead_.ProgramChange(now_, kLead, s.leadProgram);
    if (s.counterProgram != kKeepProgram) counter_.ProgramChange(now_, kCounter, s.counterProgram);
    if (s.compProgram != kKeepProgram) comp_.ProgramChange(now_, kComp, s.compProgram);

    const int leadBase = 12 * s.leadOctave;
    Melody(melody, key, kLead, leadBase, s.velocity, now_);
    if (s.counterInThirds) {
        std::vector<GridNote> thirds = melody;
        for (GridNote& n : thirds) n.degree -= 2;
        Melody(thirds, key, kCounter, leadBase, s.velocity + kCounterOffset, now_);
    }
    Melody(counter, key, kCounter, 0, s.velocity + kCounterOffset, now_);

    if (s.drums != DrumStyle::None && now_ > 0)
        drums_.Note(now_, kEighth, gm::kDrumChannel, gm::kCrash, DrumVelocity(s, 80));
    for (int bar = 0; bar < s.bars; ++bar) {
        const uint32_t barStart = now_ + uint32_t(bar) * TicksPerBar();
        const auto& inBar = chords[bar];
        const uint32_t length = TicksPerBar() / uint32_t(inBar.size());
        for (size_t c = 0; c < inBar.size(); ++c) {
            const ChordSymbol& next = c + 1 < inBar.size() ? inBar[c + 1]
                                      : bar + 1 < s.bars   ? chords[bar + 1].front()
                                                           : inBar[c];
            const std::vector<int> pcs = ChordPitchClasses(key, inBar[c]);
            const uint32_t at = barStart + uint32_t(c) * length;
            Bass(s, pcs, ChordPitchClasses(key, next).front(), at, length);
            if (s.comp != CompStyle::None) Comp(s, Voice(pcs, kCompLow, kCompHigh, compVoicing_), at, length);
            if (s.pad)
                for (int k : Voice(pcs, kPadLow, kPadHigh, padVoicing_))
                    pad_.Note(at, Percent(length, 98), kPad, k, Clamp7(s.velocity + kPadOffset));
        }
        const bool fillBar = s.fill && bar == s.bars - 1;
        Drums(s, fillBar ? -1 : bar, barStart);
        if (fillBar) Fill(s, barStart);
    }
    if (s.ritardando) {
        const int beats = kRitardandoBars * beatsPerBar_;
        const uint32_t from = now_ + uint32_t(s.bars - kRitardandoBars) * TicksPerBar();
        for (int b = 1; b <= beats; ++b) {
            const double bpm = beatsPerMinute_ * (1.0 - kRitardandoStep * b);
            tempo_.Tempo(from + uint32_t(b) * kTicksPerQuarter, uint32_t(kMicrosPerMinute / bpm));
        }
    }
    now_ += uint32_t(s.bars) * TicksPerBar();
    return true;
}

void Arranger::Melody(const std::vector<GridNote>& notes, const Key& key, int channel, int base, int velocity,
                      uint32_t start) {
    MidiTrack& track = channel == kLead ? lead_ : counter_;
    const uint32_t unitsPerBar = uint32_t(beatsPerBar_) * 2;
    for (const GridNote& n : notes) {
        const uint32_t tick = start + n.start * kEighth;
        const int accent = n.start % unitsPerBar == 0 ? kDownbeatAccent : n.start % 2 == 0 ? kBeatAccent : 0;
        track.Note(tick, Percent(n.length * kEighth, kLegato), channel,
                   base + DegreePitch(key, n.degree, n.alteration),
                   Humanise(tick, channel, velocity + accent));
    }
}

void Arranger::Bass(const Section& s, const std::vector<int>& pcs, int nextRootPc, uint32_t at,
                    uint32_t length) {
    const int root = Above(pcs[0], kBassLow);
    const int fifth = Above(pcs[2], root);
    const int third = Above(pcs[1], root);
    const int v = s.velocity + kBassOffset;
    const uint32_t beats = length / kTicksPerQuarter;
    auto note = [&](uint32_t offset, uint32_t len, int k, int vel) {
        bass_.Note(at + offset, len, kBass, k, Humanise(at + offset, kBass, vel));
    };
    switch (s.bass) {
    case BassStyle::None:
        break;
    case BassStyle::Whole:
        note(0, Percent(length, 95), root, v);
        break;
    case BassStyle::RootFifth:
        for (uint32_t b = 0; b < beats; b += 2)
            note(b * kTicksPerQuarter, Percent(std::min(2u, beats - b) * kTicksPerQuarter, 85),
                 (b / 2) % 2 ? fifth : root, v + (b == 0 ? kBeatAccent : 0));
        break;
    case BassStyle::Walking: {
        const int nextRoot = Above(nextRootPc, kBassLow);
        const int approach = nextRoot > root ? nextRoot - 1 : nextRoot + 1;
        const int line[] = {root, third, fifth};
        for (uint32_t b = 0; b < beats; ++b) {
            const int k = b + 1 == beats && beats > 1 ? approach : line[b % 3];
            note(b * kTicksPerQuarter, Percent(kTicksPerQuarter, 90), k, v + (b == 0 ? kBeatAccent : 0));
        }
        break;
    }
    case BassStyle::Eighths:
        for (uint32_t e = 0; e < beats * 2; ++e)
            note(e * kEighth, Percent(kEighth, 80), e + 1 == beats * 2 ? root + 12 : root,
                 v + (e % 2 == 0 ? kBeatAccent : -kBeatAccent));
        break;
    case BassStyle::Waltz:
        note(0, Percent(kTicksPerQuarter, 90), root, v + kBeatAccent);
        if (beats >= 3) note(2 * kTicksPerQuarter, Percent(kTicksPerQuarter, 60), fifth, v - kBeatAccent);
        break;
    }
}

void Arranger::Comp(const Section& s, const std::vector<int>& voicing, uint32_t at, uint32_t length) {
    const int v = s.velocity + kCompOffset;
    auto chord = [&](uint32_t offset, uint32_t len, int vel) {
        for (int k : voicing) comp_.Note(at + offset, len, kComp, k, Humanise(at + offset, kComp, vel));
    };
    const uint32_t eighths = length / kEighth;
    switch (s.comp) {
    case CompStyle::None:
        break;
    case CompStyle::Sustain:
        chord(0, Percent(length, 95), v);
        break;
    case CompStyle::Arpeggio: {
        std::vector<int> tones = voicing;
        tones.push_back(voicing.front() + 12);
        const size_t n = tones.size();
        for (uint32_t e = 0; e < eighths; ++e) {
            const size_t cycle = 2 * (n - 1);
            const size_t pos = e % cycle;
            const int k = tones[pos < n ? pos : cycle - pos];
            comp_.Note(at + e * kEighth, Percent(kEighth, kRinging), kComp, k,
                       Humanise(at + e * kEighth, kComp, v + (e % 2 ? 0 : kBeatAccent)));
        }
        break;
    }
    case CompStyle::Offbeat:
        for (uint32_t e = 1; e < eighths; e += 2) chord(e * kEighth, Percent(kEighth, kStaccato + 15), v);
        break;
    case CompStyle::Pulse:
        for (uint32_t e = 0; e < eighths; ++e)
            chord(e * kEighth, Percent(kEighth, kStaccato),
                  v + (e % 8 == 0 || e % 8 == 3 || e % 8 == 6 ? 6 : -6));
        break;
    case CompStyle::Waltz:
        for (uint32_t b = 1; b < length / kTicksPerQuarter; ++b)
            chord(b * kTicksPerQuarter, Percent(kTicksPerQuarter, 70), v - (b == 2 ? kBeatAccent : 0));
        break;
    }
}

void Arranger::Drums(const Section& s, int bar, uint32_t at) {
    const bool fillBar = bar < 0;
    const uint32_t beats = uint32_t(beatsPerBar_);
    const uint32_t end = (fillBar ? beats - std::min<uint32_t>(2, beats - 1) : beats) * kTicksPerQuarter;
    auto hit = [&](uint32_t offset, int drum, int vel) {
        if (offset < end)
            drums_.Note(at + offset, kSixteenth, gm::kDrumChannel, drum,
                        DrumVelocity(s, Humanise(at + offset, 9, vel)));
    };
    switch (s.drums) {
    case DrumStyle::None:
        break;
    case DrumStyle::Soft:
        for (uint32_t e = 0; e < beats * 2; ++e) hit(e * kEighth, gm::kShaker, e % 2 ? 32 : 48);
        hit(0, gm::kKick, 70);
        if (beats == 4) hit(2 * kTicksPerQuarter, gm::kSideStick, 55);
        break;
    case DrumStyle::Pop:
        for (uint32_t e = 0; e < beats * 2; ++e) hit(e * kEighth, gm::kClosedHat, e % 2 ? 42 : 62);
        for (uint32_t b = 0; b < beats; b += 2) hit(b * kTicksPerQuarter, gm::kKick, 90);
        if (bar % 2 == 1) hit(3 * kEighth, gm::kKick, 70);
        for (uint32_t b = 1; b < beats; b += 2) hit(b * kTicksPerQuarter, gm::kSnare, 82);
        break;
    case DrumStyle::Tense:
        for (uint32_t x = 0; x < beats * 4; ++x) hit(x * kSixteenth, gm::kClosedHat, x % 4 == 0 ? 50 : 28);
        for (uint32_t b = 0; b < beats; ++b) hit(b * kTicksPerQuarter, gm::kHighWoodBlock, b == 0 ? 80 : 62);
        hit(0, gm::kKick, 95);
        hit(3 * kSixteenth, gm::kKick, 70);
        hit(5 * kEighth, gm::kKick, 80);
        hit(3 * kTicksPerQuarter, gm::kLowTom, 72);
        break;
    case DrumStyle::Waltz:
        hit(0, gm::kKick, 62);
        for (uint32_t b = 1; b < beats; ++b) hit(b * kTicksPerQuarter, gm::kPedalHat, 40);
        if (bar % 4 == 0) hit(0, gm::kTriangle, 50);
        break;
    }
}

void Arranger::Fill(const Section& s, uint32_t at) {
    const uint32_t beats = uint32_t(beatsPerBar_);
    const uint32_t fillBeats = std::min<uint32_t>(2, beats - 1);
    const uint32_t from = (beats - fillBeats) * kTicksPerQuarter;
    const uint32_t count = fillBeats * 4;
    const int toms[] = {gm::kSnare, gm::kSnare, gm::kHighTom, gm::kMidTom, gm::kLowTom};
    for (uint32_t x = 0; x < count; ++x) {
        const int drum = toms[x * std::size(toms) / count];
        drums_.Note(at + from + x * kSixteenth, kSixteenth, gm::kDrumChannel, drum,
                    DrumVelocity(s, 60 + int(x * 40 / count)));
    }
}

std::vector<int> Arranger::Voice(const std::vector<int>& pcs, int low, int high,
                                 std::vector<int>& previous) const {
    std::vector<int> best;
    int bestCost = 0;
    const int centre = (low + high) / 2;
    for (size_t inversion = 0; inversion < pcs.size(); ++inversion) {
        std::vector<int> v;
        int k = Above(pcs[inversion], low);
        for (size_t i = 0; i < pcs.size(); ++i) {
            if (i > 0) k = Above(pcs[(inversion + i) % pcs.size()], k + 1);
            v.push_back(k);
        }
        if (v.back() > high) continue;
        int cost = 0;
        if (previous.size() == v.size())
            for (size_t i = 0; i < v.size(); ++i) cost += std::abs(v[i] - previous[i]);
        else
            cost = std::abs((v.front() + v.back()) / 2 - centre);
        if (best.empty() || cost < bestCost) {
            best = v;
            bestCost = cost;
        }
    }
    if (best.empty()) // a chord too wide for the range: stack it from the bottom
        for (int pc : pcs) best.push_back(Above(pc, best.empty() ? low : best.back() + 1));
    previous = best;
    return best;
}

Bytes Arranger::Finish() const {
    return WriteSmf(kTicksPerQuarter, {tempo_, lead_, counter_, comp_, bass_, pad_, drums_});
}

} // namespace soundgen
