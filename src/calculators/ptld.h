#pragma once

#include "calculator.h"

namespace talir::calculators {

// ПТ-ЛД: a strip of 1000 mm middle sections (ПТ-ЛД2) with an end section
// (ПТ-ЛД1) of a standard width at each end. Input: a = txtL (the opening's
// length), b = txtB (the opening's height, 5 mm more than the grille's),
// q = txtQ. The result writes every computed label of the window in every
// outcome, in the order of ptldTextControls(); there is no sketch.
core::Result calculatePtld(const Input& input);

// The computed labels of the ПТ-ЛД window.
const std::vector<QString>& ptldTextControls();

} // namespace talir::calculators
