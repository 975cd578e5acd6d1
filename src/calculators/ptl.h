#pragma once

#include "calculator.h"

namespace talir::calculators {

// ПТ-Л (horizontal blades) and ПТ-ЛШ (crossed blades): grilles sized from
// their mounting size.
core::Result calculatePtl(const Input& input);
core::Result calculatePtlw(const Input& input);

} // namespace talir::calculators
