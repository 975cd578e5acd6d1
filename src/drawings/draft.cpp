#include "draft.h"

#include <QPainter>
#include <QPolygonF>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace talir::drawings {

namespace {

// Line widths in logical units; the outline is about twice the thin lines,
// as on paper.
constexpr double contourWidth = 1.5;
constexpr double thinWidth = 0.8;

// Dashes in logical units; Qt counts them in pen widths.
QVector<qreal> dashes(std::initializer_list<qreal> units, double width) {
    QVector<qreal> pattern;
    for (const qreal unit : units)
        pattern.append(unit / width);
    return pattern;
}

QPointF unit(QPointF vector) {
    const double length = std::hypot(vector.x(), vector.y());
    return length > 0 ? vector / length : QPointF(1, 0);
}

} // namespace

QPen draftPen(LineKind kind) {
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (kind) {
    case LineKind::Contour:
        pen.setWidthF(contourWidth);
        pen.setCapStyle(Qt::SquareCap);
        break;
    case LineKind::Thin:
        pen.setWidthF(thinWidth);
        break;
    case LineKind::Hidden:
        pen.setWidthF(thinWidth);
        pen.setDashPattern(dashes({4.5, 2.5}, thinWidth));
        break;
    case LineKind::Centre:
        pen.setWidthF(thinWidth * 0.8);
        pen.setDashPattern(dashes({12, 2, 1.5, 2}, thinWidth * 0.8));
        break;
    }
    return pen;
}

void drawArrowhead(QPainter& painter, QPointF tip, QPointF direction) {
    const QPointF along = unit(direction);
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * DraftSizes::arrowLength;
    const QPolygonF head({tip, base + across * DraftSizes::arrowHalfWidth,
                          base - across * DraftSizes::arrowHalfWidth});
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(head);
    painter.restore();
}

QLineF Dimension::line() const {
    if (orientation == Qt::Horizontal)
        return {QPointF(from.x(), at), QPointF(to.x(), at)};
    return {QPointF(at, from.y()), QPointF(at, to.y())};
}

bool Dimension::arrowsOutside() const {
    return line().length() < 2.5 * DraftSizes::arrowLength;
}

void drawDimension(QPainter& painter, const Dimension& dimension) {
    const QLineF line = dimension.line();
    painter.save();
    painter.setPen(draftPen(LineKind::Thin));

    // Extension lines run from the object a little past the dimension line.
    for (const auto& [point, tip] :
         {std::pair{dimension.from, line.p1()}, std::pair{dimension.to, line.p2()}}) {
        const QPointF outward = unit(tip - point);
        if (QLineF(point, tip).length() > 0.5)
            painter.drawLine(point, tip + outward * DraftSizes::extensionOvershoot);
    }

    const QPointF along = unit(line.p2() - line.p1());
    if (dimension.arrowsOutside()) {
        const QPointF tail = along * (DraftSizes::arrowLength * 1.8);
        painter.drawLine(line.p1() - tail, line.p2() + tail);
        drawArrowhead(painter, line.p1(), along);
        drawArrowhead(painter, line.p2(), -along);
    } else {
        painter.drawLine(line);
        drawArrowhead(painter, line.p1(), -along);
        drawArrowhead(painter, line.p2(), along);
    }
    painter.restore();
}

void drawLeader(QPainter& painter, const Leader& leader) {
    painter.save();
    painter.setPen(draftPen(LineKind::Thin));
    painter.drawLine(leader.slant());
    painter.drawLine(leader.shelf());
    painter.restore();
}

void drawCentreLine(QPainter& painter, QLineF axis, double overshoot) {
    const QPointF along = unit(axis.p2() - axis.p1()) * overshoot;
    painter.save();
    painter.setPen(draftPen(LineKind::Centre));
    painter.drawLine(axis.p1() - along, axis.p2() + along);
    painter.restore();
}

void drawHole(QPainter& painter, QPointF centre, double radius) {
    painter.save();
    painter.setPen(draftPen(LineKind::Contour));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    // A hole this small carries a plain centre cross rather than dash-dots.
    painter.setPen(draftPen(LineKind::Thin));
    const double reach = radius + 2.5;
    painter.drawLine(centre - QPointF(reach, 0), centre + QPointF(reach, 0));
    painter.drawLine(centre - QPointF(0, reach), centre + QPointF(0, reach));
    painter.restore();
}

QPainterPath breakLine(const QPolygonF& course, double amplitude, int waves) {
    QPainterPath path;
    if (course.size() < 2)
        return path;
    double total = 0;
    for (qsizetype i = 1; i < course.size(); ++i)
        total += QLineF(course[i - 1], course[i]).length();
    if (total <= 0)
        return path;

    path.moveTo(course.first());
    constexpr int stepsPerWave = 16;
    const int steps = std::max(2, waves * stepsPerWave);
    qsizetype segment = 1;
    double segmentStart = 0;
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double distance = t * total;
        while (segment < course.size() - 1 &&
               segmentStart + QLineF(course[segment - 1], course[segment]).length() < distance) {
            segmentStart += QLineF(course[segment - 1], course[segment]).length();
            ++segment;
        }
        const QLineF piece(course[segment - 1], course[segment]);
        const double along = piece.length() > 0 ? (distance - segmentStart) / piece.length() : 0;
        const QPointF direction = unit(piece.p2() - piece.p1());
        const QPointF across(-direction.y(), direction.x());
        // A hand-drawn wave: the amplitude breathes a little along the line
        // and dies out at both ends, so the line meets the edges cleanly.
        const double swing =
            std::sin(2 * std::numbers::pi * waves * t) * std::sin(std::numbers::pi * t) * amplitude;
        path.lineTo(piece.pointAt(std::clamp(along, 0.0, 1.0)) + across * swing);
    }
    return path;
}

} // namespace talir::drawings
