#pragma once
#include <string>
#include <vector>

#include "game/gfx/ShowError.h"
#include "platform/MessageBox.h"

// Collects the error boxes shown while it lives.
class CapturingBox : public MessageBox {
public:
    CapturingBox() { SetErrorSink(this); }
    ~CapturingBox() override { SetErrorSink(nullptr); }
    void Show(std::string_view, std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};
