#pragma once
#include <QWidget>

class CMfcappView;

// The window area the picture and rectangles are drawn in: forwards the mouse to the view's data and
// repaints it whole (background, then PaintView) whenever asked.
class ViewWidget : public QWidget {
  public:
    explicit ViewWidget(CMfcappView& view, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    CMfcappView& view_;
};
