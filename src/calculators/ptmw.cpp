#include "ptmw.h"

#include "core/numbers.h"
#include "pitches.h"
#include "sections.h"

#include <cstdint>

namespace talir::calculators {
namespace {

using core::F;
using core::Fixed4;

// ПТ-МШ constants, as the design engineers name them. A section is long and
// narrow: at most 2000 × 500 or 500 × 2000 mm nominal.
struct Ptmw {
    static constexpr double kAllowance = 47.5;     // overall size − nominal size
    static constexpr double kLongNominal = 2000;   // the long side of a single grille
    static constexpr double kShortNominal = 500;   // its short side
    static constexpr double kLongOverall = 2047.5; // the long side of a section
    static constexpr double kShortOverall = 547.5; // its short side
    static constexpr double kBodyMargin = 2;       // nominal size − body size
    static constexpr std::array<double, 3> kStiffenerClasses = {547.5, 1147.5, 1547.5};
};

// Rows when the width fits, else upright columns when the height fits, else a
// grid; the start counts already keep every section within its limits.
const SectionRules kRules{
    .widthAllowance = Ptmw::kAllowance,
    .heightAllowance = Ptmw::kAllowance,
    .single = {.width = Ptmw::kLongNominal,
               .height = Ptmw::kLongNominal,
               .shortSide = Ptmw::kShortNominal},
    .start = {.oneColumnUpTo = Ptmw::kLongNominal,
              .oneRowUpTo = Ptmw::kLongNominal,
              .rowHeight = Ptmw::kShortOverall,
              .columnWidth = Ptmw::kShortOverall,
              .gridWidth = Ptmw::kLongOverall,
              .gridHeight = Ptmw::kShortOverall},
};

// x \ 20 of a whole number of millimetres.
std::int32_t twentieths(double x) {
    return static_cast<std::int32_t>(core::R(x)) / kBladePitch;
}

} // namespace

core::Result calculatePtmw(const Input& input) {
    const auto composed = compose(input, kRules, standardInvalidMessage());
    if (const auto* message = std::get_if<core::Result>(&composed))
        return *message;
    const Composition& composition = std::get<Composition>(composed);
    const auto& [sections, Q] = composition;

    const Fixed4 A1 = sections.overallWidth;
    const Fixed4 B1 = sections.overallHeight;
    const double a = sections.width;
    const double b = sections.height;
    const short kA = sizeClass(A1, Ptmw::kStiffenerClasses); // vertical stiffeners
    const short kB = sizeClass(B1, Ptmw::kStiffenerClasses); // horizontal stiffeners
    const std::int32_t hB = twentieths(b - 20);              // horizontal blades
    const std::int32_t vA = twentieths(a - 20);              // vertical blades

    // Blade field less 3.5 mm per horizontal blade, 3 mm per vertical blade
    // and 30 mm per stiffener.
    const Fixed4 Fcc = F(((a - 12) * (b - 12) - 3.5 * hB * (a - 12) - 3 * vA * (b - 12) -
                          30 * kA * (b - 12) - 30 * kB * (a - 12)) /
                         1e6);
    // Frame 0.292 kg/m of overall perimeter, blades 0.088 kg/m, stiffeners 0.354 kg/m.
    const Fixed4 m = F(0.292 * 2 * (A1 + B1).toDouble() / 1000 + 0.088 * (a * hB + b * vA) / 1000 +
                       0.354 * (kA * (b - 12) + kB * (a - 12)) / 1000);

    SectionPanel panel = sectionPanel(QStringLiteral("ПТ-МШ"), sections, Ptmw::kBodyMargin,
                                      Ptmw::kBodyMargin, input.locale);
    addFigures(panel, Fcc, m, composition, Aerodynamics::Jet);
    return compositeResult(panel, Q,
                           sketchForShape(A1, B1, QStringLiteral("EskizMW"),
                                          QStringLiteral("EskizMW_1"),
                                          QStringLiteral("EskizMW_2")));
}

} // namespace talir::calculators
