#pragma once

#include "core/result.h"
#include "drawings/strip.h"

#include <QWidget>

namespace talir::calcwin {

// The plan of a ПТ-ЛД strip in the window (drawings/strip.h paints it): the
// plan before a calculation, or the strip just calculated with its section
// dimensions. The window writes the widths over it with its own labels.
class StripDrawing : public QWidget {
    Q_OBJECT
public:
    StripDrawing(drawings::StripPlan plan, QWidget* parent);

    void setStrip(const core::StripGeometry& strip);
    const drawings::StripPlan& plan() const { return plan_; }
    // Where the plan's dimension lines and their texts are, in this widget.
    drawings::StripLayout layout() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    drawings::StripPlan plan_;
};

} // namespace talir::calcwin
