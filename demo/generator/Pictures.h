#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <vector>

namespace trelvan::demo {

// Positions in the 20 m x 40 m arena in metres, x across (0 left, 20 right),
// y along the centre line from A (0, top of the plan) to C (40, bottom), as
// the main window's arena plan draws it: K, E, H down the right side and
// F, B, M down the left side, the quarter letters a tenth of the length from
// the short sides, as on the plan.
namespace arena {
inline constexpr QPointF A{10, 0};
inline constexpr QPointF C{10, 40};
inline constexpr QPointF K{20, 4};
inline constexpr QPointF E{20, 20};
inline constexpr QPointF H{20, 36};
inline constexpr QPointF F{0, 4};
inline constexpr QPointF B{0, 20};
inline constexpr QPointF M{0, 36};
inline constexpr QPointF D{10, 4};
inline constexpr QPointF X{10, 20};
inline constexpr QPointF G{10, 36};
// The four corners, named by the letters beside them.
inline constexpr QPointF cornerAF{0, 0};
inline constexpr QPointF cornerAK{20, 0};
inline constexpr QPointF cornerCH{20, 40};
inline constexpr QPointF cornerCM{0, 40};
// Centres of the two 20 m circles.
inline constexpr QPointF circleA{10, 10};
inline constexpr QPointF circleC{10, 30};
} // namespace arena

enum class Gait { Walk, Trot, Canter };

// The way of one movement, drawn as thick lines coloured by gait, with marks
// for halts and transitions and an arrow at the end.
class Track {
public:
    explicit Track(QPointF start, Gait gait = Gait::Trot);

    Track& gait(Gait gait);
    Track& to(QPointF point);
    // Rides through the arena corner `corner` on a rounded line, heading for
    // `next` afterwards; ends just after the corner.
    Track& corner(QPointF corner, QPointF next);
    // A whole 20 m circle around `centre`, starting and ending at the
    // current point.
    Track& circle(QPointF centre, bool clockwise);
    Track& halt();
    Track& mark();

    // 350 x 650 pixels, the arena plan's size, on a white background that
    // also fills the lower-left corner: the program makes that colour
    // transparent.
    QImage render() const;

private:
    struct Stroke {
        Gait gait;
        QPainterPath path;
    };
    Stroke& current();

    QPointF position_;
    QPointF heading_{0, 1};
    Gait gait_;
    std::vector<Stroke> strokes_;
    std::vector<QPointF> halts_;
    std::vector<QPointF> marks_;
};

inline constexpr int pictureWidth = 350;
inline constexpr int pictureHeight = 650;

} // namespace trelvan::demo
