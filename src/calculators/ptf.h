#pragma once

#include "calculator.h"

namespace talir::calculators {

// ПТ-Ф (mesh face) and ПТ-Ж (perforated face), sized from the wall opening;
// Input::sub selects the sub-types ПТ-Ф1 and ПТ-Ж1.
core::Result calculatePtf(const Input& input);
core::Result calculatePtj(const Input& input);

} // namespace talir::calculators
