#pragma once

// The views of one grille section: the front view with its face, and the
// section seen edge-on, from its side or from below. Geometry is in logical
// units; the caller has placed the views.

#include "faces.h"

#include <QList>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace talir::drawings {

// The section as the user faces it: the flange's outer edge (the overall
// size), the opening of the frame with the face, and the fixing holes.
struct FrontView {
    QRectF outline;
    QRectF field;
    Face face;
    QList<QPointF> holes;
    double holeRadius = 0;
    double unitsPerMm = 1;
};

void drawFrontView(QPainter& painter, const FrontView& view);

// The section seen edge-on: the flange, and beside it the body that enters
// the opening. In a side view the flange stands upright (`across` is
// Qt::Vertical); in the view from below it lies (`across` is Qt::Horizontal).
// What the walls hide is drawn dashed: the fixing holes through the flange,
// the dividing bar, the louvre blades.
struct ProfileView {
    QRectF flange;
    QRectF body;
    Qt::Orientation across = Qt::Vertical;
    QList<double> holes; // along the flange: y in a side view, x from below
    double holeRadius = 0;
    QList<QRectF> bars;         // dividing bars inside the body
    QList<LouvreBlade> louvres; // louvre blades inside the body (side view)

    QRectF bounds() const { return flange.united(body); }
};

void drawProfileView(QPainter& painter, const ProfileView& view);

} // namespace talir::drawings
