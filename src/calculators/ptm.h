#pragma once

#include "calculator.h"

namespace talir::calculators {

// ПТ-М: grille with horizontal blades, sized from its nominal size.
core::Result calculatePtm(const Input& input);

} // namespace talir::calculators
