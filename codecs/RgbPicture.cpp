#include "codecs/RgbPicture.h"

#include "codecs/JpegFile.h"
#include "codecs/RgbRows.h"

bool RgbPicture::LoadJpeg(const char* path) {
    std::unique_ptr<uint8_t[]> packed = JpegFile::ReadRgb(path, &m_width, &m_height);
    // The old pixels go even on failure, so no stale buffer is ever paired with the new sizes.
    m_pImage.reset();
    m_rowBytes = 0;
    if (!packed) return false;
    SwapRedBlue(packed.get(), m_width, m_height);
    m_pImage = AlignRows(packed.get(), m_width, m_height, m_rowBytes);
    if (!m_pImage) return false;
    FlipRows(m_pImage.get(), m_rowBytes, m_height);
    return true;
}
