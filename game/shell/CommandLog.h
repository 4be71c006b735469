#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "game/io/Command.h"
#include "game/shell/CommandFeed.h"

// The commands of every frame of a run, both seats, to play it again exactly: a network game's record
// replayed on one machine must reach the same states. The file is "ZORCMDS1" and then, frame by frame,
// the two commands as a network packet carries them.
class CommandLog {
  public:
    static constexpr size_t kMaxFileBytes = size_t{64} << 20;

    void Append(const FrameCommands& commands) { frames_.push_back(commands); }
    size_t Frames() const { return frames_.size(); }
    const FrameCommands& At(size_t frame) const { return frames_[frame]; }

    bool Save(const std::string& path, std::string& error) const;
    // False with the reason when the file cannot be read or is not a whole log.
    bool Load(const std::string& path, std::string& error);
    bool Decode(const std::vector<uint8_t>& bytes, std::string& error);

  private:
    std::vector<FrameCommands> frames_;
};

// Plays a log's frames in order, both seats; the run is asked to end after the last.
class LogFeed : public CommandFeed {
  public:
    explicit LogFeed(const CommandLog& log) : log_(log) {}
    void Exchange(const PlayerCommand& local, FrameCommands& out) override;

  private:
    const CommandLog& log_;
    size_t next_ = 0;
};
