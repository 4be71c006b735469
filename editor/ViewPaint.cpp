#include "editor/ViewPaint.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "editor/CMfcappView.h"

namespace {
constexpr int kChannels = 256;
// Outlines are cut to this range before drawing, so the widest rectangles of a hostile map stay in int.
constexpr int64_t kPaintLimit = 1 << 24;

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
} // namespace

void PaintView(QPainter& painter, const CMfcappView& view) {
    PaintPicture(painter, view);
    const int blue = std::rand() % kChannels;
    const int green = std::rand() % kChannels;
    const int red = std::rand() % kChannels;
    const QColor frame(red, green, blue);
    for (const ViewRect& r : view.m_rects) PaintOutline(painter, r, frame);
    painter.setPen(Qt::white);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QRect all(0, 0, painter.device()->width(), painter.device()->height());
    painter.drawText(all, Qt::AlignLeft | Qt::AlignTop, QString::fromLocal8Bit(view.m_mapPath));
}
