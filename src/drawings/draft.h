#pragma once

// The draughtsman's vocabulary the tool's drawings are made of: line kinds,
// arrowheads, dimensions, leaders, centre lines, holes and break lines.
//
// Everything is in the drawing's logical units: one unit is one pixel when a
// drawing is shown at its design size. A drawing translates and scales its
// painter once to fit its widget; the pieces below never look at the device.

#include <QLineF>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>

class QPainter;

namespace talir::drawings {

// Line kinds of a technical drawing: the thick outline of what is seen, thin
// lines for dimensions and face patterns, dashed lines for edges hidden
// behind the material, dash-dot lines for axes of symmetry and holes.
enum class LineKind { Contour, Thin, Hidden, Centre };

QPen draftPen(LineKind kind);

// Sizes of the annotation, in logical units.
struct DraftSizes {
    static constexpr double arrowLength = 8.0;
    static constexpr double arrowHalfWidth = 1.6;
    static constexpr double extensionOvershoot = 4.0; // extension line beyond the dimension line
    static constexpr double centreOvershoot = 6.0;    // axis beyond the contour
};

// A filled arrowhead whose tip touches `tip`, pointing along `direction`.
void drawArrowhead(QPainter& painter, QPointF tip, QPointF direction);

// A linear dimension between two points of the object: extension lines from
// the points to the dimension line, the dimension line with an arrowhead at
// each end. A horizontal dimension's line lies at y = `at`, a vertical one's
// at x = `at`. The text is written by the caller (usually a label placed at
// textAnchor()).
struct Dimension {
    QPointF from;
    QPointF to;
    Qt::Orientation orientation = Qt::Horizontal;
    double at = 0;

    // The dimension line between the two arrow tips.
    QLineF line() const;
    QPointF middle() const { return line().center(); }
    // Too short for the arrows inside: they are drawn outside, pointing in.
    bool arrowsOutside() const;
};

void drawDimension(QPainter& painter, const Dimension& dimension);

// A leader to a shelf: from a point of a line slanting to the knee, then
// horizontally along the shelf on which the text stands. shelfLength is
// signed: negative runs the shelf to the left of the knee.
struct Leader {
    QPointF start;
    QPointF knee;
    double shelfLength = 0;

    QLineF slant() const { return {start, knee}; }
    QLineF shelf() const { return {knee, knee + QPointF(shelfLength, 0)}; }
};

void drawLeader(QPainter& painter, const Leader& leader);

// An axis of symmetry, run `overshoot` beyond both given ends.
void drawCentreLine(QPainter& painter, QLineF axis, double overshoot = DraftSizes::centreOvershoot);

// A round hole seen along its axis: the circle and its centre cross.
void drawHole(QPainter& painter, QPointF centre, double radius);

// A freehand break line along `course` (a straight line or any polyline):
// the wavy thin line that bounds a pattern drawn on part of a surface, or
// cuts a long object short.
QPainterPath breakLine(const QPolygonF& course, double amplitude, int waves);

} // namespace talir::drawings
