#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Samples as a WAV file holds them: 8-bit unsigned or 16-bit signed little-endian, channels interleaved.
struct PcmSamples {
    const uint8_t* data = nullptr;
    size_t bytes = 0;
    int rate = 0; // frames per second the samples are played at
    int channels = 0;
    int bitsPerSample = 0;
};

// The sound output the game needs: effects, each on a channel of its own, and one piece of music.
class AudioDevice {
  public:
    virtual ~AudioDevice() = default;

    // Opens the default output with `effectChannels` channels kept for effects; false when there is no sound.
    virtual bool Open(int effectChannels) = 0;

    // Takes the next free effect channel; -1 when none is left.
    virtual int CreateEffect() = 0;
    // Gives the effect its samples, converted to the output's format and rate (so `pcm.rate` sets the pitch)
    // by its first play at the latest; false when they cannot be.
    virtual bool SetSamples(int effect, const PcmSamples& pcm) = 0;
    virtual void ReleaseEffect(int effect) = 0;
    // Plays the effect once from its beginning; an effect that is still sounding starts over.
    virtual bool Play(int effect) = 0;
    // Gains from 0 (silent) to 1 (full level).
    virtual void SetPan(int effect, float leftGain, float rightGain) = 0;
    virtual void SetVolume(int effect, float gain) = 0;

    // A Standard MIDI File, played once from its start by PlayMusicOnce.
    virtual bool LoadMusic(const std::string& path) = 0;
    virtual bool PlayMusicOnce() = 0;
    // Stops and forgets the loaded piece.
    virtual void CloseMusic() = 0;
    // The music's level, from 0 (silent) to 1 (full), for this piece and the next ones.
    virtual void SetMusicVolume(float gain) = 0;
};
