#pragma once

// The plan of a ПТ-ЛД strip in its wall opening: the wall at both ends, an
// end section ПТ-ЛД1 at each end and the 1000 mm sections ПТ-ЛД2 between
// them, with the overall dimension line under the strip and, once a
// composition is known, a dimension line over each kind of section.
//
// Along the strip the plan is in millimetres and drawn to scale: the
// sections keep the proportions of their widths. A strip is 2 to 100 m long
// and at most half a metre high, so across the strip the plan is schematic
// (a band of fixed height). A strip with more middle sections than fit
// legibly side by side is drawn with a break: a few middle sections at each
// end of the run, two break lines between them, and the run's dimension
// spanning the whole of it.

#include "core/result.h"

#include <QLineF>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace talir::drawings {

// A stretch along the drawing, in millimetres from the opening's left face.
// Beyond a break the positions are those of the shortened drawing.
struct StripSpan {
    double from = 0;
    double to = 0;
    double length() const { return to - from; }
};

enum class StripPart { LeftEnd, Middle, RightEnd };

// One section as drawn. Sections next to a break keep their whole extent;
// the break hides the part between its lines.
struct StripSection {
    StripPart part;
    StripSpan span;
    int supports = 0;
};

// Middle sections drawn side by side at most; a longer run is broken.
inline constexpr std::int64_t kMostMiddlesDrawn = 6;

struct StripPlan {
    double opening = 0;      // the opening length the overall dimension states, mm
    double drawnOpening = 0; // the opening as drawn, shortened by what a break leaves out
    std::int64_t middles = 0;
    std::vector<StripSection> sections; // left to right
    std::optional<StripSpan> cut;       // what lies between the two break lines
    bool sectionDimensions = false;
    // What the dimension line of each kind of section measures.
    StripSpan leftEnd;
    StripSpan middleRun;
    StripSpan rightEnd;

    // Middle sections drawn in full, untouched by a break.
    std::int64_t wholeMiddles() const;
};

// The plan of a calculated strip, with its section dimensions.
StripPlan stripPlan(const core::StripGeometry& strip);
// The plan shown before a calculation: a typical strip with the overall
// dimension line only.
StripPlan stripPlanBeforeCalculation();

// Where painting puts the plan in a target rectangle, in the target's
// coordinates: the strip's band, each section's rectangle (in the order of
// the plan), the break lines, the dimension lines and the boxes their texts
// stand in (above a section dimension line, centred on the overall one).
struct StripLayout {
    QRectF band;
    QList<QRectF> sections;
    QList<QPainterPath> breakLines;
    QLineF overallLine;
    QLineF leftEndLine;
    QLineF middleLine;
    QLineF rightEndLine;
    QRectF overallText;
    QRectF leftEndText;
    QRectF middleText;
    QRectF rightEndText;
};

// The plan is designed for a band of drawing kDesignHeight units high and
// scaled once to the target's height; it runs the target's whole width.
inline constexpr double kStripDesignHeight = 150;

StripLayout layOutStrip(const StripPlan& plan, const QRectF& target);

// The texts written on the drawing: the widths of the ends, the middle run
// and the opening, as the calculation wrote them for the window.
struct StripTexts {
    QString leftEnd;
    QString middles;
    QString rightEnd;
    QString overall;

    static StripTexts of(const core::Result& result);
};

// Paints the plan into `target` on any painter (screen, image, PDF, SVG):
// without texts, where the window puts its labels over the drawing, or with
// them, for a drawing that leaves the window.
void paintStrip(QPainter& painter, const StripPlan& plan, const QRectF& target);
void paintStrip(QPainter& painter, const StripPlan& plan, const QRectF& target,
                const StripTexts& texts);

} // namespace talir::drawings
