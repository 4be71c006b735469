#pragma once
// Gives fuzz inputs file names, for readers that open files themselves. One private scratch directory per
// process, removed with what the readers left in it at exit.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

class FuzzFile {
  public:
    explicit FuzzFile(const char* name = "input") {
        const char* base = std::getenv("TMPDIR");
        dir_ = std::string(base && *base ? base : "/tmp") + "/zorfuzz-XXXXXX";
        if (!mkdtemp(dir_.data())) std::abort();
        path_ = Beside(name);
    }
    ~FuzzFile() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    // Writes the bytes to the file and answers its path.
    const char* Write(const uint8_t* data, size_t size) { return WriteAs(path_, data, size); }
    const std::string& Dir() const { return dir_; }
    // Another file in the same directory.
    std::string Beside(const char* name) const { return dir_ + "/" + name; }
    static const char* WriteAs(const std::string& path, const uint8_t* data, size_t size) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) std::abort();
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
        return path.c_str();
    }

  private:
    std::string dir_;
    std::string path_;
};

// For readers that open a fixed name in the working directory: works inside the scratch directory while
// it lives, so that libFuzzer's own paths (seeds, artifacts) keep their meaning outside it.
class InsideDir {
  public:
    explicit InsideDir(const std::string& dir) : back_(std::filesystem::current_path()) {
        if (chdir(dir.c_str()) != 0) std::abort();
    }
    ~InsideDir() {
        if (chdir(back_.c_str()) != 0) std::abort();
    }
    InsideDir(const InsideDir&) = delete;
    InsideDir& operator=(const InsideDir&) = delete;

  private:
    std::filesystem::path back_;
};
