#pragma once

#include "calculator.h"

namespace talir::calculators {

// ПТ-МШ: grille with crossed blades, sized from its nominal size.
core::Result calculatePtmw(const Input& input);

} // namespace talir::calculators
