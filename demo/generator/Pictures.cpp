#include "Pictures.h"

#include <QLineF>
#include <QPainter>
#include <QTransform>
#include <cmath>
#include <numbers>

namespace trelvan::demo {

namespace {

// Where the arena's outline lies on the main window's arena plan (350 x 650):
// the rectangle from (60, 45), 230 pixels wide and 560 high.
constexpr double left = 60;
constexpr double top = 45;
constexpr double scaleX = 230.0 / 20.0;
constexpr double scaleY = 560.0 / 40.0;
constexpr double cornerRadius = 2.5; // metres

QColor gaitColour(Gait gait) {
    switch (gait) {
    case Gait::Walk:
        return QColor(0, 150, 60);
    case Gait::Trot:
        return QColor(20, 80, 220);
    case Gait::Canter:
        return QColor(215, 30, 30);
    }
    return Qt::black;
}

QPointF towards(QPointF from, QPointF to, double distance) {
    const QLineF line(from, to);
    return from + (to - from) * (distance / line.length());
}

} // namespace

Track::Track(QPointF start, Gait gait) : position_(start), gait_(gait) {}

Track::Stroke& Track::current() {
    if (strokes_.empty() || strokes_.back().gait != gait_) {
        Stroke stroke{gait_, QPainterPath(position_)};
        strokes_.push_back(stroke);
    }
    return strokes_.back();
}

Track& Track::gait(Gait gait) {
    gait_ = gait;
    return *this;
}

Track& Track::to(QPointF point) {
    current().path.lineTo(point);
    heading_ = point - position_;
    position_ = point;
    return *this;
}

Track& Track::corner(QPointF corner, QPointF next) {
    const QPointF in = towards(corner, position_, cornerRadius);
    const QPointF out = towards(corner, next, cornerRadius);
    auto& path = current().path;
    path.lineTo(in);
    path.quadTo(corner, out);
    heading_ = next - corner;
    position_ = out;
    return *this;
}

Track& Track::circle(QPointF centre, bool clockwise) {
    const double radius = QLineF(centre, position_).length();
    // Qt's angles run counter-clockwise on the screen with y pointing down,
    // so the start angle is measured with y flipped.
    const double start = std::atan2(-(position_.y() - centre.y()), position_.x() - centre.x()) *
                         180.0 / std::numbers::pi;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    current().path.arcTo(box, start, clockwise ? -360 : 360);
    // Back at the start, heading along the circle's tangent (y points down).
    const QPointF radial = position_ - centre;
    heading_ = clockwise ? QPointF(-radial.y(), radial.x()) : QPointF(radial.y(), -radial.x());
    return *this;
}

Track& Track::halt() {
    halts_.push_back(position_);
    return *this;
}

Track& Track::mark() {
    marks_.push_back(position_);
    return *this;
}

QImage Track::render() const {
    QImage image(pictureWidth, pictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QTransform toPixels(scaleX, 0, 0, scaleY, left, top);

    for (const auto& stroke : strokes_) {
        QPen pen(gaitColour(stroke.gait), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(toPixels.map(stroke.path));
    }

    if (!strokes_.empty()) {
        const QPointF heading(heading_.x() * scaleX, heading_.y() * scaleY);
        const QLineF unit = QLineF(QPointF(), heading).unitVector();
        const QPointF ahead = unit.p2() - unit.p1();
        const QPointF across(-ahead.y(), ahead.x());
        const QPointF end = toPixels.map(position_);
        const QPolygonF head{end + ahead * 8, end - ahead * 18 + across * 11,
                             end - ahead * 18 - across * 11};
        painter.setPen(Qt::NoPen);
        painter.setBrush(gaitColour(strokes_.back().gait));
        painter.drawPolygon(head);
    }

    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(250, 160, 0));
    for (const auto& point : marks_) {
        painter.drawEllipse(toPixels.map(point), 8, 8);
    }
    painter.setBrush(QColor(200, 0, 0));
    for (const auto& point : halts_) {
        const QPointF centre = toPixels.map(point);
        painter.drawRect(QRectF(centre.x() - 16, centre.y() - 5, 32, 10));
    }
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace trelvan::demo
