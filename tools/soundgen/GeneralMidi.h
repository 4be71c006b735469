#pragma once

// General MIDI program numbers (0-based, as sent in program changes) and percussion keys of the
// drum channel, for the instruments the effects and tunes use.
namespace soundgen::gm {

enum Program {
    kAcousticPiano = 0,
    kElectricPiano = 4,
    kCelesta = 8,
    kGlockenspiel = 9,
    kMusicBox = 10,
    kVibraphone = 11,
    kMarimba = 12,
    kXylophone = 13,
    kAccordion = 21,
    kNylonGuitar = 24,
    kSteelGuitar = 25,
    kAcousticBass = 32,
    kFingeredBass = 33,
    kSynthBass = 38,
    kViolin = 40,
    kCello = 42,
    kTremoloStrings = 44,
    kPizzicatoStrings = 45,
    kHarp = 46,
    kTimpani = 47,
    kStrings = 48,
    kSlowStrings = 49,
    kChoirAahs = 52,
    kTrumpet = 56,
    kTrombone = 57,
    kTuba = 58,
    kMutedTrumpet = 59,
    kFrenchHorn = 60,
    kBrassSection = 61,
    kOboe = 68,
    kBassoon = 70,
    kClarinet = 71,
    kPiccolo = 72,
    kFlute = 73,
    kRecorder = 74,
    kPanFlute = 75,
    kOcarina = 79,
    kWarmPad = 89,
    kBowedPad = 92,
};

inline constexpr int kDrumChannel = 9;

enum Drum {
    kKick = 36,
    kSideStick = 37,
    kSnare = 38,
    kHandClap = 39,
    kClosedHat = 42,
    kLowTom = 45,
    kPedalHat = 44,
    kOpenHat = 46,
    kMidTom = 47,
    kHighTom = 50,
    kCrash = 49,
    kRide = 51,
    kTambourine = 54,
    kCowbell = 56,
    kShaker = 70,
    kHighWoodBlock = 76,
    kLowWoodBlock = 77,
    kTriangle = 81,
};

// Controllers.
inline constexpr int kVolume = 7;
inline constexpr int kPan = 10;
inline constexpr int kReverb = 91;

} // namespace soundgen::gm
