#include "ptl.h"

#include "core/numbers.h"
#include "pitches.h"
#include "sections.h"

#include <cstdint>

namespace talir::calculators {
namespace {

using core::F;
using core::Fixed4;

// What ПТ-Л and ПТ-ЛШ share: a 3 mm strip per blade at a 20 mm pitch, bars
// 30 mm wide, a blade field 12.6 mm narrower than the mounting width.
constexpr double kWidthAllowance = 47.5;        // overall width − mounting width
constexpr double kLargestMounting = 2000;       // a single grille, either side
constexpr double kLargestOverallWidth = 2047.5; // a section
constexpr double kFieldWidthMargin = 12.6;
constexpr std::array<double, 3> kBarClasses = {547.5, 1147.5, 1547.5}; // bars 0..3 by overall size

// ПТ-Л: sections at most 2000 × 2000 mounting and 3000 for both sides
// together, kept by growing the counts.
struct Ptl {
    static constexpr double kHeightAllowance = 57.5;        // overall height − mounting height
    static constexpr double kLargestMountingSum = 3000;     // a single grille, width + height
    static constexpr double kLargestOverallHeight = 2057.5; // a section
    static constexpr double kLargestOverallSum = 3105;      // a section, width + height
};

// ПТ-ЛШ: long and narrow, at most 2000 × 500 or 500 × 2000 mounting.
struct Ptlw {
    static constexpr double kHeightAllowance = 47.5;
    static constexpr double kLargestMountingSum = 2500;
    static constexpr double kShortMounting = 500;
    static constexpr double kShortOverall = 547.5;
};

struct BladeGrille {
    QString grille; // order-line name
    SectionRules rules;
    double fieldHeightMargin; // mounting height − blade field height
    bool crossed;             // vertical blades and horizontal bars as well
    double frameMass;         // kg per metre of overall perimeter
    QString sketchWide;
    QString sketchTall;
    QString sketchSquare;
};

const BladeGrille kPtl{
    .grille = QStringLiteral("ПТ-Л"),
    .rules = {.widthAllowance = kWidthAllowance,
              .heightAllowance = Ptl::kHeightAllowance,
              .single = {.width = kLargestMounting,
                         .height = kLargestMounting,
                         .sum = Ptl::kLargestMountingSum},
              .start = {.oneColumnUpTo = kLargestMounting,
                        .oneRowUpTo = kLargestMounting,
                        .rowHeight = Ptl::kLargestOverallHeight,
                        .columnWidth = kLargestOverallWidth,
                        .gridWidth = kLargestOverallWidth,
                        .gridHeight = Ptl::kLargestOverallHeight},
              .adjustment = Adjustment{.largestWidth = kLargestOverallWidth,
                                       .largestHeight = Ptl::kLargestOverallHeight,
                                       .largestSum = Ptl::kLargestOverallSum}},
    .fieldHeightMargin = 2.6,
    .crossed = false,
    .frameMass = 0.244,
    .sketchWide = QStringLiteral("EskizL"),
    .sketchTall = QStringLiteral("EskizL1"),
    .sketchSquare = QStringLiteral("EskizL2"),
};

// Rows when the width fits, else columns of full height, else a grid of
// 2000 mm columns and 500 mm rows: the start counts already fit.
const BladeGrille kPtlw{
    .grille = QStringLiteral("ПТ-ЛШ"),
    .rules = {.widthAllowance = kWidthAllowance,
              .heightAllowance = Ptlw::kHeightAllowance,
              .single = {.width = kLargestMounting,
                         .height = kLargestMounting,
                         .sum = Ptlw::kLargestMountingSum,
                         .shortSide = Ptlw::kShortMounting},
              .start = {.oneColumnUpTo = kLargestMounting,
                        .oneRowUpTo = kLargestMounting,
                        .rowHeight = Ptlw::kShortOverall,
                        .columnWidth = Ptlw::kShortOverall,
                        .gridWidth = kLargestOverallWidth,
                        .gridHeight = Ptlw::kShortOverall}},
    .fieldHeightMargin = 12.6,
    .crossed = true,
    .frameMass = 0.305,
    .sketchWide = QStringLiteral("EskizLW"),
    .sketchTall = QStringLiteral("EskizLW_1"),
    .sketchSquare = QStringLiteral("EskizLW_2"),
};

core::Result calculate(const Input& input, const BladeGrille& type) {
    const auto composed = compose(input, type.rules, standardInvalidMessage());
    if (const auto* message = std::get_if<core::Result>(&composed))
        return *message;
    const Composition& composition = std::get<Composition>(composed);
    const auto& [sections, Q] = composition;

    const Fixed4 A1 = sections.overallWidth;
    const Fixed4 B1 = sections.overallHeight;
    const double a = sections.width;
    const double b = sections.height;
    const short k = sizeClass(A1, kBarClasses);                         // vertical bars
    const short kB = type.crossed ? sizeClass(B1, kBarClasses) : 0;     // horizontal bars
    const std::int32_t Nh = static_cast<std::int32_t>(b) / kBladePitch; // horizontal blades
    const std::int32_t Nv = type.crossed ? static_cast<std::int32_t>(a) / kBladePitch : 0;

    // Blade field less a 3 mm strip per blade and a 30 mm strip per bar. For
    // ПТ-Л the terms of vertical blades and horizontal bars are exact zeros.
    const double fw = a - kFieldWidthMargin;
    const double fh = b - type.fieldHeightMargin;
    const Fixed4 Fcc = F((fw * fh - 3 * Nh * fw - 3 * Nv * fh - 30 * k * fh - 30 * kB * fw) / 1e6);
    // Blades 0.096 kg per metre, frame per metre of overall perimeter, bars 0.354 kg per metre.
    const Fixed4 m =
        F((b * Nv + a * Nh) / 1000 * 0.096 + 2 * (A1 + B1).toDouble() / 1000 * type.frameMass +
          (fh * k + fw * kB) / 1000 * 0.354);

    SectionPanel panel = sectionPanel(type.grille, sections, 0, 0, input.locale);
    addFigures(panel, Fcc, m, composition, Aerodynamics::Jet);
    return compositeResult(
        panel, Q, sketchForShape(A1, B1, type.sketchWide, type.sketchTall, type.sketchSquare));
}

} // namespace

core::Result calculatePtl(const Input& input) {
    return calculate(input, kPtl);
}

core::Result calculatePtlw(const Input& input) {
    return calculate(input, kPtlw);
}

} // namespace talir::calculators
