#pragma once

#include "cli.h"
#include "core/result.h"

#include <QString>

namespace talir::cli {

// The problem with a --sketch file name, found before anything is
// calculated; empty when its extension names a kind the tool writes.
QString sketchFileProblem(const QString& fileName);

// Writes the sketch of a calculation to fileName, whole or not at all. The
// status is 0 when written, 1 for an outcome without a sketch (nothing is
// written), 2 when the file cannot be written; err says why.
Output writeResultSketch(const QString& fileName, const core::Result& result);

} // namespace talir::cli
