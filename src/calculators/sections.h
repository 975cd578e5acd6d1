#pragma once

// How the grille types of the common calculation window split an opening
// into equal sections: the test for a single grille, the start counts, the
// adjustment that grows the counts until every section is within its
// limits, and the rounding of the section to whole millimetres. The types
// differ only in the numbers, given as a SectionRules table per type.

#include "calculator.h"
#include "core/fixed4.h"
#include "pattern.h"

#include <array>
#include <optional>
#include <variant>

namespace talir::calculators {

// The largest grille made in one piece, as typed sizes (mm).
struct SingleGrille {
    double width;
    double height;
    std::optional<double> sum = std::nullopt;       // width + height, in single precision
    std::optional<double> shortSide = std::nullopt; // the shorter of the two sides
};

// First estimate of the counts, each R(overall size / divisor + 0.5).
struct StartCounts {
    double oneColumnUpTo; // A at most this: one column, the rows are counted
    double oneRowUpTo;    // otherwise B at most this: one row, the columns are counted
    double rowHeight;     // divisor of the rows of a single column
    double columnWidth;   // divisor of the columns of a single row
    double gridWidth;     // divisors when both directions are divided
    double gridHeight;
};

// Section limits (overall sizes) that the start counts may still break; a
// count grows by one until every one of them holds.
struct Adjustment {
    double largestWidth;
    double largestHeight;
    // Width + height. A column is added only for an opening wider than
    // StartCounts::oneColumnUpTo and wider than tall, otherwise a row.
    std::optional<double> largestSum = std::nullopt;
    // Both sides above this: a row is added (one side must stay short).
    std::optional<double> shortSide = std::nullopt;
};

struct SectionRules {
    double widthAllowance;  // overall width − section width
    double heightAllowance; // overall height − section height
    SingleGrille single;
    StartCounts start;
    std::optional<Adjustment> adjustment = std::nullopt; // none: the start counts already fit
};

// One composition: equal sections of a × b whole millimetres.
struct Sections {
    float columns;
    float rows;
    float count;                // columns × rows, the number to order
    float width;                // a
    float height;               // b
    core::Fixed4 overallWidth;  // A1 = a + width allowance
    core::Fixed4 overallHeight; // B1 = b + height allowance
};

bool isSingleGrille(double a, double b, const SingleGrille& single);

// The sections of an opening that is not a single grille.
Sections composeSections(double a, double b, const SectionRules& rules);

// The input read and checked, then either a message outcome or the sections
// with the air flow.
struct Composition {
    Sections sections;
    double flow; // Q, m³/h
};
std::variant<Composition, core::Result> compose(const Input& input, const SectionRules& rules,
                                                const QString& invalidMessage);

// Class 0 to 3 of a size against three ascending thresholds; a size equal
// to a threshold belongs to the upper class.
short sizeClass(core::Fixed4 size, const std::array<double, 3>& thresholds);

// The panel of a composition without its figures: the order line, the
// overall sizes and the body size the sketch shows (a − width margin by
// b − height margin).
SectionPanel sectionPanel(const QString& grille, const Sections& sections, double widthMargin,
                          double heightMargin, const QLocale& locale);

// How the pressure drop follows from the total free area: the louvre law
// alone, or the law of the grilles that also report the jet throw.
enum class Aerodynamics { Louvre, Jet };

// Completes a panel from the section's own free area and mass: the total
// free area of all sections, the pressure drop and, for Jet, the jet throw.
void addFigures(SectionPanel& panel, core::Fixed4 freeArea, core::Fixed4 mass,
                const Composition& composition, Aerodynamics aerodynamics);

} // namespace talir::calculators
