#pragma once
#include "platform/MessageBox.h"

// Shows the box with SDL when a screen is there (never in a headless run, where nobody could close it)
// and always writes one line on standard error.
class SdlMessageBox : public MessageBox {
  public:
    void Show(std::string_view caption, std::string_view text) override;
};
