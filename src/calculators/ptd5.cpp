#include "ptd5.h"

#include "core/numbers.h"
#include "pitches.h"
#include "sections.h"

namespace talir::calculators {
namespace {

using core::F;
using core::Fixed4;

// ПТ-Д5 constants, as the design engineers name them.
struct Ptd5 {
    static constexpr double kAllowance = 54.5;      // overall size − nominal size
    static constexpr double kFitClearance = 3;      // nominal size − size that enters the opening
    static constexpr double kLargestNominal = 2000; // a single grille, either side
    static constexpr double kLargestNominalSum = 3000; // a single grille, width + height
    static constexpr double kLargestOverall = 2054.5;  // a section, either side
    static constexpr double kLargestOverallSum = 3109; // a section, width + height
    // Size class of the section width, on A1: nominal widths below 500,
    // 1100, 1500 mm and the rest.
    static constexpr std::array<double, 3> kWidthClasses = {554.5, 1154.5, 1554.5};
};

const SectionRules kRules{
    .widthAllowance = Ptd5::kAllowance,
    .heightAllowance = Ptd5::kAllowance,
    .single = {.width = Ptd5::kLargestNominal,
               .height = Ptd5::kLargestNominal,
               .sum = Ptd5::kLargestNominalSum},
    .start = {.oneColumnUpTo = Ptd5::kLargestNominal,
              .oneRowUpTo = Ptd5::kLargestNominal,
              .rowHeight = Ptd5::kLargestOverall,
              .columnWidth = Ptd5::kLargestOverall,
              .gridWidth = Ptd5::kLargestOverall,
              .gridHeight = Ptd5::kLargestOverall},
    .adjustment = Adjustment{.largestWidth = Ptd5::kLargestOverall,
                             .largestHeight = Ptd5::kLargestOverall,
                             .largestSum = Ptd5::kLargestOverallSum},
};

} // namespace

core::Result calculatePtd5(const Input& input) {
    const auto composed = compose(input, kRules, standardInvalidMessage());
    if (const auto* message = std::get_if<core::Result>(&composed))
        return *message;
    const Composition& composition = std::get<Composition>(composed);
    const auto& [sections, Q] = composition;

    const Fixed4 A1 = sections.overallWidth;
    const Fixed4 B1 = sections.overallHeight;
    const double a1 = sections.width;
    const double b1 = sections.height;
    const double t = sizeClass(A1, Ptd5::kWidthClasses);

    const Fixed4 Fcc = F((b1 / kLouvrePitch - 1) * (a1 - 6.4) * 25 / 1e6);

    const double P = 2 * (A1 + B1).toDouble();
    const double M1 = P * 0.1399 / 1000 + (b1 / kLouvrePitch) * 0.1563 * (a1 - 2.6) / 1000 +
                      (b1 / 1000) * t * 0.028;
    const double M2 = P / 1000 * 0.244 + (b1 / kLouvrePitch) * (a1 - 2.6) / 1000 * 0.211 +
                      (b1 / 1000) * 0.057 * t;
    const Fixed4 m = F(M2 + 0.2 * M1);

    SectionPanel panel = sectionPanel(QStringLiteral("ПТ-Д5"), sections, Ptd5::kFitClearance,
                                      Ptd5::kFitClearance, input.locale);
    addFigures(panel, Fcc, m, composition, Aerodynamics::Louvre);
    return compositeResult(panel, Q,
                           sketchForShape(A1, B1, QStringLiteral("EskizD5"),
                                          QStringLiteral("EskizD5_1"),
                                          QStringLiteral("EskizD5_2")));
}

} // namespace talir::calculators
