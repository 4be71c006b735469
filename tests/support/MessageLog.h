#pragma once
#include <string>
#include <vector>

#include "platform/MessageBox.h"

// Keeps every message shown, for tests to compare: "caption|text" with the one "\r\n" that the error box
// appends removed; any other line end is part of the text and stays.
class MessageLog : public MessageBox {
  public:
    void Show(std::string_view caption, std::string_view text) override {
        std::string line(text);
        if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0) line.resize(line.size() - 2);
        lines.push_back(std::string(caption) + "|" + line);
    }
    std::vector<std::string> lines;
};
