#include "windowshot.h"

#include "calcwin/windowregistry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <memory>

namespace talir::app {
namespace {

const QColor kMarkRed(220, 0, 0);
constexpr double kMarkPen = 3.0;
constexpr double kFrameRoom = 6.0;
constexpr double kLeastRoom = 6.0; // beyond the ends of the longer side of an ellipse's controls

template <typename T = QWidget> T* find(QWidget& window, const QString& name) {
    return window.findChild<T*>(name);
}

// Types the example into the window as a user would have it before pressing
// anything: text boxes take the text, lists pick the entry with that text.
void type(QWidget& window, const std::vector<std::pair<QString, QString>>& typed) {
    for (const auto& [name, text] : typed) {
        if (auto* box = find<QLineEdit>(window, name)) {
            box->setText(text);
        } else if (auto* list = find<QComboBox>(window, name)) {
            const int index = list->findText(text);
            if (index >= 0)
                list->setCurrentIndex(index);
            else if (list->isEditable())
                list->setEditText(text);
        }
    }
}

QRect rectInWindow(QWidget& window, const QWidget& control) {
    return QRect(control.mapTo(&window, QPoint(0, 0)), control.size());
}

void paintTitleBar(QPainter& painter, const QRect& bar, const QWidget& window) {
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, QColor(10, 36, 106));
    gradient.setColorAt(1, QColor(72, 122, 190));
    painter.fillRect(bar, gradient);
    int textLeft = bar.left() + 6;
    if (!window.windowIcon().isNull()) {
        const QRect icon(bar.left() + 4, bar.top() + (bar.height() - 16) / 2, 16, 16);
        window.windowIcon().paint(&painter, icon);
        textLeft = icon.right() + 6;
    }
    QFont font = window.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(textLeft, bar.top(), bar.right() - textLeft, bar.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, window.windowTitle());
}

// The drop-down part of a list as it looks while the user picks an entry:
// every entry on its own row under the box, the current one highlighted.
QRect openListRect(QWidget& window, const QComboBox& list) {
    const QFontMetrics metrics(list.font());
    int width = list.width();
    for (int i = 0; i < list.count(); ++i)
        width = std::max(width, metrics.horizontalAdvance(list.itemText(i)) + 12);
    const QRect box = rectInWindow(window, list);
    return QRect(box.left(), box.bottom() + 1, width, list.count() * (metrics.height() + 2) + 2);
}

void paintOpenList(QPainter& painter, const QRect& area, const QComboBox& list) {
    const QPalette& palette = list.palette();
    painter.fillRect(area, palette.color(QPalette::Base));
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setFont(list.font());
    const int row = QFontMetrics(list.font()).height() + 2;
    for (int i = 0; i < list.count(); ++i) {
        const QRect item(area.left() + 1, area.top() + 1 + i * row, area.width() - 2, row);
        const bool current = i == list.currentIndex();
        if (current)
            painter.fillRect(item, palette.color(QPalette::Highlight));
        painter.setPen(palette.color(current ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(item.adjusted(4, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         list.itemText(i));
    }
}

std::vector<PlacedMark> placeMarks(QWidget& window, const std::vector<Mark>& marks, QPoint origin,
                                   const QRectF& bounds) {
    std::vector<PlacedMark> placed;
    for (const Mark& mark : marks) {
        PlacedMark result{mark.shape, {}, {}, {}};
        for (const QString& name : mark.controls) {
            const QWidget* control = find(window, name);
            if (!control || !control->isVisibleTo(&window))
                continue;
            result.controls << name;
            result.around |= QRectF(rectInWindow(window, *control).translated(origin));
        }
        if (result.controls.isEmpty())
            continue;
        result.outline =
            mark.shape == Mark::Shape::Ellipse
                ? ellipseAround(result.around, bounds)
                : result.around.adjusted(-kFrameRoom, -kFrameRoom, kFrameRoom, kFrameRoom);
        placed.push_back(result);
    }
    return placed;
}

void paintMarks(QPainter& painter, const std::vector<PlacedMark>& marks) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kMarkRed, kMarkPen));
    painter.setBrush(Qt::NoBrush);
    for (const PlacedMark& mark : marks) {
        if (mark.shape == Mark::Shape::Ellipse)
            painter.drawEllipse(mark.outline);
        else
            painter.drawRect(mark.outline);
    }
}

} // namespace

QRectF ellipseAround(const QRectF& rect, const QRectF& bounds) {
    // Give the longer side some room, as far as the picture reaches, then
    // make the shorter axis just long enough for the corners:
    // (w/2)²/a² + (h/2)²/b² = 1.
    const bool wide = rect.width() >= rect.height();
    const double longHalf = (wide ? rect.width() : rect.height()) / 2;
    const double shortHalf = (wide ? rect.height() : rect.width()) / 2;
    const QPointF centre = rect.center();
    const double reach = wide ? std::min(centre.x() - bounds.left(), bounds.right() - centre.x())
                              : std::min(centre.y() - bounds.top(), bounds.bottom() - centre.y());
    const double longAxis = std::clamp(reach - kMarkPen, longHalf + kLeastRoom,
                                       longHalf + std::max(kLeastRoom, 0.4 * longHalf));
    const double ratio = longHalf / longAxis;
    const double shortAxis = shortHalf / std::sqrt(1 - ratio * ratio);
    const double a = (wide ? longAxis : shortAxis) + kMarkPen;
    const double b = (wide ? shortAxis : longAxis) + kMarkPen;
    return QRectF(centre.x() - a, centre.y() - b, 2 * a, 2 * b);
}

WindowShot takeShot(const ShotRecipe& recipe) {
    std::unique_ptr<QWidget> window = calcwin::registry().build(recipe.window);
    if (!window)
        return {};
    // Shown but never on the screen: its layout and visibility are those of
    // the real window, and nobody sees it.
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    type(*window, recipe.typed);
    if (!recipe.press.isEmpty())
        if (auto* button = find<QAbstractButton>(*window, recipe.press))
            button->click();

    const QPixmap grabbed = window->grab();
    const qreal ratio = grabbed.devicePixelRatio();
    const QSize windowSize = window->size();
    const QPoint origin(kShotMargin, kShotMargin + kShotTitleBar);
    auto* openList =
        recipe.openList.isEmpty() ? nullptr : find<QComboBox>(*window, recipe.openList);
    const QRect listArea = openList ? openListRect(*window, *openList).translated(origin) : QRect();

    const QRect frame(kShotMargin, kShotMargin, windowSize.width(),
                      kShotTitleBar + windowSize.height());
    QRect content = frame | listArea;
    content.adjust(-kShotMargin, -kShotMargin, kShotMargin, kShotMargin);
    content.setTopLeft(QPoint(0, 0));

    WindowShot shot;
    shot.windowOrigin = origin;
    shot.image = QImage(content.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    shot.image.setDevicePixelRatio(ratio);
    shot.image.fill(Qt::transparent);
    shot.marks = placeMarks(*window, recipe.marks, origin, QRectF(content));

    QPainter painter(&shot.image);
    paintTitleBar(painter, QRect(frame.topLeft(), QSize(frame.width(), kShotTitleBar)), *window);
    painter.drawPixmap(origin, grabbed);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(frame.adjusted(-1, -1, 0, 0));
    if (openList)
        paintOpenList(painter, listArea, *openList);
    paintMarks(painter, shot.marks);
    painter.end();

    window->hide();
    return shot;
}

} // namespace talir::app
