#include "ptm.h"

#include "core/numbers.h"
#include "pitches.h"
#include "sections.h"

#include <cstdint>

namespace talir::calculators {
namespace {

using core::F;
using core::Fixed4;

// ПТ-М constants, as the design engineers name them.
struct Ptm {
    static constexpr double kAllowance = 48;        // overall size − nominal size
    static constexpr double kLargestNominal = 1500; // a single grille, either side
    static constexpr double kLargestOverall = 1548; // a section, either side
    static constexpr double kBodyWidthMargin = 2;   // nominal width − body width
    static constexpr double kBodyHeightMargin = 10; // nominal height − body height
    static constexpr std::array<double, 3> kSupportClasses = {548, 1148, 1548}; // on A1
};

const SectionRules kRules{
    .widthAllowance = Ptm::kAllowance,
    .heightAllowance = Ptm::kAllowance,
    .single = {.width = Ptm::kLargestNominal, .height = Ptm::kLargestNominal},
    .start = {.oneColumnUpTo = Ptm::kLargestNominal,
              .oneRowUpTo = Ptm::kLargestNominal,
              .rowHeight = Ptm::kLargestOverall,
              .columnWidth = Ptm::kLargestOverall,
              .gridWidth = Ptm::kLargestOverall,
              .gridHeight = Ptm::kLargestOverall},
    .adjustment =
        Adjustment{.largestWidth = Ptm::kLargestOverall, .largestHeight = Ptm::kLargestOverall},
};

} // namespace

core::Result calculatePtm(const Input& input) {
    const auto composed = compose(input, kRules, standardInvalidMessage());
    if (const auto* message = std::get_if<core::Result>(&composed))
        return *message;
    const Composition& composition = std::get<Composition>(composed);
    const auto& [sections, Q] = composition;

    const Fixed4 A1 = sections.overallWidth;
    const Fixed4 B1 = sections.overallHeight;
    const double a = sections.width;
    const double b = sections.height;
    const short K = sizeClass(A1, Ptm::kSupportClasses);
    const std::int32_t N =
        static_cast<std::int32_t>(b) / kBladePitch - 1; // blades at a 20 mm pitch

    // Blade field less a 3 mm strip per blade and a 30 mm strip per support.
    const Fixed4 Fcc = F(((a - 12) * (b - 12) - 3 * N * (a - 12) - 30 * K * (b - 12)) / 1e6);
    // Frame 0.195 kg/m of overall perimeter, blades 0.86 kg/m, supports 0.354 kg/m.
    const Fixed4 m = F(0.195 * 2 * (A1 + B1).toDouble() / 1000 + 0.86 * a * N / 1000 +
                       0.354 * K * (b - 12) / 1000);

    SectionPanel panel = sectionPanel(QStringLiteral("ПТ-М"), sections, Ptm::kBodyWidthMargin,
                                      Ptm::kBodyHeightMargin, input.locale);
    addFigures(panel, Fcc, m, composition, Aerodynamics::Jet);
    // Two drawings only; a square section (A = B = 2000 gives four of
    // 976 × 976) is shown on the wide one, which has the front, side and
    // bottom views.
    const QString wide = QStringLiteral("EskizM");
    return compositeResult(panel, Q,
                           sketchForShape(A1, B1, wide, QStringLiteral("EskizM_1"), wide));
}

} // namespace talir::calculators
