#include "sketchlayout.h"

#include <QFontMetricsF>
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
constexpr double shortestShelf = 12;

// The room the annotation takes around the views, whatever the scale.
struct Room {
    double shelf;  // the longest shelf
    double beside; // left of the front view, right of the side view
    double above;  // over the front view
    double below;  // under the view from below
    double width() const { return 2 * beside + sideViewGap; }
    double height() const { return above + bottomViewGap + below; }
};

Room roomFor(const QSizeF& textRoom) {
    Room room;
    room.shelf = textRoom.width() + 2 * textClearance;
    room.beside = dimensionOffset + leaderRise + room.shelf + sheetMargin;
    room.above = dimensionOffset + textRoom.height() + textClearance + sheetMargin;
    room.below = textRoom.height() + 2 * textClearance + dimensionOffset / 2 +
                 DraftSizes::extensionOvershoot + sheetMargin;
    return room;
}

double profileDepth(const SectionModel& model) {
    return model.flangeThickness + model.depth;
}

// Fixing holes along each side flange: two, and more on a tall section.
QList<double> holeHeights(const QRectF& outline, double heightMm) {
    const int count = std::clamp(int(std::lround(heightMm / 450.0)), 2, 4);
    QList<double> heights;
    for (int i = 0; i < count; ++i)
        heights.append(outline.top() + outline.height() * (0.1 + 0.8 * i / (count - 1)));
    return heights;
}

} // namespace

QSizeF SectionModel::flanges() const {
    if (part.isEmpty())
        return {flange, flange};
    return {std::max(0.0, (overall.width() - part.width()) / 2),
            std::max(0.0, (overall.height() - part.height()) / 2)};
}

QSizeF sketchExtent(const SketchSubject& subject, const QSizeF& textRoom, double unitsPerMm) {
    const Room room = roomFor(textRoom);
    const SectionModel& model = subject.model;
    return {room.width() + (model.overall.width() + profileDepth(model)) * unitsPerMm,
            room.height() + (model.overall.height() + profileDepth(model)) * unitsPerMm};
}

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

SketchLayout layOutSketch(const SketchSubject& subject, const QSizeF& sheet, const QSizeF& textRoom,
                          double unitsPerMm) {
    const SectionModel& model = subject.model;
    const Room room = roomFor(textRoom);
    const double shelf = room.shelf;
    const double besideRoom = room.beside;
    const double aboveRoom = room.above;
    const double fixedWidth = room.width();
    const double fixedHeight = room.height();
    const double profileMm = profileDepth(model);
    const double fitted = std::max(
        0.01, std::min((sheet.width() - fixedWidth) / (model.overall.width() + profileMm),
                       (sheet.height() - fixedHeight) / (model.overall.height() + profileMm)));
    const double scale = unitsPerMm > 0 ? unitsPerMm : fitted;

    const QSizeF front = model.overall * scale;
    const QSizeF flanges = model.flanges() * scale;
    const double flange = std::min(flanges.width(), flanges.height());
    const double thickness = model.flangeThickness * scale;
    const double depth = model.depth * scale;
    const QSizeF content(fixedWidth + front.width() + thickness + depth,
                         fixedHeight + front.height() + thickness + depth);
    const QPointF origin((sheet.width() - content.width()) / 2 + besideRoom,
                         (sheet.height() - content.height()) / 2 + aboveRoom);

    SketchLayout layout;
    FrontView& view = layout.front;
    view.outline = QRectF(origin, front);
    view.field = view.outline.adjusted(flanges.width(), flanges.height(), -flanges.width(),
                                       -flanges.height());
    view.face = subject.face;
    view.unitsPerMm = scale;
    view.holeRadius = std::clamp(flange * 0.22, 2.0, 4.0);
    const QList<double> holeYs =
        subject.fixingHoles ? holeHeights(view.outline, model.overall.height()) : QList<double>{};
    const QList<double> holeXs = subject.fixingHoles
                                     ? QList<double>{view.outline.left() + flanges.width() / 2,
                                                     view.outline.right() - flanges.width() / 2}
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
        side.louvres = louvreBlades(view.field, facePitch(subject.face, scale));

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

QRectF dimensionTextRect(const SketchLayout& layout, SketchDimension which, const QSizeF& text) {
    if (which == SketchDimension::OverallWidth || which == SketchDimension::PartWidth) {
        const QLineF line = layout.dimension(which).line();
        return {QPointF(line.center().x() - text.width() / 2,
                        line.y1() - textClearance - text.height()),
                text};
    }
    const Leader leader = fittedLeader(layout, which, text);
    const double left = leader.shelfLength < 0 ? leader.knee.x() - textClearance - text.width()
                                               : leader.knee.x() + textClearance;
    return {QPointF(left, leader.knee.y() - text.height()), text};
}

Leader fittedLeader(const SketchLayout& layout, SketchDimension which, const QSizeF& text) {
    Leader leader =
        which == SketchDimension::PartHeight ? layout.partHeightLeader : layout.overallHeightLeader;
    const double length = std::max(text.width(), shortestShelf) + 2 * textClearance;
    leader.shelfLength = leader.shelfLength < 0 ? -length : length;
    return leader;
}

void paintSketchTexts(QPainter& painter, const SketchLayout& layout, const QStringList& texts) {
    const QFontMetricsF metrics(painter.font());
    constexpr SketchDimension order[] = {SketchDimension::OverallWidth,
                                         SketchDimension::OverallHeight, SketchDimension::PartWidth,
                                         SketchDimension::PartHeight};
    painter.save();
    painter.setPen(draftPen(LineKind::Thin));
    for (int i = 0; i < 4 && i < texts.size(); ++i) {
        const QSizeF size(metrics.horizontalAdvance(texts[i]), metrics.height());
        if (order[i] == SketchDimension::OverallHeight || order[i] == SketchDimension::PartHeight)
            drawLeader(painter, fittedLeader(layout, order[i], size));
        painter.setPen(Qt::black);
        painter.drawText(dimensionTextRect(layout, order[i], size), Qt::AlignCenter, texts[i]);
        painter.setPen(draftPen(LineKind::Thin));
    }
    painter.restore();
}

} // namespace talir::drawings
