#pragma once
// Swallows every message box so fuzz runs stay quiet.
#include "codecs/CodecMessages.h"
#include "game/gfx/ShowError.h"
#include "platform/MessageBox.h"

class SilentMessages : public MessageBox {
  public:
    SilentMessages() {
        SetErrorSink(this);
        SetCodecMessageBox(this);
    }
    void Show(std::string_view, std::string_view) override {}
};
