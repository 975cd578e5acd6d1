#pragma once

#include "calculator.h"

namespace talir::calculators {

// ПТ-Д5: louvre grille sized from the wall opening.
core::Result calculatePtd5(const Input& input);

} // namespace talir::calculators
