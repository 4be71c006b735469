#include "codecs/RgbPicture.h"

#include "codecs/RgbRows.h"

bool RgbPicture::LoadJpeg(const char* path, const JpegFile::Limits& limits) {
    uint32_t width = 0, height = 0;
    std::unique_ptr<uint8_t[]> packed = JpegFile::ReadRgb(path, &width, &height, limits);
    if (!packed) {
        // The old pixels go even on failure, so no stale buffer is ever paired with the new sizes.
        m_pImage.reset();
        m_width = width;
        m_height = height;
        m_rowBytes = 0;
        return false;
    }
    return TakePackedRgb(std::move(packed), width, height);
}

bool RgbPicture::TakePackedRgb(std::unique_ptr<uint8_t[]> packed, uint32_t width, uint32_t height) {
    m_width = width;
    m_height = height;
    SwapRedBlue(packed.get(), width, height);
    m_pImage = AlignRows(packed.get(), width, height, m_rowBytes);
    if (!m_pImage) {
        m_rowBytes = 0;
        return false;
    }
    FlipRows(m_pImage.get(), m_rowBytes, height);
    return true;
}
