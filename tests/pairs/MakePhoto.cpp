// zor_photoscene OUT.jpg SEED [WIDTH HEIGHT]: writes a photo-like scene, for trying and documenting pairs
// made from photos without using anyone else's pictures.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/AtomicFile.h"
#include "tests/pairs/PhotoScene.h"
#include "tools/packgen/JpegIo.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "Usage: zor_photoscene OUT.jpg SEED [WIDTH HEIGHT]\n");
        return 2;
    }
    const int width = argc == 5 ? std::atoi(argv[3]) : 1200, height = argc == 5 ? std::atoi(argv[4]) : 900;
    if (width < 100 || height < 100 || width > 4000 || height > 4000) {
        std::fprintf(stderr, "zor_photoscene: sides of 100 to 4000 pixels\n");
        return 2;
    }
    const RgbImage photo = RenderPhotoScene(std::strtoull(argv[2], nullptr, 10), width, height);
    std::string error;
    if (!WriteFileAtomically(argv[1], EncodeJpeg(photo, 90), error)) {
        std::fprintf(stderr, "zor_photoscene: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
