#pragma once
#include <string_view>

// Shows a message to the user: a modal box when a display is up, and always a line on standard error.
class MessageBox {
  public:
    virtual ~MessageBox() = default;
    virtual void Show(std::string_view caption, std::string_view text) = 0;
};
