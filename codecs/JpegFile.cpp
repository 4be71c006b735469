#include "codecs/JpegFile.h"

#include <csetjmp>
#include <cstdio>
#include <new>
#include <string>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "codecs/CodecMessages.h"
#include "codecs/RgbRows.h"

namespace {
constexpr const char* kFatalCaption = "JPEG Fatal Error";
constexpr const char* kWarningCaption = "JPEG Error";
constexpr const char* kPlainCaption = "Error";
constexpr const char* kOutOfMemory = "JpegFile :\nOut of memory";
constexpr int kGrayComponents = 1;
constexpr int kRgbComponents = 3;
constexpr int kCmykComponents = 4;
constexpr unsigned kChannelMax = 255;
// Real files have a dozen scans at most; thousands of tiny ones would make one picture decode for minutes.
constexpr int kMaxScans = 100;
constexpr const char* kTooManyScans = "JPEG datastream has more than 100 scans";

// The library's error manager followed by the point a fatal error jumps back to.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void ShowLibraryMessage(j_common_ptr cinfo, const char* caption) {
    char text[JMSG_LENGTH_MAX];
    cinfo->err->format_message(cinfo, text);
    ShowCodecMessage(caption, text);
}

[[noreturn]] void ReportFatal(j_common_ptr cinfo) {
    ShowLibraryMessage(cinfo, kFatalCaption);
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Called by the library while it reads the data: refuses a stream with too many scans as a fatal error.
void LimitScans(j_common_ptr cinfo) {
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number <= kMaxScans) return;
    ShowCodecMessage(kFatalCaption, kTooManyScans);
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// The library calls this for the first warning of a decode only.
void ShowWarning(j_common_ptr cinfo) {
    ShowLibraryMessage(cinfo, kWarningCaption);
}

// Four-component files are stored inverted (the Adobe convention); each channel is scaled by K.
void CmykRowToRgb(const uint8_t* source, uint32_t width, uint8_t* dest, uint32_t row) {
    uint8_t* out = dest + size_t(row) * width * kRgbComponents;
    for (uint32_t x = 0; x < width; ++x, source += kCmykComponents, out += kRgbComponents) {
        const unsigned k = source[3];
        for (int c = 0; c < kRgbComponents; ++c)
            out[c] = static_cast<uint8_t>((source[c] * k + kChannelMax / 2) / kChannelMax);
    }
}

void StoreRow(const j_decompress_ptr cinfo, const uint8_t* sample, uint8_t* rgb, uint32_t row) {
    switch (cinfo->output_components) {
    case kRgbComponents:
        CopyRgbRow(sample, cinfo->output_width, rgb, row);
        break;
    case kGrayComponents:
        ExpandGrayRow(sample, cinfo->output_width, rgb, row);
        break;
    case kCmykComponents:
        CmykRowToRgb(sample, cinfo->output_width, rgb, row);
        break;
    default:
        break; // other layouts are left as they are: zero
    }
}

bool TooLarge(uint32_t width, uint32_t height, const JpegFile::Limits& limits) {
    return width > limits.maxSide || height > limits.maxSide || uint64_t(width) * height > limits.maxPixels;
}

struct Source {
    std::FILE* file = nullptr;
    const uint8_t* data = nullptr;
    size_t size = 0;
};

// A fatal error leaves this function by longjmp, so nothing here may need a destructor.
uint8_t* Decode(const Source& source, uint32_t* width, uint32_t* height, const JpegFile::Limits& limits) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = LimitScans;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = ReportFatal;
    err.pub.output_message = ShowWarning;
    uint8_t* volatile rgb = nullptr;
    if (setjmp(err.jump)) {
        delete[] rgb;
        jpeg_destroy_decompress(&cinfo);
        return nullptr;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &progress;
    if (source.file)
        jpeg_stdio_src(&cinfo, source.file);
    else
        jpeg_mem_src(&cinfo, source.data, static_cast<unsigned long>(source.size));
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK)
        cinfo.out_color_space = JCS_CMYK;
    // Refused before the library sizes anything by the header.
    if (TooLarge(cinfo.image_width, cinfo.image_height, limits)) {
        ShowCodecMessage(kPlainCaption, "JpegFile :\nPicture too large (" +
                                            std::to_string(cinfo.image_width) + " x " +
                                            std::to_string(cinfo.image_height) + ")");
        jpeg_destroy_decompress(&cinfo);
        return nullptr;
    }
    jpeg_start_decompress(&cinfo);
    const size_t bytes = size_t(cinfo.output_width) * cinfo.output_height * kRgbComponents;
    rgb = new (std::nothrow) uint8_t[bytes]();
    if (!rgb) {
        ShowCodecMessage(kPlainCaption, kOutOfMemory);
        jpeg_destroy_decompress(&cinfo);
        return nullptr;
    }
    *width = cinfo.output_width;
    *height = cinfo.output_height;
    JSAMPARRAY sample = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                   cinfo.output_width * cinfo.output_components, 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        if (jpeg_read_scanlines(&cinfo, sample, 1) != 1) break;
        StoreRow(&cinfo, sample[0], rgb, cinfo.output_scanline - 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return rgb;
}
} // namespace

std::unique_ptr<uint8_t[]> JpegFile::ReadRgb(const char* path, uint32_t* width, uint32_t* height,
                                             const Limits& limits) {
    *width = *height = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        ShowCodecMessage(kPlainCaption, std::string("JPEG :\nCan't open ") + path + "\n");
        return nullptr;
    }
    Source source;
    source.file = file;
    std::unique_ptr<uint8_t[]> rgb(Decode(source, width, height, limits));
    std::fclose(file);
    return rgb;
}

std::unique_ptr<uint8_t[]> JpegFile::ReadRgbFromMemory(const uint8_t* data, size_t size, uint32_t* width,
                                                       uint32_t* height, const Limits& limits) {
    *width = *height = 0;
    Source source;
    source.data = data;
    source.size = size;
    return std::unique_ptr<uint8_t[]>(Decode(source, width, height, limits));
}
