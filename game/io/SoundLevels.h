#pragma once
// Levels on the scale of hundredths of a decibel, as effects are given them, turned into linear gains.
constexpr int kSilentHundredthsDb = -10000; // -100 dB and below is silence
constexpr int kPanStepHundredthsDb = 1000;  // one step of SoundEffect::SetParams' pan
constexpr int kVolumeStepHundredthsDb = 100;

// The gain of an attenuation (0 or below; clamped to the silent level): 0 dB is 1, -100 dB and below is 0.
float GainFromHundredthsDb(int hundredthsDb);

struct PanGains {
    float left = 1;
    float right = 1;
};
// A pan of the same scale: positive attenuates the left side by that much, negative the right side.
PanGains PanFromHundredthsDb(int hundredthsDb);
