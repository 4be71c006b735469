#pragma once
#include <array>
#include <string>

// The menu icons of the game ("zor") and the editor ("zor_edit"), laid out as the freedesktop icon theme
// wants them: DIR/hicolor/NxN/apps/NAME.png for every size and DIR/hicolor/scalable/apps/NAME.svg.
inline constexpr std::array<int, 8> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
inline constexpr std::array<const char*, 2> kIconNames = {"zor", "zor_edit"};

bool WriteIcons(const std::string& dir, std::string& error);
