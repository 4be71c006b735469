#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

// Encodes pixels (components bytes a pixel, rows top-down) as a JPEG for tests and benchmarks: baseline, or
// progressive with the given scan script.
inline std::vector<uint8_t> EncodeJpeg(const std::vector<uint8_t>& pixels, int width, int height,
                                       int components, J_COLOR_SPACE space, int quality = 90,
                                       const std::vector<jpeg_scan_info>* scans = nullptr) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (scans) {
        cinfo.scan_info = scans->data();
        cinfo.num_scans = int(scans->size());
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&pixels[size_t(cinfo.next_scanline) * width * components]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<uint8_t> bytes(out, out + size);
    std::free(out);
    return bytes;
}
