#pragma once

// Pictures of the tool's own windows for the help pages. A fresh window of
// the given name (never the one the user works in) is filled with a worked
// example, photographed with a painted title bar, and the controls the page
// talks about are marked in red from their real geometry. Because the
// pictures are taken from the windows as they are built, they cannot fall
// out of date.

#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace talir::app {

// One red mark around a group of controls; controls that the window does not
// have, or that are hidden in the photographed state, are left out.
struct Mark {
    enum class Shape { Ellipse, Frame };
    Shape shape;
    QStringList controls;
};

struct ShotRecipe {
    QString window;                                 // "PTD5"
    std::vector<std::pair<QString, QString>> typed; // text boxes and lists, in this order
    QString press;                                  // a button pressed after typing; empty: none
    QString openList;                               // a drop-down list painted open
    std::vector<Mark> marks;
};

// A mark as drawn, in the picture's logical coordinates.
struct PlacedMark {
    Mark::Shape shape;
    QStringList controls; // the marked controls that were on screen
    QRectF around;        // the rectangle they cover together
    QRectF outline;       // the bounding rectangle of the drawn ellipse or frame
};

struct WindowShot {
    QImage image;        // empty when no window of that name can be built
    QPoint windowOrigin; // where the window's top-left corner (under its title bar) sits
    std::vector<PlacedMark> marks;

    QSizeF logicalSize() const { return image.deviceIndependentSize(); }
};

// The height of the title bar painted above the photographed window, and the
// blank margin around the frame that keeps marks near an edge whole.
inline constexpr int kShotTitleBar = 24;
inline constexpr int kShotMargin = 12;

WindowShot takeShot(const ShotRecipe& recipe);

// An ellipse that passes just outside every corner of the rectangle, with
// room at the ends of its longer side as far as the bounds allow.
QRectF ellipseAround(const QRectF& rect, const QRectF& bounds);

} // namespace talir::app
