#pragma once
// Gives a fuzz input a file name, for readers that open files themselves. One scratch file per process,
// in a private directory removed at exit.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

class FuzzFile {
  public:
    FuzzFile() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/zorfuzz-XXXXXX";
        dir_ = pattern;
        if (!mkdtemp(dir_.data())) std::abort();
        path_ = dir_ + "/input";
    }
    ~FuzzFile() {
        unlink(path_.c_str());
        rmdir(dir_.c_str());
    }
    const char* Write(const uint8_t* data, size_t size) {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        if (!f) std::abort();
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
        return path_.c_str();
    }

  private:
    std::string dir_;
    std::string path_;
};
