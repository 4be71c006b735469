#pragma once
#include <cerrno>

// For a test program linked with -Wl,--wrap=mkstemp (include this in one of its files): while a NoNewFiles
// lives, no temporary file can be made, as in a folder this user may not write to, even for root, whom
// permissions do not stop.
inline int gMkstempError = 0; // 0: mkstemp works

extern "C" int __real_mkstemp(char* pattern);
extern "C" int __wrap_mkstemp(char* pattern) {
    if (gMkstempError == 0) return __real_mkstemp(pattern);
    errno = gMkstempError;
    return -1;
}

class NoNewFiles {
  public:
    explicit NoNewFiles(int code) { gMkstempError = code; }
    ~NoNewFiles() { gMkstempError = 0; }
    NoNewFiles(const NoNewFiles&) = delete;
    NoNewFiles& operator=(const NoNewFiles&) = delete;
};
