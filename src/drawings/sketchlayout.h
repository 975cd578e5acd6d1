#pragma once

// The sheet of a section sketch: the front view, the side view to its right,
// the view from below under it, and the four dimensions the sketch window
// writes its sizes at. The layout is computed, never drawn by hand, so that
// the labels can be placed from it.

#include "draft.h"
#include "sectionviews.h"

#include <QSizeF>
#include <QStringList>

class QPainter;

namespace talir::drawings {

// A section of a grille, in millimetres: the section just calculated, or a
// representative one of the type before any calculation.
struct SectionModel {
    QSizeF overall;    // width and height of the flange's outer edge
    double flange = 0; // from the outer edge to the body, each side
    double flangeThickness = 0;
    double depth = 0; // of the body behind the flange
    // The body that enters the opening, centred behind the flange; empty:
    // the overall size less the flange each side.
    QSizeF part = {};

    // The flange widths, left and right (width) and top and bottom (height).
    QSizeF flanges() const;
};

struct SketchSubject {
    SectionModel model;
    Face face;
    bool fixingHoles = false; // in the flange, at both sides
};

// The four sizes of a section sketch.
enum class SketchDimension {
    OverallWidth,  // of the front view
    OverallHeight, // of the front view
    PartWidth,     // of the body, on the view from below
    PartHeight,    // of the body, on the side view
};

struct SketchLayout {
    FrontView front;
    ProfileView side;
    ProfileView bottom;
    Dimension overallWidth;
    Dimension overallHeight;
    Dimension partWidth;
    Dimension partHeight;
    // The heights are written on shelves: leaders from the middle of their
    // dimension lines, the shelf as long as `textRoom` allows.
    Leader overallHeightLeader;
    Leader partHeightLeader;

    const Dimension& dimension(SketchDimension which) const;
    // Everything drawn, and the room kept for the texts.
    QRectF bounds() const;
};

// Fits the sketch of `subject` into a sheet of `sheet` logical units,
// keeping room for dimension texts of `textRoom` size (the longest text
// expected) at each dimension.
// unitsPerMm > 0 draws at that scale (a standard scale on paper), centred
// on the sheet, instead of the largest that fits.
SketchLayout layOutSketch(const SketchSubject& subject, const QSizeF& sheet, const QSizeF& textRoom,
                          double unitsPerMm = 0);

// The size of the sheet a sketch needs at `unitsPerMm`, its texts included.
QSizeF sketchExtent(const SketchSubject& subject, const QSizeF& textRoom, double unitsPerMm);

// Where the text of a dimension stands, for a text of `text` size: the
// widths centred over their dimension lines, the heights on the shelves of
// their leaders. The leader of a height, its shelf as long as the text.
QRectF dimensionTextRect(const SketchLayout& layout, SketchDimension which, const QSizeF& text);
Leader fittedLeader(const SketchLayout& layout, SketchDimension which, const QSizeF& text);

// The four texts in the order of SketchDimension, written with the
// painter's font at their places, the leaders drawn.
void paintSketchTexts(QPainter& painter, const SketchLayout& layout, const QStringList& texts);

// The views and dimensions; the texts and the leaders are the caller's.
void paintSketch(QPainter& painter, const SketchLayout& layout);

} // namespace talir::drawings
