#include "sketchdrawing.h"

#include <QPainter>

#include <algorithm>

namespace talir::calcwin {

SketchDrawing::SketchDrawing(const SketchSubject& subject, const QSize& designSize,
                             const QSizeF& textRoom, QWidget* parent)
    : QWidget(parent), sheet_(designSize), textRoom_(textRoom),
      layout_(layOutSketch(subject, QSizeF(designSize), textRoom)) {
    resize(designSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SketchDrawing::setSubject(const SketchSubject& subject) {
    layout_ = layOutSketch(subject, sheet_, textRoom_);
    update();
}

QRectF SketchDrawing::textRect(SketchDimension which, const QSizeF& text) const {
    const QTransform transform = sheetToWidget();
    const double scale = transform.m11() > 0 ? transform.m11() : 1;
    return transform.mapRect(drawings::dimensionTextRect(layout_, which, text / scale));
}

Leader SketchDrawing::leaderTo(SketchDimension which, const QSizeF& text) const {
    const QTransform transform = sheetToWidget();
    const double scale = transform.m11() > 0 ? transform.m11() : 1;
    return mapped(drawings::fittedLeader(layout_, which, text / scale));
}

QTransform SketchDrawing::sheetToWidget() const {
    if (sheet_.isEmpty())
        return {};
    const double scale = std::min(width() / sheet_.width(), height() / sheet_.height());
    QTransform transform;
    transform.translate((width() - sheet_.width() * scale) / 2,
                        (height() - sheet_.height() * scale) / 2);
    transform.scale(scale, scale);
    return transform;
}

QRectF SketchDrawing::frontView() const {
    return sheetToWidget().mapRect(layout_.front.outline);
}

QRectF SketchDrawing::sideView() const {
    return sheetToWidget().mapRect(layout_.side.bounds());
}

QRectF SketchDrawing::bottomView() const {
    return sheetToWidget().mapRect(layout_.bottom.bounds());
}

QLineF SketchDrawing::dimensionLine(SketchDimension which) const {
    return sheetToWidget().map(layout_.dimension(which).line());
}

Leader SketchDrawing::mapped(const Leader& leader) const {
    const QTransform transform = sheetToWidget();
    const QLineF shelf = transform.map(leader.shelf());
    return {transform.map(leader.start), shelf.p1(), shelf.p2().x() - shelf.p1().x()};
}

Leader SketchDrawing::overallHeightLeader() const {
    return mapped(layout_.overallHeightLeader);
}

Leader SketchDrawing::partHeightLeader() const {
    return mapped(layout_.partHeightLeader);
}

void SketchDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(sheetToWidget());
    paintSketch(painter, layout_);
}

} // namespace talir::calcwin
