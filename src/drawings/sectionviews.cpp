#include "sectionviews.h"

#include "draft.h"

#include <QPainter>

namespace talir::drawings {

namespace {

// A line through the flange or the body, across the direction the view
// looks along: horizontal in a side view, vertical from below.
QLineF across(const ProfileView& view, const QRectF& part, double at) {
    if (view.across == Qt::Vertical)
        return {QPointF(part.left(), at), QPointF(part.right(), at)};
    return {QPointF(at, part.top()), QPointF(at, part.bottom())};
}

} // namespace

void drawFrontView(QPainter& painter, const FrontView& view) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    drawFace(painter, view.field, view.face, view.unitsPerMm);

    painter.setPen(draftPen(LineKind::Contour));
    painter.drawRect(view.outline);
    painter.drawRect(view.field);
    for (const QPointF& hole : view.holes)
        drawHole(painter, hole, view.holeRadius);

    const QPointF centre = view.outline.center();
    drawCentreLine(painter, {QPointF(view.outline.left(), centre.y()),
                             QPointF(view.outline.right(), centre.y())});
    drawCentreLine(painter, {QPointF(centre.x(), view.outline.top()),
                             QPointF(centre.x(), view.outline.bottom())});
    painter.restore();
}

void drawProfileView(QPainter& painter, const ProfileView& view) {
    painter.save();
    painter.setBrush(Qt::NoBrush);

    // Hidden edges first, so that the outline stays unbroken over them.
    painter.setPen(draftPen(LineKind::Hidden));
    for (const double hole : view.holes) {
        painter.drawLine(across(view, view.flange, hole - view.holeRadius));
        painter.drawLine(across(view, view.flange, hole + view.holeRadius));
    }
    for (const QRectF& bar : view.bars) {
        const bool lying = view.across == Qt::Vertical;
        painter.drawLine(across(view, view.body, lying ? bar.top() : bar.left()));
        painter.drawLine(across(view, view.body, lying ? bar.bottom() : bar.right()));
    }
    if (!view.louvres.isEmpty()) {
        // Seen from the side a louvre blade slopes down towards the front,
        // which is the flange's side.
        painter.save();
        painter.setClipRect(view.body);
        const bool flangeLeft = view.flange.center().x() < view.body.center().x();
        const double front = flangeLeft ? view.body.left() : view.body.right();
        const double rear = flangeLeft ? view.body.right() : view.body.left();
        for (const LouvreBlade& blade : view.louvres)
            painter.drawLine(QPointF(front, blade.lip), QPointF(rear, blade.edge));
        painter.restore();
    }

    painter.setPen(draftPen(LineKind::Contour));
    painter.drawRect(view.flange);
    painter.drawRect(view.body);

    for (const double hole : view.holes)
        drawCentreLine(painter, across(view, view.flange, hole), 2.0);
    const QRectF all = view.bounds();
    drawCentreLine(
        painter,
        across(view, all, view.across == Qt::Vertical ? all.center().y() : all.center().x()));
    painter.restore();
}

} // namespace talir::drawings
