#include "app/ArenaPlan.h"

#include <QPainter>

namespace trelvan {
namespace {

struct Marker {
    const char* letter;
    double x; // 0 = left long side, 1 = right long side
    double y; // 0 = top end, 1 = bottom end
};

// A at the top end of the centre line, C at the bottom; K, E, H down the
// right side, F, B, M down the left side; D, X, G down the centre line.
constexpr Marker kMarkers[] = {
    {"A", 0.5, -0.045}, {"C", 0.5, 1.045}, {"K", 1.07, 0.1},  {"E", 1.07, 0.5},
    {"H", 1.07, 0.9},   {"F", -0.07, 0.1}, {"B", -0.07, 0.5}, {"M", -0.07, 0.9},
    {"D", 0.5, 0.1},    {"X", 0.5, 0.5},   {"G", 0.5, 0.9},
};

} // namespace

QImage drawArenaPlan() {
    QImage plan(350, 650, QImage::Format_RGB32);
    plan.fill(Qt::white);
    QPainter painter(&plan);
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QRectF arena(60, 45, 230, 560);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(arena);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    font.setBold(true);
    painter.setFont(font);
    for (const Marker& marker : kMarkers) {
        const QPointF centre(arena.left() + marker.x * arena.width(),
                             arena.top() + marker.y * arena.height());
        const QRectF box(centre.x() - 14, centre.y() - 14, 28, 28);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(marker.letter));
    }

    // Small dots on the long sides and at A and C.
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    for (double y : {0.1, 0.3, 0.5, 0.7, 0.9}) {
        painter.drawEllipse(QPointF(arena.left(), arena.top() + y * arena.height()), 3, 3);
        painter.drawEllipse(QPointF(arena.right(), arena.top() + y * arena.height()), 3, 3);
    }
    painter.drawEllipse(QPointF(arena.center().x(), arena.top()), 3, 3);
    painter.drawEllipse(QPointF(arena.center().x(), arena.bottom()), 3, 3);
    return plan;
}

QImage drawProgramIcon() {
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(QColor(0x99, 0xB4, 0xD1));
    QPainter painter(&icon);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(9, 2, 14, 27);
    painter.setPen(QPen(Qt::blue, 1));
    painter.drawLine(16, 3, 16, 28);
    painter.setBrush(Qt::red);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(16, 16), 2.5, 2.5);
    return icon;
}

} // namespace trelvan
