#pragma once

#include <QString>

namespace talir::core {

// Upper limits on what the user may type, the same for every grille type.
// They are far beyond any building (100 m across, a million m³/h) and keep
// every type's section counts exact and every figure inside the range of the
// four-decimal fixed-point values, so no input can overflow or take long.
inline constexpr double kMaxSizeMm = 100000.0;
inline constexpr double kMaxFlowM3h = 1000000.0;

// The invalid-input message for a size or flow beyond those limits.
QString beyondLimitsMessage();

} // namespace talir::core
