#pragma once

#include "drawings/sketchlayout.h"

#include <QTransform>
#include <QWidget>

namespace talir::calcwin {

using drawings::Leader;
using drawings::SketchDimension;
using drawings::SketchLayout;
using drawings::SketchSubject;

// The drawing of a sketch window: a section of a grille in three views with
// its dimension lines. It is laid out once on a sheet of its design size and
// painted scaled to whatever size it is shown at. It tells where its
// dimension lines and leaders are, in its own pixels, so that the window can
// write the sizes beside them.
class SketchDrawing : public QWidget {
    Q_OBJECT
public:
    // textRoom: the size of the longest dimension text expected.
    SketchDrawing(const SketchSubject& subject, const QSize& designSize, const QSizeF& textRoom,
                  QWidget* parent = nullptr);

    const SketchLayout& layout() const { return layout_; }
    // Lays the drawing out anew for another section, on the same sheet.
    void setSubject(const SketchSubject& subject);
    // Where a text of `text` pixels stands at its dimension, and the leader
    // of a height fitted to it, in this widget's pixels.
    QRectF textRect(SketchDimension which, const QSizeF& text) const;
    Leader leaderTo(SketchDimension which, const QSizeF& text) const;
    // From the sheet to this widget's pixels.
    QTransform sheetToWidget() const;

    QRectF frontView() const;
    QRectF sideView() const;
    QRectF bottomView() const;
    QLineF dimensionLine(SketchDimension which) const;
    Leader overallHeightLeader() const;
    Leader partHeightLeader() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Leader mapped(const Leader& leader) const;

    QSizeF sheet_;
    QSizeF textRoom_;
    SketchLayout layout_;
};

} // namespace talir::calcwin
