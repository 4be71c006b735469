#pragma once
#include <cstdio>
#include <string>

#include "game/shell/AutoPlay.h"
#include "game/shell/MainLoop.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ReplayScript.h"

// Watches a scripted run: one line of game state per frame in the trace file, the messages shown,
// and the back surface written as a picture at the script's "shot" frames.
class ScriptedRunObserver : public FrameObserver {
  public:
    ScriptedRunObserver(const ReplayScript& script, RecordingMessageBox& messages, std::string shotDir);
    ~ScriptedRunObserver() override;
    ScriptedRunObserver(const ScriptedRunObserver&) = delete;
    ScriptedRunObserver& operator=(const ScriptedRunObserver&) = delete;

    bool OpenTrace(const std::string& path);
    // Lets the game play by itself after each frame.
    void SetAutoPlay(AutoPlay* autoPlay) { autoPlay_ = autoPlay; }
    void AfterFrame() override;

  private:
    void WritePendingMessages();

    const ReplayScript& script_;
    RecordingMessageBox& messages_;
    std::string shotDir_;
    std::FILE* trace_ = nullptr;
    int frame_ = 0;
    size_t nextStep_ = 0;
    AutoPlay* autoPlay_ = nullptr;
};

// The line of game state a trace holds for the current frame (without the frame number).
std::string DescribeGameState();
