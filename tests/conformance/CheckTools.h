#pragma once
// Pieces every reader check shares: running a reference decoder, reading its output, reporting.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/MessageLog.h"

struct Outcome {
    bool passed;
    std::string line;
};

// Runs a program with its output thrown away; its exit status, or -1 when it could not run.
int Run(std::vector<std::string> args);

// A binary PPM (P6) or PGM (P5) of 8-bit samples, as RGB triples.
struct Pnm {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
};
bool ReadPnm(const std::string& path, Pnm& out);

// The first message shown, on one line.
std::string FirstMessage(const MessageLog& log);
std::string OneLine(std::string text);

// A little-endian field of a file; bytes past its end read as 0.
uint32_t Le(const std::vector<uint8_t>& f, size_t at, int bytes);

std::string SizeText(int width, int height);
