#pragma once
#include <string>

class MessageBox;

constexpr size_t kShowErrorBufferSize = 256;

// The game's error box: printf-style text cut to fit 256 bytes with its "\r\n", caption "ERROR".
[[gnu::format(printf, 1, 2)]] void ShowError(const char* format, ...);

// The text ShowError would show for an already formatted message (the cut and the "\r\n").
std::string FormatErrorText(const std::string& message);

// Where the boxes go; the platform sets its message box at start-up, tests their own.
void SetErrorSink(MessageBox* sink);
