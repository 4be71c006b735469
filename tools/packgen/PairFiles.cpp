#include "tools/packgen/PairFiles.h"

#include <fstream>
#include <iterator>

#include "tools/packgen/JpegIo.h"

namespace {
constexpr int kMaxPictureSide = 8192;
constexpr std::streamoff kMaxFileBytes = 64 << 20;

bool ReadBytes(const std::string& path, std::vector<uint8_t>& out, std::string& error) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxFileBytes) {
        error = path + " is not a file of at most 64 MiB";
        return false;
    }
    out.resize(size_t(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(out.data()), size)) {
        error = "cannot read " + path;
        return false;
    }
    return true;
}
} // namespace

bool ReadPairPicture(const std::string& path, PairFile& pair, std::string& error) {
    pair.picturePath = path;
    if (!ReadBytes(path, pair.jpeg, error)) return false;
    if (!DecodeJpeg(pair.jpeg, kMaxPictureSide, pair.stage, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool ReadPairMap(const std::string& path, PairFile& pair, std::string& error) {
    pair.mapPath = path;
    std::vector<uint8_t> bytes;
    if (!ReadBytes(path, bytes, error)) return false;
    pair.mapBytes = bytes.size();
    pair.map = DecodeMap(bytes);
    return true;
}

std::string MalformedReason(const PairFile& pair) {
    if (pair.stage.width != pair_layout::kImageWidth || pair.stage.height != pair_layout::kImageHeight) {
        return pair.picturePath + " is " + std::to_string(pair.stage.width) + "x" +
               std::to_string(pair.stage.height) + "; a pair picture is 640x480 (both pictures side by side)";
    }
    if (pair.mapBytes != kMapFileBytes) {
        return pair.mapPath + " has " + std::to_string(pair.mapBytes) + " bytes; a map has 80";
    }
    return "";
}
