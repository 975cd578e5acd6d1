#pragma once

#include "calculator.h"

namespace talir::calculators {

// ПТ-Д6: louvre grille with blades at a 50 mm pitch, sized from the wall
// opening; without mesh (window PTD6) and with mesh (window PTD6set).
core::Result calculatePtd6(const Input& input);
core::Result calculatePtd6Mesh(const Input& input);

} // namespace talir::calculators
