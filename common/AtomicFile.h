#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes bytes to path whole or not at all: a temporary file in the same directory, flushed, renamed
// over the old file. On failure the old file is untouched and error says why.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error);
