#include "lineshape.h"

#include "drawings/draft.h"

#include <QPainter>

namespace talir::calcwin {

using namespace drawings; // the drawing vocabulary

namespace {
constexpr double margin = 2; // room around the line for its width and smoothing
}

LineShape::LineShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void LineShape::setLine(const QLineF& line) {
    line_ = line;
    const QRectF box = QRectF(line.p1(), line.p2()).normalized();
    setGeometry(box.adjusted(-margin, -margin, margin, margin).toAlignedRect());
    update();
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(draftPen(LineKind::Thin));
    painter.translate(-QPointF(pos()));
    painter.drawLine(line_);
}

} // namespace talir::calcwin
