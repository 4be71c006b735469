#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/io/Effects.h"
#include "game/io/Globals.h"
#include "game/io/SoundDevice.h"
#include "game/io/Wave.h"
#include "tests/sound/FakeAudioDevice.h"
#include "tests/sound/WavBytes.h"
#include "tests/support/TestFiles.h"

// Every effect on a recording sound device (effect id = device channel), and a scratch current directory
// for the files the game writes.
class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(DSCreate(&device), 1);
        const std::vector<uint8_t> wav =
            RiffWave({{"fmt ", FmtBody(1, 1, 22050, 8)}, {"data", std::vector<uint8_t>(16, 0x80)}});
        for (int id = 0; id < kEffectCount; ++id) {
            Wave wave;
            wave.LoadBytes(wav, 0);
            ASSERT_EQ(gEffects[id].CreateFromWave(wave), 1);
        }
        oldDir = std::filesystem::current_path();
        std::filesystem::current_path(Here(""));
    }
    void TearDown() override {
        std::filesystem::current_path(oldDir);
        for (SoundEffect& e : gEffects) e.Release();
        ReleaseSound();
    }
    int Plays(EffectId id) const { return device.effects.at(id).plays; }
    int AllPlays() const {
        int n = 0;
        for (const auto& e : device.effects) n += e.plays;
        return n;
    }
    std::string Here(const std::string& name) const { return dir.Path(name); }

    FakeAudioDevice device;
    TempDir dir;
    std::filesystem::path oldDir;
};
