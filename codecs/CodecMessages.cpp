#include "codecs/CodecMessages.h"

#include <cstdio>

#include "platform/MessageBox.h"

namespace {
MessageBox* gCodecBox = nullptr;
}

void SetCodecMessageBox(MessageBox* box) {
    gCodecBox = box;
}

void ShowCodecMessage(std::string_view caption, std::string_view text) {
    if (gCodecBox) {
        gCodecBox->Show(caption, text);
        return;
    }
    std::fprintf(stderr, "%.*s: %.*s\n", int(caption.size()), caption.data(), int(text.size()), text.data());
}
