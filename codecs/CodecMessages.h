#pragma once
#include <string_view>

class MessageBox;

// Where the codecs' message boxes go. The program hands in its message box at start-up; without one
// the messages go to standard error.
void SetCodecMessageBox(MessageBox* box);
void ShowCodecMessage(std::string_view caption, std::string_view text);
