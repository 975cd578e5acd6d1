#pragma once

// A sketch as a file: the drawing of a section with its four sizes, the
// note and a small title block, as PDF on an A4 page at a standard scale,
// as SVG sized in millimetres, or as PNG at 300 dpi.

#include "sketchtable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace talir::drawings {

enum class SketchFileKind { Pdf, Svg, Png };

// The kind a file name's extension names; none for any other.
std::optional<SketchFileKind> sketchFileKind(const QString& fileName);

struct SketchSheet {
    const SketchDescription* sketch = nullptr;
    core::SectionGeometry section;
    QStringList texts; // overall width, overall height, part width, part height
};

// The standard scale 1 : n at which the sketch fits the drawing area of an
// A4 landscape page.
int standardScale(const SketchSheet& sheet);

QByteArray renderSketch(const SketchSheet& sheet, SketchFileKind kind);

// Writes the whole file or nothing; false with `error` set on failure.
bool writeSketch(const QString& fileName, const SketchSheet& sheet, QString* error);

} // namespace talir::drawings
