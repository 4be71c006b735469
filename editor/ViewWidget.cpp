#include "editor/ViewWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "editor/CMfcappView.h"
#include "editor/ViewPaint.h"

namespace {
// Dark, so the map path written in white at the top-left corner can be read.
const QColor kBackground(64, 64, 64);
} // namespace

ViewWidget::ViewWidget(CMfcappView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // paintEvent fills the whole area itself
}

void ViewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    PaintView(painter, view_);
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        view_.LeftDown(at.x(), at.y());
        update();
    } else if (event->button() == Qt::RightButton) {
        view_.RightDown(at.x(), at.y());
        update();
    }
}

// Qt goes on sending moves to the widget that saw the press after the pointer has left it; the view does
// not see them, so a rectangle keeps the last corner inside the view.
void ViewWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!rect().contains(at)) return;
    if (view_.MouseMove(at.x(), at.y())) update();
}

// The release is seen wherever it happens (Qt hands it to the widget that saw the press), so a drag
// ends with its button and never goes on unheld.
void ViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    view_.LeftUp();
    update();
}
