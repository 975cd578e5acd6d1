#include "helppicture.h"

#include <QPainter>

namespace talir::app {

HelpPicture::HelpPicture(WindowShot shot, QWidget* parent)
    : QWidget(parent), shot_(std::move(shot)) {}

QRectF HelpPicture::imageRect() const {
    const QSizeF source = shot_.logicalSize();
    if (source.isEmpty())
        return {};
    const QSizeF drawn = source.scaled(QSizeF(size()), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - drawn.width()) / 2, (height() - drawn.height()) / 2), drawn);
}

QRectF HelpPicture::toWidget(const QRectF& inShot) const {
    const QRectF target = imageRect();
    if (target.isEmpty())
        return {};
    const double scale = target.width() / shot_.logicalSize().width();
    return QRectF(target.topLeft() + inShot.topLeft() * scale, inShot.size() * scale);
}

void HelpPicture::resizeEvent(QResizeEvent*) {
    scaled_ = QImage();
}

void HelpPicture::paintEvent(QPaintEvent*) {
    const QRectF target = imageRect();
    if (target.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (target.size() * ratio).toSize();
    if (scaled_.size() != pixels) {
        scaled_ = shot_.image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, scaled_);
}

} // namespace talir::app
