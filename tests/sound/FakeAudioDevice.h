#pragma once
#include <string>
#include <vector>

#include "platform/AudioDevice.h"

// Records what the game asks of the sound device.
class FakeAudioDevice : public AudioDevice {
  public:
    struct Effect {
        bool inUse = false;
        std::vector<uint8_t> samples;
        int rate = 0, channels = 0, bits = 0, plays = 0;
        float left = 1, right = 1, volume = 1;
    };

    bool opens = true;
    int channelsAsked = 0;
    int freeChannels = 1000;
    bool acceptSamples = true;
    std::vector<Effect> effects;
    std::vector<std::string> musicLog;
    float musicVolume = 1;

    bool Open(int effectChannels) override {
        channelsAsked = effectChannels;
        return opens;
    }
    int CreateEffect() override {
        if (freeChannels == 0) return -1;
        --freeChannels;
        effects.push_back({});
        effects.back().inUse = true;
        return static_cast<int>(effects.size() - 1);
    }
    bool SetSamples(int effect, const PcmSamples& pcm) override {
        if (!acceptSamples) return false;
        Effect& e = effects.at(effect);
        e.samples.assign(pcm.data, pcm.data + pcm.bytes);
        e.rate = pcm.rate;
        e.channels = pcm.channels;
        e.bits = pcm.bitsPerSample;
        return true;
    }
    void ReleaseEffect(int effect) override { effects.at(effect).inUse = false; }
    bool Play(int effect) override {
        ++effects.at(effect).plays;
        return true;
    }
    void SetPan(int effect, float left, float right) override {
        effects.at(effect).left = left;
        effects.at(effect).right = right;
    }
    void SetVolume(int effect, float gain) override { effects.at(effect).volume = gain; }
    bool LoadMusic(const std::string& path) override {
        musicLog.push_back("load " + path);
        return true;
    }
    bool PlayMusicOnce() override {
        musicLog.push_back("play");
        return true;
    }
    void CloseMusic() override { musicLog.push_back("close"); }
    void SetMusicVolume(float gain) override { musicVolume = gain; }
};
