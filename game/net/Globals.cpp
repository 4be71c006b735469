#include "game/net/Globals.h"

std::string gPlayerFilesDir;

std::string PlayerFilePath(const std::string& name) {
    return gPlayerFilesDir.empty() ? name : gPlayerFilesDir + "/" + name;
}
