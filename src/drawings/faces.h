#pragma once

// The faces of the grilles as the front view shows them: blade fields,
// crossed blades, a mesh or a perforation drawn in one corner of a plain
// panel. Sizes are in logical units; the pitches of the real product are
// given in millimetres and drawn at the drawing's scale, never denser than
// the eye can tell apart.

#include <QList>
#include <QRectF>

class QPainter;

namespace talir::drawings {

enum class FaceKind {
    WideBlades,    // louvre blades at a 50 mm pitch, seen as broad bands
    NarrowBlades,  // thin horizontal blades at a 20 mm pitch
    CrossedBlades, // a grid of horizontal and vertical blades
    Mesh,          // a plain panel with a square mesh, drawn in one corner
    Perforation,   // a plain panel with round holes, drawn in one corner
};

// A bar that splits the face into two fields: upright between fields side
// by side, lying between fields one above the other.
enum class Divider { None, Vertical, Horizontal };

struct Face {
    FaceKind kind = FaceKind::WideBlades;
    Divider divider = Divider::None;
    // The product's pitch, mm; 0 for the pattern's typical one.
    double pitchMm = 0;
};

// Width of the dividing bar of the real product, mm.
constexpr double dividerBarWidth = 30.0;

// The drawn pitch of a face's pattern, in logical units.
// The real pitch where it is legible, else the closest legible one: the
// pattern is then drawn schematically, evenly spaced.
double facePitch(FaceKind kind, double unitsPerMm);
double facePitch(const Face& face, double unitsPerMm);

// A louvre blade as the front view shows it: the height of its upper edge
// and of its lip. A side view draws the same blades edge-on.
struct LouvreBlade {
    double edge;
    double lip;
};
QList<LouvreBlade> louvreBlades(const QRectF& field, double pitch);

// The face drawn into `field` (the opening of the frame), at `unitsPerMm`.
void drawFace(QPainter& painter, const QRectF& field, const Face& face, double unitsPerMm);

// The dividing bar and the fields either side of it (one field if none).
QRectF dividerBar(const QRectF& field, Divider divider, double barWidth);
QList<QRectF> faceFields(const QRectF& field, Divider divider, double barWidth);

// The single patterns; a pitch is the distance between neighbours in
// logical units.
void drawWideBlades(QPainter& painter, const QRectF& field, double pitch);
void drawNarrowBlades(QPainter& painter, const QRectF& field, double pitch);
void drawCrossedBlades(QPainter& painter, const QRectF& field, double pitch);
void drawMeshCorner(QPainter& painter, const QRectF& field, double pitch);
void drawPerforationCorner(QPainter& painter, const QRectF& field, double pitch);

} // namespace talir::drawings
