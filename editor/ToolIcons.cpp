#include "editor/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
// The game's palette: warm yellow, sky blue, grass green, tomato red, on a dark brown outline.
const QColor kOutline(60, 36, 20);
const QColor kYellow(255, 204, 51);
const QColor kBlue(80, 170, 255);
const QColor kGreen(90, 200, 80);
const QColor kRed(240, 80, 60);
const QColor kWhite(255, 255, 255);
constexpr qreal kLine = 1.5;

void Outlined(QPainter& p, const QPainterPath& path, const QColor& fill) {
    p.setPen(QPen(kOutline, kLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

void DrawOpen(QPainter& p) {
    QPainterPath back;
    back.moveTo(2, 5);
    back.lineTo(8, 5);
    back.lineTo(10, 7);
    back.lineTo(19, 7);
    back.lineTo(19, 19);
    back.lineTo(2, 19);
    back.closeSubpath();
    Outlined(p, back, kYellow.darker(120));
    QPainterPath front;
    front.moveTo(2, 19);
    front.lineTo(6, 11);
    front.lineTo(22, 11);
    front.lineTo(18, 19);
    front.closeSubpath();
    Outlined(p, front, kYellow);
}

void DrawSave(QPainter& p) {
    QPainterPath body;
    body.addRoundedRect(QRectF(3, 3, 17, 17), 2, 2);
    Outlined(p, body, kBlue);
    QPainterPath label;
    label.addRect(QRectF(6, 3, 11, 7));
    Outlined(p, label, kWhite);
    QPainterPath shutter;
    shutter.addRect(QRectF(7, 13, 9, 7));
    Outlined(p, shutter, kOutline.lighter(250));
}

void DrawReflash(QPainter& p) {
    p.setPen(QPen(kOutline, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 4.5, 14, 14), 40 * 16, 280 * 16);
    p.setPen(QPen(kGreen, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(4.5, 4.5, 14, 14), 40 * 16, 280 * 16);
    QPainterPath head;
    head.moveTo(13, 2);
    head.lineTo(21, 5);
    head.lineTo(15, 10);
    head.closeSubpath();
    Outlined(p, head, kGreen);
}

void DrawTest(QPainter& p) {
    QPainterPath play;
    play.moveTo(5, 3);
    play.lineTo(20, 11.5);
    play.lineTo(5, 20);
    play.closeSubpath();
    Outlined(p, play, kRed);
    QPainterPath star;
    star.addEllipse(QPointF(9, 11.5), 2.5, 2.5);
    Outlined(p, star, kYellow);
}

void DrawWww(QPainter& p) {
    QPainterPath globe;
    globe.addEllipse(QRectF(2.5, 2.5, 18, 18));
    Outlined(p, globe, kBlue);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(7.5, 2.5, 8, 18));
    p.drawLine(QPointF(2.5, 11.5), QPointF(20.5, 11.5));
    QPainterPath land;
    land.addEllipse(QRectF(5, 6, 6, 4));
    land.addEllipse(QRectF(12, 13, 6, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPath(land);
}

void DrawAbout(QPainter& p) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2.5, 2.5, 18, 14), 5, 5);
    bubble.moveTo(7, 16);
    bubble.lineTo(5, 21);
    bubble.lineTo(12, 16);
    Outlined(p, bubble.simplified(), kYellow);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(kOutline);
    p.drawText(QRectF(2.5, 2.5, 18, 14), Qt::AlignCenter, "?");
}
} // namespace

QIcon DrawToolIcon(ToolIcon icon, int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal scale = side / 23.0; // the pictures are laid out on 23 x 23
    p.scale(scale, scale);
    switch (icon) {
    case ToolIcon::Open:
        DrawOpen(p);
        break;
    case ToolIcon::Save:
        DrawSave(p);
        break;
    case ToolIcon::Reflash:
        DrawReflash(p);
        break;
    case ToolIcon::Test:
        DrawTest(p);
        break;
    case ToolIcon::Www:
        DrawWww(p);
        break;
    case ToolIcon::About:
        DrawAbout(p);
        break;
    }
    return QIcon(pixmap);
}
