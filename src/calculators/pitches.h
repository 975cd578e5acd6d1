#pragma once

// The pitches of the grille faces that the calculators count blades by, in
// millimetres. The formulas of free area and mass use them, and the sketches
// draw the faces at them.

#include <QStringView>

#include <optional>

namespace talir::calculators {

// ПТ-Д5 and ПТ-Д6: louvre blades, one per 50 mm of section height.
inline constexpr int kLouvrePitch = 50;
// ПТ-Л, ПТ-ЛШ, ПТ-М, ПТ-МШ: blades, one per 20 mm (and, crossed, per 20 mm
// of width).
inline constexpr int kBladePitch = 20;

// The face pitch of the grille a calculation window calculates ("PTD5");
// none where the formulas count no blades (the mesh and perforated panels).
std::optional<double> facePitch(QStringView window);

} // namespace talir::calculators
