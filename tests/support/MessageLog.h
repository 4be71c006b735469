#pragma once
#include <string>
#include <vector>

#include "platform/MessageBox.h"

// Keeps every message shown, for tests to compare: "caption|text" with the error box's "\r\n" removed.
class MessageLog : public MessageBox {
  public:
    void Show(std::string_view caption, std::string_view text) override {
        std::string line(text);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        lines.push_back(std::string(caption) + "|" + line);
    }
    std::vector<std::string> lines;
};
