#include "editor/ViewPaint.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "editor/CMfcappView.h"
#include "tools/pairs/PairLayout.h"

namespace {
constexpr int kChannels = 256;
// Outlines are cut to this range before drawing, so the widest rectangles of a hostile map stay in int.
constexpr int64_t kPaintLimit = 1 << 24;
// The check's stray places and the difference tint have fixed colours, apart from the rectangles' frames.
const QColor kStrayColour(255, 0, 255);
constexpr int kStrayWidth = 2; // drawn just outside the place, so the differing pixels stay visible
const QColor kTint(0, 255, 255, 160);

int Clamp(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, -kPaintLimit, kPaintLimit));
}

// The DIB rows are bottom-up: the picture is drawn through a vertical mirror, pixel for pixel.
void PaintPicture(QPainter& painter, const CMfcappView& view) {
    const RgbPicture& picture = view.m_picture;
    if (!picture.m_pImage || picture.m_width == 0 || picture.m_height == 0) return;
    const QImage rows(picture.m_pImage.get(), int(picture.m_width), int(picture.m_height),
                      qsizetype(picture.m_rowBytes), QImage::Format_BGR888);
    painter.save();
    painter.translate(view.m_origin.x, view.m_origin.y + int(picture.m_height));
    painter.scale(1, -1);
    painter.drawImage(0, 0, rows);
    painter.restore();
}

// The outline lies inside the rectangle, whose right and bottom edges are exclusive; rectangles drawn
// backwards and empty ones have no outline.
void PaintOutline(QPainter& painter, const ViewRect& r, const QColor& colour) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    const int left = Clamp(r.left), top = Clamp(r.top), right = Clamp(r.right), bottom = Clamp(r.bottom);
    const int width = right - left, height = bottom - top;
    painter.fillRect(left, top, width, 1, colour);
    painter.fillRect(left, bottom - 1, width, 1, colour);
    painter.fillRect(left, top, 1, height, colour);
    painter.fillRect(right - 1, top, 1, height, colour);
}

// The differing pixels of the left picture and their twins in the right one, tinted.
void PaintDifferences(QPainter& painter, const CMfcappView& view) {
    using namespace pair_layout;
    if (!view.m_showDifferences || view.m_differences.size() != size_t(kPictureWidth) * kPictureHeight)
        return;
    QImage tint(kPictureWidth, kPictureHeight, QImage::Format_ARGB32_Premultiplied);
    tint.fill(Qt::transparent);
    const QRgb tinted = kTint.rgba64().premultiplied().toArgb32();
    for (int y = 0; y < kPictureHeight; ++y)
        for (int x = 0; x < kPictureWidth; ++x)
            if (view.m_differences[size_t(y) * kPictureWidth + x]) tint.setPixel(x, y, tinted);
    const int left = view.m_origin.x + kLeftX, top = view.m_origin.y + kTopY;
    painter.drawImage(left, top, tint);
    painter.drawImage(left + kRightOffset, top, tint);
}

void PaintStrayPlaces(QPainter& painter, const CMfcappView& view) {
    for (const MapRect& r : view.m_strayRects) {
        const int64_t left = int64_t(r.left) + view.m_origin.x, top = int64_t(r.top) + view.m_origin.y;
        const int64_t right = int64_t(r.right) + view.m_origin.x,
                      bottom = int64_t(r.bottom) + view.m_origin.y;
        for (int ring = 1; ring <= kStrayWidth; ++ring)
            PaintOutline(painter,
                         ViewRect{Clamp(left - ring), Clamp(top - ring), Clamp(right + 1 + ring),
                                  Clamp(bottom + 1 + ring)},
                         kStrayColour);
    }
}
} // namespace

void PaintView(QPainter& painter, const CMfcappView& view) {
    PaintPicture(painter, view);
    PaintDifferences(painter, view);
    const int blue = std::rand() % kChannels;
    const int green = std::rand() % kChannels;
    const int red = std::rand() % kChannels;
    const QColor frame(red, green, blue);
    for (const ViewRect& r : view.m_rects) PaintOutline(painter, r, frame);
    PaintStrayPlaces(painter, view);
    painter.setPen(Qt::white);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QRect all(0, 0, painter.device()->width(), painter.device()->height());
    painter.drawText(all, Qt::AlignLeft | Qt::AlignTop, QString::fromLocal8Bit(view.m_mapPath));
}
