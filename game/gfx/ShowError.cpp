#include "game/gfx/ShowError.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "platform/MessageBox.h"

namespace {
MessageBox* gErrorSink = nullptr;
}

void SetErrorSink(MessageBox* sink) {
    gErrorSink = sink;
}

std::string FormatErrorText(const std::string& message) {
    // The buffer holds 256 bytes with the terminating zero, so the text keeps at most 253 bytes before
    // "\r\n".
    std::string text = message.substr(0, std::min(message.size(), kShowErrorBufferSize - 3));
    return text + "\r\n";
}

void ShowError(const char* format, ...) {
    char buffer[kShowErrorBufferSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    const std::string text = FormatErrorText(buffer);
    if (gErrorSink)
        gErrorSink->Show("ERROR", text);
    else
        std::fprintf(stderr, "ERROR: %s", text.c_str());
}
