#include "faces.h"

#include "calculators/pitches.h"
#include "draft.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace talir::drawings {

namespace {

// How each face is drawn: the pitch of the real product (for the mesh and
// the perforation, which the calculations do not count, a typical one) and
// the closest pitch that still reads as separate lines on screen.
struct FacePattern {
    double pitchMm;
    double legiblePitch; // logical units
};

FacePattern patternOf(FaceKind kind) {
    switch (kind) {
    case FaceKind::WideBlades:
        return {double(calculators::kLouvrePitch), 12.0};
    case FaceKind::NarrowBlades:
        return {double(calculators::kBladePitch), 5.0};
    case FaceKind::CrossedBlades:
        return {double(calculators::kBladePitch), 7.0};
    case FaceKind::Mesh:
        return {12.0, 5.0};
    case FaceKind::Perforation:
        return {10.0, 6.5};
    }
    return {20.0, 6.0};
}

// Equal steps that fill `length` with about `pitch` between neighbours.
int stepCount(double length, double pitch) {
    return std::max(1, int(std::floor(length / pitch)));
}

// The corner of a plain panel on which its pattern is shown is bounded by a
// break line bowed like a quarter circle.
QPainterPath patchEdge(const QRectF& field, double pitch) {
    const double size = std::max(std::min(field.width(), field.height()) * 0.42, 4 * pitch);
    const double reach = std::min({size, field.width(), field.height()});
    QPolygonF arc;
    constexpr int points = 24;
    for (int i = 0; i <= points; ++i) {
        const double angle = std::numbers::pi / 2 * i / points;
        arc << field.topLeft() + QPointF(reach * std::cos(angle), reach * std::sin(angle));
    }
    return breakLine(arc, std::max(1.2, pitch * 0.3), 3);
}

QPainterPath cornerPatch(const QRectF& field, double pitch) {
    const QPainterPath edge = patchEdge(field, pitch);
    QPainterPath patch(field.topLeft());
    patch.lineTo(edge.pointAtPercent(0));
    patch.connectPath(edge);
    patch.closeSubpath();
    return patch;
}

void drawPatchEdge(QPainter& painter, const QRectF& field, double pitch) {
    painter.save();
    painter.setPen(draftPen(LineKind::Thin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(patchEdge(field, pitch));
    painter.restore();
}

} // namespace

QRectF dividerBar(const QRectF& field, Divider divider, double barWidth) {
    switch (divider) {
    case Divider::None:
        return {};
    case Divider::Vertical:
        return {field.center().x() - barWidth / 2, field.top(), barWidth, field.height()};
    case Divider::Horizontal:
        return {field.left(), field.center().y() - barWidth / 2, field.width(), barWidth};
    }
    return {};
}

QList<QRectF> faceFields(const QRectF& field, Divider divider, double barWidth) {
    const QRectF bar = dividerBar(field, divider, barWidth);
    switch (divider) {
    case Divider::None:
        return {field};
    case Divider::Vertical:
        return {QRectF(field.topLeft(), QPointF(bar.left(), field.bottom())),
                QRectF(QPointF(bar.right(), field.top()), field.bottomRight())};
    case Divider::Horizontal:
        return {QRectF(field.topLeft(), QPointF(field.right(), bar.top())),
                QRectF(QPointF(field.left(), bar.bottom()), field.bottomRight())};
    }
    return {field};
}

double facePitch(FaceKind kind, double unitsPerMm) {
    const FacePattern pattern = patternOf(kind);
    return std::max(pattern.pitchMm * unitsPerMm, pattern.legiblePitch);
}

double facePitch(const Face& face, double unitsPerMm) {
    if (face.pitchMm <= 0)
        return facePitch(face.kind, unitsPerMm);
    return std::max(face.pitchMm * unitsPerMm, patternOf(face.kind).legiblePitch);
}

QList<LouvreBlade> louvreBlades(const QRectF& field, double pitch) {
    const int count = stepCount(field.height(), pitch);
    const double step = field.height() / count;
    QList<LouvreBlade> blades;
    for (int i = 0; i < count; ++i)
        blades.append({field.top() + step * (i + 0.22), field.top() + step * (i + 0.68)});
    return blades;
}

void drawWideBlades(QPainter& painter, const QRectF& field, double pitch) {
    // A louvre blade leans towards the viewer: its upper edge shows as a thin
    // line, the lip below it as the outline of a broad band.
    painter.save();
    for (const LouvreBlade& blade : louvreBlades(field, pitch)) {
        painter.setPen(draftPen(LineKind::Thin));
        painter.drawLine(QPointF(field.left(), blade.edge), QPointF(field.right(), blade.edge));
        painter.setPen(draftPen(LineKind::Contour));
        painter.drawLine(QPointF(field.left(), blade.lip), QPointF(field.right(), blade.lip));
    }
    painter.restore();
}

void drawNarrowBlades(QPainter& painter, const QRectF& field, double pitch) {
    const int count = stepCount(field.height(), pitch);
    const double step = field.height() / count;
    painter.save();
    painter.setPen(draftPen(LineKind::Thin));
    for (int i = 1; i < count; ++i) {
        const double y = field.top() + step * i;
        painter.drawLine(QPointF(field.left(), y), QPointF(field.right(), y));
    }
    painter.restore();
}

void drawCrossedBlades(QPainter& painter, const QRectF& field, double pitch) {
    drawNarrowBlades(painter, field, pitch);
    const int count = stepCount(field.width(), pitch);
    const double step = field.width() / count;
    painter.save();
    painter.setPen(draftPen(LineKind::Thin));
    for (int i = 1; i < count; ++i) {
        const double x = field.left() + step * i;
        painter.drawLine(QPointF(x, field.top()), QPointF(x, field.bottom()));
    }
    painter.restore();
}

void drawMeshCorner(QPainter& painter, const QRectF& field, double pitch) {
    painter.save();
    painter.setClipPath(cornerPatch(field, pitch), Qt::IntersectClip);
    painter.setPen(draftPen(LineKind::Thin));
    for (double x = field.left() + pitch; x < field.right(); x += pitch)
        painter.drawLine(QPointF(x, field.top()), QPointF(x, field.bottom()));
    for (double y = field.top() + pitch; y < field.bottom(); y += pitch)
        painter.drawLine(QPointF(field.left(), y), QPointF(field.right(), y));
    painter.restore();
    drawPatchEdge(painter, field, pitch);
}

void drawPerforationCorner(QPainter& painter, const QRectF& field, double pitch) {
    // Holes in staggered rows, each row half a pitch along from the last.
    const QPainterPath patch = cornerPatch(field, pitch);
    const double radius = pitch * 0.3;
    const double rowPitch = pitch * std::sqrt(3.0) / 2;
    painter.save();
    painter.setPen(draftPen(LineKind::Thin));
    painter.setBrush(Qt::NoBrush);
    int row = 0;
    for (double y = field.top() + pitch * 0.6; y < field.bottom(); y += rowPitch, ++row) {
        const double shift = (row % 2) * pitch / 2;
        for (double x = field.left() + pitch * 0.6 + shift; x < field.right(); x += pitch) {
            const QRectF hole(x - radius, y - radius, 2 * radius, 2 * radius);
            if (patch.contains(hole))
                painter.drawEllipse(hole);
        }
    }
    painter.restore();
    drawPatchEdge(painter, field, pitch);
}

void drawFace(QPainter& painter, const QRectF& field, const Face& face, double unitsPerMm) {
    const double pitch = facePitch(face, unitsPerMm);
    const double barWidth = std::max(dividerBarWidth * unitsPerMm, 4.0);

    painter.save();
    for (const QRectF& part : faceFields(field, face.divider, barWidth)) {
        switch (face.kind) {
        case FaceKind::WideBlades:
            drawWideBlades(painter, part, pitch);
            break;
        case FaceKind::NarrowBlades:
            drawNarrowBlades(painter, part, pitch);
            break;
        case FaceKind::CrossedBlades:
            drawCrossedBlades(painter, part, pitch);
            break;
        case FaceKind::Mesh:
            drawMeshCorner(painter, part, pitch);
            break;
        case FaceKind::Perforation:
            drawPerforationCorner(painter, part, pitch);
            break;
        }
    }
    if (face.divider != Divider::None) {
        painter.setPen(draftPen(LineKind::Contour));
        painter.setBrush(Qt::white);
        painter.drawRect(dividerBar(field, face.divider, barWidth));
    }
    painter.restore();
}

} // namespace talir::drawings
