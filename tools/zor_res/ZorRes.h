#pragma once
#include <ostream>
#include <string>
#include <vector>

// The zor_res command line: create, list and extract archives. Answers the exit status:
// 0 success, 1 a file or archive could not be read or written, 2 a usage error.
int RunZorRes(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kZorResUsage;
