#pragma once

// Reads a painted ПТ-ЛД plan back from its pixels: where the frames of the
// sections stand along the strip.

#include "drawings/strip.h"

#include <QImage>
#include <QList>

#include <cmath>

namespace stripscan {

// The centres of the dark runs along row y between x = from and x = to.
inline QList<double> darkRuns(const QImage& image, int y, int from, int to) {
    QList<double> centres;
    int start = -1;
    for (int x = from; x <= to + 1; ++x) {
        const bool dark = x <= to && x >= 0 && x < image.width() && qGray(image.pixel(x, y)) < 160;
        if (dark && start < 0)
            start = x;
        if (!dark && start >= 0) {
            centres.append((start + x - 1) / 2.0);
            start = -1;
        }
    }
    return centres;
}

// The section edges, left to right. A row through the frames just under
// their top edge crosses only the upright sides of the frames (two
// neighbours share one), and at both ends the walls, a few pixels from the
// strip's outer edges; those are read on a row through the extension lines
// of the section dimensions (above the walls), where a plan has them, and
// left out where it has none.
inline QList<double> sectionEdges(const QImage& image, const talir::drawings::StripLayout& layout,
                                  bool withDimensions = true) {
    const int bandRow = int(std::floor(layout.band.top())) + 2;
    QList<double> edges =
        darkRuns(image, bandRow, int(layout.band.left()) + 6, int(layout.band.right()) - 6);
    if (!withDimensions)
        return edges;
    const int extensionRow = int(std::round(layout.leftEndLine.y1())) + 6;
    const QList<double> outer =
        darkRuns(image, extensionRow, int(layout.band.left()) - 3, int(layout.band.right()) + 3);
    if (outer.size() >= 2) {
        edges.removeIf(
            [&outer](double x) { return x < outer.first() + 2 || x > outer.last() - 2; });
        edges.prepend(outer.first());
        edges.append(outer.last());
    }
    return edges;
}

} // namespace stripscan
