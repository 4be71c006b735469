#pragma once
#include <memory>
#include <string>
#include <vector>

#include <SDL_audio.h>

#include "platform/AudioDevice.h"

struct Mix_Chunk;
struct _Mix_Music;

// The sound output on SDL2_mixer: every effect owns one reserved mixer channel, so playing it again restarts
// it; music is a MIDI file rendered by FluidSynth with the General MIDI soundfont named below.
class SdlAudio : public AudioDevice {
  public:
    static constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    // The effects' own rate (the builder makes them at 22050 Hz), so that they need no resampling.
    static constexpr int kOutputRate = 22050;
    static constexpr int kOutputChannels = 2; // 16-bit signed samples in the machine's byte order

    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    bool Open(int effectChannels) override;
    int CreateEffect() override;
    bool SetSamples(int effect, const PcmSamples& pcm) override;
    void ReleaseEffect(int effect) override;
    bool Play(int effect) override;
    void SetPan(int effect, float leftGain, float rightGain) override;
    void SetVolume(int effect, float gain) override;

    bool LoadMusic(const std::string& path) override;
    bool PlayMusicOnce() override;
    void CloseMusic() override;
    void SetMusicVolume(float gain) override;

  private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    struct MusicDeleter {
        void operator()(_Mix_Music* music) const;
    };
    // The samples belong to the effect: as given until the first play converts them to the output's
    // format, then the chunk points at them.
    struct Effect {
        bool inUse = false;
        std::vector<uint8_t> samples;
        SDL_AudioCVT conversion{};
        std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk;
    };

    bool Valid(int effect) const;
    static bool Ready(Effect& slot);
    void Close();

    bool open_ = false;
    std::vector<Effect> effects_;
    std::unique_ptr<_Mix_Music, MusicDeleter> music_;
};
