#pragma once
#include <cstdint>
#include <vector>

#include "platform/AudioDevice.h"

class Archive;
class Wave;
struct WaveFormat;

// One sound effect: its own channel of the sound device, loaded once and kept. Playing it again while it
// sounds starts it over, so an effect never sounds twice at once.
class SoundEffect {
  public:
    static constexpr int kMinFrequency = 100;
    static constexpr int kMaxFrequency = 200000;
    static constexpr int kMaxPanStep = 10;
    static constexpr int kFullVolume = 100;

    SoundEffect() = default;
    ~SoundEffect() { Release(); }
    SoundEffect(const SoundEffect&) = delete;
    SoundEffect& operator=(const SoundEffect&) = delete;

    // Reads the WAV entry `name` of the archive (or the file, without one) into a new channel; as
    // CreateFromWave, and "Wave.Load( %s )" when the entry cannot be read.
    int Create(const Archive* archive, const char* name);
    // Puts a wave already read into a new channel, at its own rate, centred, at full level. 1 on success; 0
    // without a message when there is no sound device; 0 with the matching message when the device refuses
    // it.
    int CreateFromWave(const Wave& wave);
    // frequency in samples per second; pan in steps of 10 dB (-10..10, 0 is centre); volume in percent.
    void SetParams(int frequency, int pan, int volume);
    // Sets the volume again after the effects' level (gEffectsGain) changed.
    void ApplyVolume();
    // Starts the effect, or starts it over when it is sounding.
    void Play();
    // Gives the channel back to the device.
    void Release();
    bool Loaded() const { return m_pDSB != kNoBuffer; }

  private:
    static constexpr int kNoBuffer = -1;
    PcmSamples Samples(int rate) const;

    int m_pDSB = kNoBuffer; // the effect's channel on lowDSound
    std::vector<uint8_t> samples_;
    int channels_ = 0;
    int bitsPerSample_ = 0;
    int frequency_ = 0;
    int volume_ = kFullVolume; // percent, as last set
};

// True when the sound device can play this format: 8 or 16-bit PCM (also in the extensible record), mono
// or stereo, whole frames, a rate SoundEffect accepts.
bool IsPlayableFormat(const WaveFormat& format);
