#include <gtest/gtest.h>

#include <vector>

#include "game/control/SceneRegistry.h"

namespace {
class RecordingScene : public CScene {
  public:
    RecordingScene(std::vector<int>* log, int id) : log_(log), id_(id) {}
    int Message(int msg, int, int) override {
        if (log_) log_->push_back(id_);
        return msg == MsgUpdate ? 40 + id_ : 1;
    }

  private:
    std::vector<int>* log_;
    int id_;
};
} // namespace

TEST(SceneRegistry, FiftyFirstSceneIsRefusedAndAnswersZero) {
    SceneRegistry registry;
    std::vector<RecordingScene> scenes(51, RecordingScene(nullptr, 1));
    for (int i = 0; i < 50; ++i) {
        ASSERT_EQ(registry.Register(scenes[i]), 1);
        EXPECT_EQ(scenes[i].slot, i);
    }
    EXPECT_EQ(registry.Register(scenes[50]), 0);
    EXPECT_EQ(scenes[50].slot, -1);
    EXPECT_EQ(registry.Send(scenes[50], MsgUpdate), 0);
    EXPECT_EQ(registry.Send(scenes[49], MsgUpdate), 41);
}

TEST(SceneRegistry, SendToASlotHoldingNothingAnswersZero) {
    SceneRegistry registry;
    RecordingScene stray(nullptr, 3);
    stray.slot = 7; // claims a slot it was never given
    EXPECT_EQ(registry.Send(stray, MsgUpdate), 0);
    stray.slot = 50;
    EXPECT_EQ(registry.Send(stray, MsgUpdate), 0);
}

TEST(SceneRegistry, BroadcastReachesScenesInSlotOrder) {
    SceneRegistry registry;
    std::vector<int> log;
    std::vector<RecordingScene> scenes;
    scenes.reserve(12);
    for (int i = 0; i < 12; ++i) scenes.emplace_back(&log, i);
    for (auto& scene : scenes) registry.Register(scene);
    registry.Broadcast(MsgInit);
    EXPECT_EQ(log, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}
