#include "stripdrawing.h"

#include <QPainter>

#include <utility>

namespace talir::calcwin {

StripDrawing::StripDrawing(drawings::StripPlan plan, QWidget* parent)
    : QWidget(parent), plan_(std::move(plan)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StripDrawing::setStrip(const core::StripGeometry& strip) {
    plan_ = drawings::stripPlan(strip);
    update();
}

drawings::StripLayout StripDrawing::layout() const {
    return drawings::layOutStrip(plan_, QRectF(rect()));
}

void StripDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawings::paintStrip(painter, plan_, QRectF(rect()));
}

} // namespace talir::calcwin
