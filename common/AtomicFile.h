#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes bytes to path whole or not at all: a temporary file beside the file, flushed, renamed over the
// old file. A symbolic link is followed (the file it names is replaced, the link stays) and an old file
// keeps its permissions; a new one gets rw-r--r--. On failure the old file is untouched and error says why.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error);

enum class Written { No, Whole, InPlace };

// As WriteFileAtomically; but where the folder takes no new file (it is read-only to this user) and the
// old file may be written, the bytes go over the old file in place (InPlace). Such a write is not whole or
// nothing: a failure on the way can leave the file part old and part new, so the caller says it was done.
Written WriteFileOrInPlace(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error);
