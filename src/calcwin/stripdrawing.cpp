#include "stripdrawing.h"

#include "drawings/draft.h"
#include "drawings/faces.h"

#include <QPainter>

namespace talir::calcwin {

using namespace drawings; // the drawing vocabulary
namespace {

// Geometry of the plan in widget pixels (the widget is laid out at a fixed
// size, so these stay put).
constexpr int kWallWidth = 34;
constexpr int kStripTop = 46;
constexpr int kStripHeight = 44;
constexpr int kEndWidth = 110;
constexpr int kMiddleCount = 3;
constexpr int kSectionDimY = 22;
constexpr int kOverallDimY = 128;

struct Plan {
    int left; // strip edges
    int right;
    int leftEnd;  // x where the left end section ends
    int rightEnd; // x where the right end section starts
};

Plan planFor(const QRect& area) {
    const int left = area.left() + kWallWidth + 6;
    const int right = area.right() - kWallWidth - 6;
    return {left, right, left + kEndWidth, right - kEndWidth};
}

void wall(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(draftPen(LineKind::Contour));
    p.drawRect(r);
    p.setClipRect(r);
    p.setPen(draftPen(LineKind::Thin));
    for (double x = r.left() - r.height(); x < r.right(); x += 7)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    p.restore();
}

// One section seen from the front: frame, narrow blades and its supports.
void section(QPainter& p, const QRectF& r, int supports) {
    p.save();
    p.setPen(draftPen(LineKind::Contour));
    p.drawRect(r);
    const QRectF field = r.adjusted(4, 4, -4, -4);
    drawNarrowBlades(p, field, 4);
    p.setPen(draftPen(LineKind::Contour));
    for (int i = 1; i <= supports; ++i) {
        const double x = field.left() + field.width() * i / (supports + 1);
        p.drawLine(QPointF(x, field.top()), QPointF(x, field.bottom()));
    }
    p.restore();
}

Dimension across(double from, double to, double edgeY, double at) {
    return {QPointF(from, edgeY), QPointF(to, edgeY), Qt::Horizontal, at};
}

} // namespace

StripDrawing::StripDrawing(bool sectionDimensions, QWidget* parent)
    : QWidget(parent), sectionDimensions_(sectionDimensions) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect StripDrawing::leftEndLabel() const {
    const Plan plan = planFor(rect());
    return {plan.left, 0, plan.leftEnd - plan.left, 17};
}

QRect StripDrawing::middleLabel() const {
    const Plan plan = planFor(rect());
    return {plan.leftEnd, 0, plan.rightEnd - plan.leftEnd, 17};
}

QRect StripDrawing::rightEndLabel() const {
    const Plan plan = planFor(rect());
    return {plan.rightEnd, 0, plan.right - plan.rightEnd, 17};
}

QRect StripDrawing::overallLabel() const {
    const Plan plan = planFor(rect());
    const int centre = (plan.left + plan.right) / 2;
    return {centre - 40, kOverallDimY - 10, 80, 20};
}

void StripDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const Plan plan = planFor(rect());
    const int stripBottom = kStripTop + kStripHeight;

    wall(p, QRectF(rect().left() + 2, kStripTop - 14, kWallWidth, kStripHeight + 28));
    wall(p, QRectF(rect().right() - kWallWidth - 2, kStripTop - 14, kWallWidth, kStripHeight + 28));

    section(p, QRectF(plan.left, kStripTop, kEndWidth, kStripHeight), 2);
    const double middleWidth = double(plan.rightEnd - plan.leftEnd) / kMiddleCount;
    for (int i = 0; i < kMiddleCount; ++i)
        section(p, QRectF(plan.leftEnd + i * middleWidth, kStripTop, middleWidth, kStripHeight), 3);
    section(p, QRectF(plan.rightEnd, kStripTop, kEndWidth, kStripHeight), 2);

    // The overall size; the typed width stands on its line.
    drawDimension(p, across(plan.left, plan.right, stripBottom, kOverallDimY));
    if (sectionDimensions_) {
        drawDimension(p, across(plan.left, plan.leftEnd, kStripTop, kSectionDimY));
        drawDimension(p, across(plan.leftEnd, plan.rightEnd, kStripTop, kSectionDimY));
        drawDimension(p, across(plan.rightEnd, plan.right, kStripTop, kSectionDimY));
    }
}

} // namespace talir::calcwin
