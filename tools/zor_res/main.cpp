// zor_res: creates, lists and extracts the game's archive files.
#include <iostream>

#include "tools/zor_res/ZorRes.h"

int main(int argc, char** argv) {
    return RunZorRes(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
