#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/MessageBox.h"

// Passes messages on and keeps their texts, so a scripted run can report what the user was shown.
class RecordingMessageBox : public MessageBox {
  public:
    explicit RecordingMessageBox(MessageBox& next) : next_(next) {}
    void Show(std::string_view caption, std::string_view text) override {
        std::string line(text);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        pending_.push_back(std::move(line));
        next_.Show(caption, text);
    }
    // The messages shown since the previous call.
    std::vector<std::string> TakePending() { return std::exchange(pending_, {}); }

  private:
    MessageBox& next_;
    std::vector<std::string> pending_;
};
