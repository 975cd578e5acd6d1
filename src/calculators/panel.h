#pragma once

// The fixed captions of the result panel shared by the calculation windows,
// and the order in which a person reads the panel: the window lays them out,
// the command-line companion prints them.

#include "core/result.h"

#include <QString>
#include <QStringList>

namespace talir::calculators {

struct PanelLine {
    QString control;   // the label that shows the text
    QString caption;   // its fixed text; empty for a computed text
    bool flowRow;      // shown only for a non-zero air flow
    bool jetThrowOnly; // only in the windows with jet throw
};

// The result panel of the common calculation window, in reading order.
const std::vector<PanelLine>& panelLines();

// The texts a person reads after a calculation, one per line, as the common
// calculation window shows them.
QStringList readPanel(const core::Result& result, bool jetThrow);

} // namespace talir::calculators
