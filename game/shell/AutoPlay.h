#pragma once
#include <chrono>
#include <cstdint>
#include <cstdio>

// Plays stages by itself for soaks and scripted runs of made pairs: every `every` frames it finds the next
// hidden difference as a click of player 1 at its centre would, types Enter into a name entry, and ends the
// run when the stage `stopAfter` has been cleared or a game has gone back to a menu. The bonus stage is left
// alone (it fails, which costs nothing). It measures what the soak asks of the run: the resident memory at
// each stage start and the longest frame, and prints them as "autoplay:" lines on standard error.
class AutoPlay {
  public:
    AutoPlay(int every, int stopAfter) : every_(every), stopAfter_(stopAfter) {}
    ~AutoPlay();
    AutoPlay(const AutoPlay&) = delete;
    AutoPlay& operator=(const AutoPlay&) = delete;

    // Called after each frame.
    void AfterFrame(int frame);

  private:
    void FindOne();
    void NoteStage();

    int every_;
    int stopAfter_;
    int lastStage_ = 0;
    bool played_ = false;
    long firstRssKb_ = -1; // at the first stage past the warm-up
    long lastRssKb_ = 0;
    long peakRssKb_ = 0;
    std::chrono::steady_clock::time_point lastFrame_{};
    std::chrono::microseconds longestFrame_{0};
};

// The process's resident memory in KiB (from /proc), 0 when it cannot be read.
long ResidentKb();
