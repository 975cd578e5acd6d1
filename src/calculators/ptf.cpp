#include "ptf.h"

#include "core/numbers.h"
#include "sections.h"

namespace talir::calculators {
namespace {

using core::F;
using core::Fixed4;

// A mesh or perforated panel in a frame: overall size = nominal size + k in
// both directions; a single section is at most the largest nominal width by
// the largest nominal height.
struct FacedPanel {
    QString grille; // order-line name
    SectionRules rules;
    double freeAreaMargin; // e: the open field is (a − e) × (b − e)
    double sheetMargin;    // g: the face sheet is (a + g) × (b + g)
    double sheetMass;      // kg/m² of the face sheet
    double frameMass;      // kg per metre of overall perimeter
    double bodyMargin;     // d: the body on the sketch is (a − d) × (b − d)
    QString sketchWide;
    QString sketchTall;
    QString sketchSquare;
};

constexpr double kOpenShare = 0.33; // share of the face field that is open

// The sizing of a panel type from its allowance k and largest nominal section.
SectionRules panelRules(double k, double largestWidth, double largestHeight) {
    const double LA = largestWidth + k;
    const double LB = largestHeight + k;
    return {.widthAllowance = k,
            .heightAllowance = k,
            .single = {.width = largestWidth, .height = largestHeight},
            .start = {.oneColumnUpTo = largestWidth,
                      .oneRowUpTo = largestHeight,
                      .rowHeight = LB,
                      .columnWidth = LA,
                      .gridWidth = LA,
                      .gridHeight = LB}};
}

const QString kMeshWide = QStringLiteral("EskizF");
const QString kMeshTall = QStringLiteral("EskizF_1");
const QString kMeshSquare = QStringLiteral("EskizF_2");
const QString kPerforatedWide = QStringLiteral("EskizJ");
const QString kPerforatedTall = QStringLiteral("EskizJ_1");
const QString kPerforatedSquare = QStringLiteral("EskizJ_2");

// Largest sections, nominal: ПТ-Ф 1000 × 1000, ПТ-Ж 1000 × 600.
constexpr double kLargestWidth = 1000;
constexpr double kLargestMeshHeight = 1000;
constexpr double kLargestPerforatedHeight = 600;

const FacedPanel kPtf{.grille = QStringLiteral("ПТ-Ф"),
                      .rules = panelRules(50, kLargestWidth, kLargestMeshHeight),
                      .freeAreaMargin = 20,
                      .sheetMargin = -12,
                      .sheetMass = 2.43,
                      .frameMass = 0.233,
                      .bodyMargin = 10,
                      .sketchWide = kMeshWide,
                      .sketchTall = kMeshTall,
                      .sketchSquare = kMeshSquare};
const FacedPanel kPtf1{.grille = QStringLiteral("ПТ-Ф1"),
                       .rules = panelRules(40.5, kLargestWidth, kLargestMeshHeight),
                       .freeAreaMargin = 19.5,
                       .sheetMargin = 3,
                       .sheetMass = 2.43,
                       .frameMass = 0.244,
                       .bodyMargin = 17,
                       .sketchWide = kMeshWide,
                       .sketchTall = kMeshTall,
                       .sketchSquare = kMeshSquare};
const FacedPanel kPtj{.grille = QStringLiteral("ПТ-Ж"),
                      .rules = panelRules(50, kLargestWidth, kLargestPerforatedHeight),
                      .freeAreaMargin = 20,
                      .sheetMargin = -12,
                      .sheetMass = 3.75,
                      .frameMass = 0.233,
                      .bodyMargin = 10,
                      .sketchWide = kPerforatedWide,
                      .sketchTall = kPerforatedTall,
                      .sketchSquare = kPerforatedSquare};
const FacedPanel kPtj1{.grille = QStringLiteral("ПТ-Ж1"),
                       .rules = panelRules(40.5, kLargestWidth, kLargestPerforatedHeight),
                       .freeAreaMargin = 19.5,
                       .sheetMargin = 3,
                       .sheetMass = 3.75,
                       .frameMass = 0.244,
                       .bodyMargin = 17,
                       .sketchWide = kPerforatedWide,
                       .sketchTall = kPerforatedTall,
                       .sketchSquare = kPerforatedSquare};

core::Result calculate(const Input& input, const FacedPanel& type) {
    const auto composed = compose(input, type.rules, standardInvalidMessage());
    if (const auto* message = std::get_if<core::Result>(&composed))
        return *message;
    const Composition& composition = std::get<Composition>(composed);
    const auto& [sections, Q] = composition;

    const double a = sections.width;
    const double b = sections.height;
    const double e = type.freeAreaMargin;
    const double g = type.sheetMargin;
    const Fixed4 Fcc = F(kOpenShare * (a - e) * (b - e) / 1e6);
    const Fixed4 m =
        F(type.sheetMass * (a + g) * (b + g) / 1e6 +
          type.frameMass * 2 * (sections.overallWidth + sections.overallHeight).toDouble() / 1000);

    SectionPanel panel =
        sectionPanel(type.grille, sections, type.bodyMargin, type.bodyMargin, input.locale);
    addFigures(panel, Fcc, m, composition, Aerodynamics::Jet);
    return compositeResult(panel, Q,
                           sketchForShape(sections.overallWidth, sections.overallHeight,
                                          type.sketchWide, type.sketchTall, type.sketchSquare));
}

} // namespace

// The sub-type only changes constants; whether the grille is composite does
// not depend on it.
core::Result calculatePtf(const Input& input) {
    return calculate(input, input.sub ? kPtf1 : kPtf);
}

core::Result calculatePtj(const Input& input) {
    return calculate(input, input.sub ? kPtj1 : kPtj);
}

} // namespace talir::calculators
