#include "sketchlayout.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace talir::drawings {

namespace {

// Spacing of the sheet, in logical units.
constexpr double dimensionOffset = 14; // contour to a dimension line
constexpr double leaderRise = 14;      // the slant of a leader, across and up
constexpr double textClearance = 2;    // between a text and its line
constexpr double sideViewGap = 44;     // front view to side view
constexpr double bottomViewGap = 36;   // front view to the view from below
constexpr double sheetMargin = 4;

// Fixing holes along each side flange: two, and more on a tall section.
QList<double> holeHeights(const QRectF& outline, double heightMm) {
    const int count = std::clamp(int(std::lround(heightMm / 450.0)), 2, 4);
    QList<double> heights;
    for (int i = 0; i < count; ++i)
        heights.append(outline.top() + outline.height() * (0.1 + 0.8 * i / (count - 1)));
    return heights;
}

} // namespace

const Dimension& SketchLayout::dimension(SketchDimension which) const {
    switch (which) {
    case SketchDimension::OverallWidth:
        return overallWidth;
    case SketchDimension::OverallHeight:
        return overallHeight;
    case SketchDimension::PartWidth:
        return partWidth;
    case SketchDimension::PartHeight:
        return partHeight;
    }
    return overallWidth;
}

QRectF SketchLayout::bounds() const {
    QRectF all = front.outline.united(side.bounds()).united(bottom.bounds());
    for (const Dimension* d : {&overallWidth, &overallHeight, &partWidth, &partHeight})
        all = all.united(QRectF(d->line().p1(), d->line().p2()).normalized());
    for (const Leader* l : {&overallHeightLeader, &partHeightLeader})
        all = all.united(QRectF(l->start, l->shelf().p2()).normalized());
    return all;
}

SketchLayout layOutSketch(const SketchSubject& subject, const QSizeF& sheet,
                          const QSizeF& textRoom) {
    const SectionModel& model = subject.model;
    const double shelf = textRoom.width() + 2 * textClearance;
    const double besideRoom = dimensionOffset + leaderRise + shelf + sheetMargin;
    const double aboveRoom = dimensionOffset + textRoom.height() + textClearance + sheetMargin;
    const double belowRoom = textRoom.height() + 2 * textClearance + dimensionOffset / 2 +
                             DraftSizes::extensionOvershoot + sheetMargin;
    const double fixedWidth = 2 * besideRoom + sideViewGap;
    const double fixedHeight = aboveRoom + bottomViewGap + belowRoom;
    const double profileMm = model.flangeThickness + model.depth;
    const double scale = std::max(
        0.01, std::min((sheet.width() - fixedWidth) / (model.overall.width() + profileMm),
                       (sheet.height() - fixedHeight) / (model.overall.height() + profileMm)));

    const QSizeF front = model.overall * scale;
    const double flange = model.flange * scale;
    const double thickness = model.flangeThickness * scale;
    const double depth = model.depth * scale;
    const QSizeF content(fixedWidth + front.width() + thickness + depth,
                         fixedHeight + front.height() + thickness + depth);
    const QPointF origin((sheet.width() - content.width()) / 2 + besideRoom,
                         (sheet.height() - content.height()) / 2 + aboveRoom);

    SketchLayout layout;
    FrontView& view = layout.front;
    view.outline = QRectF(origin, front);
    view.field = view.outline.adjusted(flange, flange, -flange, -flange);
    view.face = subject.face;
    view.unitsPerMm = scale;
    view.holeRadius = std::clamp(flange * 0.22, 2.0, 4.0);
    const QList<double> holeYs =
        subject.fixingHoles ? holeHeights(view.outline, model.overall.height()) : QList<double>{};
    const QList<double> holeXs =
        subject.fixingHoles
            ? QList<double>{view.outline.left() + flange / 2, view.outline.right() - flange / 2}
            : QList<double>{};
    for (const double x : holeXs)
        for (const double y : holeYs)
            view.holes.append(QPointF(x, y));

    const double barWidth = std::max(dividerBarWidth * scale, 4.0);
    const QRectF bar = dividerBar(view.field, subject.face.divider, barWidth);

    ProfileView& side = layout.side;
    side.across = Qt::Vertical;
    side.flange = QRectF(view.outline.right() + sideViewGap, view.outline.top(), thickness,
                         view.outline.height());
    side.body = QRectF(side.flange.right(), view.field.top(), depth, view.field.height());
    side.holes = holeYs;
    side.holeRadius = view.holeRadius;
    if (subject.face.divider == Divider::Horizontal)
        side.bars = {QRectF(side.body.left(), bar.top(), depth, bar.height())};
    if (subject.face.kind == FaceKind::WideBlades)
        side.louvres = louvreBlades(view.field, facePitch(subject.face.kind, scale));

    ProfileView& bottom = layout.bottom;
    bottom.across = Qt::Horizontal;
    bottom.flange = QRectF(view.outline.left(), view.outline.bottom() + bottomViewGap,
                           view.outline.width(), thickness);
    bottom.body = QRectF(view.field.left(), bottom.flange.bottom(), view.field.width(), depth);
    bottom.holes = holeXs;
    bottom.holeRadius = view.holeRadius;
    if (subject.face.divider == Divider::Vertical)
        bottom.bars = {QRectF(bar.left(), bottom.body.top(), bar.width(), depth)};

    layout.overallWidth = {view.outline.topLeft(), view.outline.topRight(), Qt::Horizontal,
                           view.outline.top() - dimensionOffset};
    layout.overallHeight = {view.outline.topLeft(), view.outline.bottomLeft(), Qt::Vertical,
                            view.outline.left() - dimensionOffset};
    layout.partWidth = {bottom.body.bottomLeft(), bottom.body.bottomRight(), Qt::Horizontal,
                        bottom.body.bottom() + textRoom.height() + 2 * textClearance +
                            dimensionOffset / 2};
    layout.partHeight = {side.body.topRight(), side.body.bottomRight(), Qt::Vertical,
                         side.body.right() + dimensionOffset};

    const QPointF leftUp(-leaderRise, -leaderRise);
    const QPointF rightUp(leaderRise, -leaderRise);
    const QPointF overallMiddle = layout.overallHeight.middle();
    const QPointF partMiddle = layout.partHeight.middle();
    layout.overallHeightLeader = {overallMiddle, overallMiddle + leftUp, -shelf};
    layout.partHeightLeader = {partMiddle, partMiddle + rightUp, shelf};
    return layout;
}

void paintSketch(QPainter& painter, const SketchLayout& layout) {
    drawFrontView(painter, layout.front);
    drawProfileView(painter, layout.side);
    drawProfileView(painter, layout.bottom);
    for (const Dimension* d :
         {&layout.overallWidth, &layout.overallHeight, &layout.partWidth, &layout.partHeight})
        drawDimension(painter, *d);
}

} // namespace talir::drawings
