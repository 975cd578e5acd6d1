#pragma once

// The sheet of a section sketch: the front view, the side view to its right,
// the view from below under it, and the four dimensions the sketch window
// writes its sizes at. The layout is computed, never drawn by hand, so that
// the labels can be placed from it.

#include "draft.h"
#include "sectionviews.h"

#include <QSizeF>

class QPainter;

namespace talir::drawings {

// A representative section of a grille type, in millimetres. The sketch is
// schematic: these proportions, not the sizes just calculated, shape it.
struct SectionModel {
    QSizeF overall;    // width and height of the flange's outer edge
    double flange = 0; // from the outer edge to the body, each side
    double flangeThickness = 0;
    double depth = 0; // of the body behind the flange
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
SketchLayout layOutSketch(const SketchSubject& subject, const QSizeF& sheet,
                          const QSizeF& textRoom);

// The views and dimensions; the texts and the leaders are the caller's.
void paintSketch(QPainter& painter, const SketchLayout& layout);

} // namespace talir::drawings
