#pragma once

// What distinguishes the 22 sketch windows: their caption, note, the
// calculation window they return to, the shape of the section and its face.

#include "core/result.h"
#include "sketchlayout.h"

#include <QList>
#include <QSize>
#include <QString>

namespace talir::drawings {

enum class SectionShape { Wide, Tall, Square };

struct SketchDescription {
    QString name;
    QString grille; // "ПТ-Д5": the type, for file names and title blocks
    QString caption;
    QString note;
    QString returnTo;
    SectionShape shape = SectionShape::Wide;
    SketchSubject subject;
    QSize client;
    bool centred = true;
    // The dimension labels: razmA1, razmB1, razmA, razmB, or spelled with
    // a capital R in one of the ПТ-Д6 windows.
    QString labelPrefix;
};

// The subject of a sketch drawn for a calculated section: its overall size
// A1 × B1, the part that enters the opening, the face at the type's pitch.
SketchSubject sectionSubject(const SketchDescription& sketch, const core::SectionGeometry& section);

// "ПТ-Д5 1223x600": the type and the nominal size of the section.
QString sketchTitle(const SketchDescription& sketch, const core::SectionGeometry& section);

// The sketch windows in the order the tool lists them.
const QList<SketchDescription>& sketchTable();
// nullptr for a name that is not a sketch window.
const SketchDescription* findSketch(const QString& name);

} // namespace talir::drawings
