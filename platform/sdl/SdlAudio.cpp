#include "platform/sdl/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cmath>
#include <cstring>

namespace {
// 512 frames at 22050 Hz is 23 ms: a click is heard on the frame it is made, as at 44100 Hz with 1024.
constexpr int kMixBufferFrames = 512;
constexpr int kPanLevels = 255;
// Converted effects larger than this are refused: a low source rate must not blow a small entry up.
constexpr size_t kMaxEffectBytes = size_t{64} << 20;
constexpr int kOutputFrameBytes = SdlAudio::kOutputChannels * 2;

SDL_AudioFormat SourceFormat(int bitsPerSample) {
    return bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
}

uint8_t Level(float gain, int full) {
    const float clamped = gain < 0 ? 0 : (gain > 1 ? 1 : gain);
    return static_cast<uint8_t>(std::lround(clamped * full));
}

// How `pcm` becomes the output format and rate; false when it cannot or the result would be too large.
bool PlanConversion(const PcmSamples& pcm, SDL_AudioCVT& cvt, size_t& bytes) {
    if (pcm.rate <= 0 || pcm.channels <= 0 || (pcm.bitsPerSample != 8 && pcm.bitsPerSample != 16))
        return false;
    const size_t frameBytes = static_cast<size_t>(pcm.channels) * (pcm.bitsPerSample / 8);
    bytes = pcm.bytes / frameBytes * frameBytes;
    if (bytes == 0 ||
        SDL_BuildAudioCVT(&cvt, SourceFormat(pcm.bitsPerSample), static_cast<Uint8>(pcm.channels), pcm.rate,
                          AUDIO_S16SYS, SdlAudio::kOutputChannels, SdlAudio::kOutputRate) < 0)
        return false;
    // The conversion works in place in a buffer large enough for every step.
    const size_t workBytes = bytes * static_cast<size_t>(cvt.len_mult);
    return workBytes / static_cast<size_t>(cvt.len_mult) == bytes && workBytes <= kMaxEffectBytes;
}

// Converts the planned samples in place; false when SDL fails.
bool Convert(SDL_AudioCVT& cvt, std::vector<uint8_t>& samples) {
    if (!cvt.needed) return true;
    const size_t bytes = samples.size();
    samples.resize(bytes * static_cast<size_t>(cvt.len_mult));
    cvt.buf = samples.data();
    cvt.len = static_cast<int>(bytes);
    if (SDL_ConvertAudio(&cvt) != 0) return false;
    samples.resize(static_cast<size_t>(cvt.len_cvt) / kOutputFrameBytes * kOutputFrameBytes);
    return !samples.empty();
}

// A Standard MIDI File, or one wrapped in a RIFF "RMID" form; the synthesizer itself takes any bytes.
bool StartsAsMidi(SDL_RWops* file) {
    char magic[4] = {};
    const bool read = SDL_RWread(file, magic, sizeof magic, 1) == 1;
    if (!read || SDL_RWseek(file, 0, RW_SEEK_SET) != 0) return false;
    return std::memcmp(magic, "MThd", sizeof magic) == 0 || std::memcmp(magic, "RIFF", sizeof magic) == 0;
}
} // namespace

void SdlAudio::ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}
void SdlAudio::MusicDeleter::operator()(_Mix_Music* music) const {
    Mix_FreeMusic(music);
}

SdlAudio::SdlAudio() = default;

SdlAudio::~SdlAudio() {
    Close();
}

bool SdlAudio::Open(int effectChannels) {
    if (open_ || effectChannels <= 0) return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    // Set before anything loads music, so the bank never comes from a guessed default path.
    Mix_SetSoundFonts(kSoundFont);
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudioDevice(kOutputRate, AUDIO_S16SYS, kOutputChannels, kMixBufferFrames, nullptr, 0) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(effectChannels);
    Mix_ReserveChannels(effectChannels);
    effects_.resize(static_cast<size_t>(effectChannels));
    open_ = true;
    return true;
}

void SdlAudio::Close() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    CloseMusic();
    effects_.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

bool SdlAudio::Valid(int effect) const {
    return open_ && effect >= 0 && static_cast<size_t>(effect) < effects_.size() && effects_[effect].inUse;
}

int SdlAudio::CreateEffect() {
    for (size_t i = 0; i < effects_.size(); ++i) {
        if (!effects_[i].inUse) {
            effects_[i].inUse = true;
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool SdlAudio::SetSamples(int effect, const PcmSamples& pcm) {
    if (!Valid(effect)) return false;
    SDL_AudioCVT cvt;
    size_t bytes = 0;
    if (!PlanConversion(pcm, cvt, bytes)) return false;
    Effect& slot = effects_[effect];
    Mix_HaltChannel(effect); // the mixer must let go of the old samples before they are freed
    slot.chunk.reset();
    slot.samples.assign(pcm.data, pcm.data + bytes);
    slot.conversion = cvt;
    return true;
}

// Converting every effect when it is given its samples held up the start; each is converted when it is
// first played, so the first effect waits only for itself.
bool SdlAudio::Ready(Effect& slot) {
    if (slot.chunk) return true;
    if (slot.samples.empty() || !Convert(slot.conversion, slot.samples)) {
        slot.samples.clear();
        return false;
    }
    slot.chunk.reset(Mix_QuickLoad_RAW(slot.samples.data(), static_cast<Uint32>(slot.samples.size())));
    return slot.chunk != nullptr;
}

void SdlAudio::ReleaseEffect(int effect) {
    if (!Valid(effect)) return;
    Mix_HaltChannel(effect);
    Mix_Volume(effect, MIX_MAX_VOLUME);
    Mix_SetPanning(effect, kPanLevels, kPanLevels);
    effects_[effect] = Effect{};
}

bool SdlAudio::Play(int effect) {
    if (!Valid(effect) || !Ready(effects_[effect])) return false;
    return Mix_PlayChannel(effect, effects_[effect].chunk.get(), 0) == effect;
}

void SdlAudio::SetPan(int effect, float leftGain, float rightGain) {
    if (Valid(effect)) Mix_SetPanning(effect, Level(leftGain, kPanLevels), Level(rightGain, kPanLevels));
}

void SdlAudio::SetVolume(int effect, float gain) {
    if (Valid(effect)) Mix_Volume(effect, Level(gain, MIX_MAX_VOLUME));
}

bool SdlAudio::LoadMusic(const std::string& path) {
    if (!open_) return false;
    CloseMusic();
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file) return false;
    if (!StartsAsMidi(file)) {
        SDL_RWclose(file);
        return false;
    }
    // Always read as MIDI, whatever the bytes look like: the music directory holds sequencer files only.
    music_.reset(Mix_LoadMUSType_RW(file, MUS_MID, SDL_TRUE));
    return music_ != nullptr;
}

bool SdlAudio::PlayMusicOnce() {
    return music_ && Mix_PlayMusic(music_.get(), 0) == 0;
}

void SdlAudio::CloseMusic() {
    if (!open_) return;
    Mix_HaltMusic();
    music_.reset();
}

void SdlAudio::SetMusicVolume(float gain) {
    if (open_) Mix_VolumeMusic(Level(gain, MIX_MAX_VOLUME));
}
