#include "stripdrawing.h"

#include <QPainter>
#include <QPainterPath>

namespace talir::calcwin {
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
    int left;   // strip edges
    int right;
    int leftEnd;    // x where the left end section ends
    int rightEnd;   // x where the right end section starts
};

Plan planFor(const QRect& area) {
    const int left = area.left() + kWallWidth + 6;
    const int right = area.right() - kWallWidth - 6;
    return {left, right, left + kEndWidth, right - kEndWidth};
}

void arrowHead(QPainter& p, QPointF tip, double direction) {
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + QPointF(9 * direction, -3));
    head.lineTo(tip + QPointF(9 * direction, 3));
    head.closeSubpath();
    p.fillPath(head, Qt::black);
}

// A horizontal dimension line from x1 to x2 at height y, with extension lines
// up or down to the edges it measures, left open where a text stands on it.
void dimension(QPainter& p, int x1, int x2, int y, int edgeY, QRect gap = {}) {
    p.save();
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(x1, edgeY), QPointF(x1, y + (y > edgeY ? 4 : -4)));
    p.drawLine(QPointF(x2, edgeY), QPointF(x2, y + (y > edgeY ? 4 : -4)));
    if (gap.isNull()) {
        p.drawLine(QPointF(x1, y), QPointF(x2, y));
    } else {
        p.drawLine(QPointF(x1, y), QPointF(gap.left() - 4, y));
        p.drawLine(QPointF(gap.right() + 4, y), QPointF(x2, y));
    }
    arrowHead(p, QPointF(x1, y), 1);
    arrowHead(p, QPointF(x2, y), -1);
    p.restore();
}

void wall(QPainter& p, const QRect& r) {
    p.save();
    p.setPen(QPen(Qt::black, 1.2));
    p.drawRect(r);
    p.setClipRect(r);
    p.setPen(QPen(Qt::black, 0.6));
    for (int x = r.left() - r.height(); x < r.right(); x += 7)
        p.drawLine(x, r.bottom(), x + r.height(), r.top());
    p.restore();
}

void section(QPainter& p, const QRectF& r, int supports) {
    p.save();
    p.setPen(QPen(Qt::black, 1.4));
    p.setBrush(QColor(0xf4, 0xf6, 0xf8));
    p.drawRect(r);
    p.setPen(QPen(Qt::black, 0.5));
    const QRectF field = r.adjusted(4, 4, -4, -4);
    for (double y = field.top() + 3; y < field.bottom(); y += 4)
        p.drawLine(QPointF(field.left(), y), QPointF(field.right(), y));
    p.setPen(QPen(Qt::black, 1.2));
    for (int i = 1; i <= supports; ++i) {
        const double x = field.left() + field.width() * i / (supports + 1);
        p.drawLine(QPointF(x, field.top()), QPointF(x, field.bottom()));
    }
    p.restore();
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

    wall(p, QRect(rect().left() + 2, kStripTop - 14, kWallWidth, kStripHeight + 28));
    wall(p, QRect(rect().right() - kWallWidth - 2, kStripTop - 14, kWallWidth, kStripHeight + 28));

    section(p, QRectF(plan.left, kStripTop, kEndWidth, kStripHeight), 2);
    const double middleWidth = double(plan.rightEnd - plan.leftEnd) / kMiddleCount;
    for (int i = 0; i < kMiddleCount; ++i)
        section(p, QRectF(plan.leftEnd + i * middleWidth, kStripTop, middleWidth, kStripHeight), 3);
    section(p, QRectF(plan.rightEnd, kStripTop, kEndWidth, kStripHeight), 2);

    // The overall size, open where the typed width stands on it.
    dimension(p, plan.left, plan.right, kOverallDimY, stripBottom, overallLabel());

    if (sectionDimensions_) {
        dimension(p, plan.left, plan.leftEnd, kSectionDimY, kStripTop);
        dimension(p, plan.leftEnd, plan.rightEnd, kSectionDimY, kStripTop);
        dimension(p, plan.rightEnd, plan.right, kSectionDimY, kStripTop);
    }
}

} // namespace talir::calcwin
