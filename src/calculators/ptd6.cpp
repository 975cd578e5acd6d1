#include "ptd6.h"

#include "core/numbers.h"
#include "pitches.h"
#include "sections.h"

namespace talir::calculators {
namespace {

using core::F;
using core::Fixed4;

// ПТ-Д6 constants, as the design engineers name them; the grille with mesh
// differs in the few values of its variant table below.
struct Ptd6 {
    static constexpr double kAllowance = 79.5;      // overall size − nominal size
    static constexpr double kFitClearance = 3;      // nominal size − body size
    static constexpr double kLargestNominal = 2000; // a single grille, either side
    static constexpr double kLargestNominalSum =
        3000; // a single grille without mesh, width + height
    static constexpr double kLargestOverall = 2079.5;  // a section, either side
    static constexpr double kLargestOverallSum = 3159; // a section, width + height
    // With mesh a section reaches 2000 mm on one side only; the other stays
    // within 1000 mm nominal, 1079.5 overall.
    static constexpr double kMeshShortNominal = 1000;
    static constexpr double kMeshShortOverall = 1079.5;
};

struct Ptd6Variant {
    SectionRules rules;
    std::array<double, 3> supportClasses; // vertical supports 0..3 by A1
    double openShare;                     // share of the blade gaps the mesh leaves open
    double meshMass;                      // kg/m², nothing without mesh
    double meshOversize;                  // the mesh is cut this much larger than a × b
    QString invalidMessage;
    QString product; // the order line names both "ПТ-Д6"; the products differ
};

constexpr StartCounts kStart{.oneColumnUpTo = Ptd6::kLargestNominal,
                             .oneRowUpTo = Ptd6::kLargestNominal,
                             .rowHeight = Ptd6::kLargestOverall,
                             .columnWidth = Ptd6::kLargestOverall,
                             .gridWidth = Ptd6::kLargestOverall,
                             .gridHeight = Ptd6::kLargestOverall};

const Ptd6Variant kWithoutMesh{
    .rules = {.widthAllowance = Ptd6::kAllowance,
              .heightAllowance = Ptd6::kAllowance,
              .single = {.width = Ptd6::kLargestNominal,
                         .height = Ptd6::kLargestNominal,
                         .sum = Ptd6::kLargestNominalSum},
              .start = kStart,
              .adjustment = Adjustment{.largestWidth = Ptd6::kLargestOverall,
                                       .largestHeight = Ptd6::kLargestOverall,
                                       .largestSum = Ptd6::kLargestOverallSum}},
    .supportClasses = {579.5, 1179.5, 1579.5},
    .openShare = 1,
    .meshMass = 0,
    .meshOversize = 0,
    .invalidMessage = standardInvalidMessage(),
    .product = QStringLiteral("ПТ-Д6"),
};

const Ptd6Variant kWithMesh{
    .rules = {.widthAllowance = Ptd6::kAllowance,
              .heightAllowance = Ptd6::kAllowance,
              .single = {.width = Ptd6::kLargestNominal,
                         .height = Ptd6::kLargestNominal,
                         .shortSide = Ptd6::kMeshShortNominal},
              .start = kStart,
              .adjustment = Adjustment{.largestWidth = Ptd6::kLargestOverall,
                                       .largestHeight = Ptd6::kLargestOverall,
                                       .largestSum = Ptd6::kLargestOverallSum,
                                       .shortSide = Ptd6::kMeshShortOverall}},
    .supportClasses = {679.5, 1279.5, 1879.5},
    .openShare = 0.8,
    .meshMass = 2.43,
    .meshOversize = 16,
    .invalidMessage = QStringLiteral("НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ. A, B, Q не являются числом. "
                                     "Либо размер A или B<100 мм"),
    .product = QStringLiteral("ПТ-Д6 с сеткой"),
};

core::Result calculate(const Input& input, const Ptd6Variant& variant) {
    const auto composed = compose(input, variant.rules, variant.invalidMessage);
    if (const auto* message = std::get_if<core::Result>(&composed))
        return *message;
    const Composition& composition = std::get<Composition>(composed);
    const auto& [sections, Q] = composition;

    const Fixed4 A1 = sections.overallWidth;
    const Fixed4 B1 = sections.overallHeight;
    const double a = sections.width;
    const double b = sections.height;
    const double K = sizeClass(A1, variant.supportClasses);

    // b/50 − 1 gaps between blades, each 25 mm high and a − 6.4 mm long.
    const Fixed4 Fcc = F(variant.openShare * (b / kLouvrePitch - 1) * (a - 6.4) * 25 / 1e6);

    // Frame over the overall perimeter, blades, supports; then the mesh.
    const double P = 2 * (A1 + B1).toDouble();
    const double Lb = (b / kLouvrePitch) * (a - 2.6);
    const double Ls = K * b;
    const Fixed4 m =
        F((0.46 * P + 0.211 * Lb + 0.057 * Ls) / 1000 +
          0.2 * (0.1399 * P + 0.1563 * Lb + 0.028 * Ls) / 1000 +
          variant.meshMass * (a + variant.meshOversize) * (b + variant.meshOversize) / 1e6);

    SectionPanel panel = sectionPanel(QStringLiteral("ПТ-Д6"), sections, Ptd6::kFitClearance,
                                      Ptd6::kFitClearance, input.locale);
    panel.section.grille = variant.product;
    addFigures(panel, Fcc, m, composition, Aerodynamics::Louvre);
    // Two drawings only: a square section takes the wide one.
    const QString wide = QStringLiteral("EskizD6");
    return compositeResult(panel, Q,
                           sketchForShape(A1, B1, wide, QStringLiteral("EskizD6_1"), wide));
}

} // namespace

core::Result calculatePtd6(const Input& input) {
    return calculate(input, kWithoutMesh);
}

core::Result calculatePtd6Mesh(const Input& input) {
    return calculate(input, kWithMesh);
}

} // namespace talir::calculators
