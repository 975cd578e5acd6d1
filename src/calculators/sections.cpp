#include "sections.h"

#include "core/numbers.h"

#include <algorithm>

namespace talir::calculators {
namespace {

using core::F;
using core::Fixed4;
using core::single;

// R(q + 0.5): the next whole number above q, but q itself for an even whole q.
float startCount(double size, double allowance, double divisor) {
    return single(core::R((size + allowance) / divisor + 0.5));
}

// The counts only grow, and each step lowers a section size that is above
// its limit, so the loop ends. Within the input limits the start counts are
// close to the final ones: no more than a few hundred steps in the worst
// case (a 100 m opening cut into rows about 1 m high by the sum rule).
void adjust(double a, double b, const SectionRules& rules, const Adjustment& limits, float& columns,
            float& rows, Fixed4& overallWidth, Fixed4& overallHeight) {
    const Fixed4 largestWidth = F(limits.largestWidth);
    const Fixed4 largestHeight = F(limits.largestHeight);
    for (;;) {
        overallWidth = F((a + rules.widthAllowance) / columns);
        overallHeight = F((b + rules.heightAllowance) / rows);
        if (overallWidth > largestWidth) {
            columns += 1;
        } else if (overallHeight > largestHeight) {
            rows += 1;
        } else if (limits.largestSum && overallWidth + overallHeight > F(*limits.largestSum)) {
            if (a > rules.start.oneColumnUpTo && a > b)
                columns += 1;
            else
                rows += 1;
        } else if (limits.shortSide && overallWidth > F(*limits.shortSide) &&
                   overallHeight > F(*limits.shortSide)) {
            rows += 1;
        } else {
            return;
        }
    }
}

} // namespace

bool isSingleGrille(double a, double b, const SingleGrille& single) {
    if (a > single.width || b > single.height)
        return false;
    if (single.sum && core::single(a + b) > *single.sum)
        return false;
    if (single.shortSide && std::min(a, b) > *single.shortSide)
        return false;
    return true;
}

Sections composeSections(double a, double b, const SectionRules& rules) {
    const StartCounts& start = rules.start;
    float columns = 1;
    float rows = 1;
    if (a <= start.oneColumnUpTo) {
        rows = startCount(b, rules.heightAllowance, start.rowHeight);
    } else if (b <= start.oneRowUpTo) {
        columns = startCount(a, rules.widthAllowance, start.columnWidth);
    } else {
        columns = std::max(1.0f, startCount(a, rules.widthAllowance, start.gridWidth));
        rows = std::max(1.0f, startCount(b, rules.heightAllowance, start.gridHeight));
    }

    Fixed4 overallWidth;
    Fixed4 overallHeight;
    if (rules.adjustment) {
        adjust(a, b, rules, *rules.adjustment, columns, rows, overallWidth, overallHeight);
    } else {
        overallWidth = F((a + rules.widthAllowance) / columns);
        overallHeight = F((b + rules.heightAllowance) / rows);
    }

    Sections sections;
    sections.columns = columns;
    sections.rows = rows;
    sections.count = columns * rows;
    // The section rounded to whole millimetres, halves to even (1222.5 -> 1222).
    const Fixed4 widthAllowance = F(rules.widthAllowance);
    const Fixed4 heightAllowance = F(rules.heightAllowance);
    const std::int64_t width = (overallWidth - widthAllowance).roundToWhole();
    const std::int64_t height = (overallHeight - heightAllowance).roundToWhole();
    sections.width = single(static_cast<double>(width));
    sections.height = single(static_cast<double>(height));
    sections.overallWidth = Fixed4::fromWhole(width) + widthAllowance;
    sections.overallHeight = Fixed4::fromWhole(height) + heightAllowance;
    return sections;
}

std::variant<Composition, core::Result> compose(const Input& input, const SectionRules& rules,
                                                const QString& invalidMessage) {
    const auto read = readSizesAndFlow(input, invalidMessage);
    if (const auto* rejected = std::get_if<core::Result>(&read))
        return *rejected;
    const SizesAndFlow& opening = std::get<SizesAndFlow>(read);
    if (isSingleGrille(opening.a, opening.b, rules.single))
        return notComposite();
    return Composition{composeSections(opening.a, opening.b, rules), opening.q};
}

short sizeClass(Fixed4 size, const std::array<double, 3>& thresholds) {
    short result = 0;
    for (const double threshold : thresholds)
        if (size >= F(threshold))
            ++result;
    return result;
}

SectionPanel sectionPanel(const QString& grille, const Sections& sections, double widthMargin,
                          double heightMargin, const QLocale& locale) {
    SectionPanel panel;
    panel.orderLine = orderLine(grille, sections.width, sections.height, sections.count);
    panel.overallWidth = sections.overallWidth;
    panel.overallHeight = sections.overallHeight;
    const double partWidth = double(sections.width) - widthMargin;
    const double partHeight = double(sections.height) - heightMargin;
    panel.partWidth = core::L(partWidth, locale);
    panel.partHeight = core::L(partHeight, locale);
    panel.geometry = {.overallWidth = sections.overallWidth.toDouble(),
                      .overallHeight = sections.overallHeight.toDouble(),
                      .width = sections.width,
                      .height = sections.height,
                      .partWidth = partWidth,
                      .partHeight = partHeight,
                      .columns = static_cast<std::int64_t>(sections.columns),
                      .rows = static_cast<std::int64_t>(sections.rows)};
    panel.section = {.grille = grille,
                     .width = sections.width,
                     .height = sections.height,
                     .count = static_cast<std::int64_t>(sections.count),
                     .unitMass = {},
                     .freeArea = std::nullopt};
    return panel;
}

void addFigures(SectionPanel& panel, core::Fixed4 freeArea, core::Fixed4 mass,
                const Composition& composition, Aerodynamics aerodynamics) {
    panel.freeArea = freeArea;
    panel.totalFreeArea = totalFreeArea(freeArea, composition.sections.count);
    panel.mass = mass;
    if (aerodynamics == Aerodynamics::Louvre) {
        panel.pressureDrop = louvrePressureDrop(composition.flow, panel.totalFreeArea);
        return;
    }
    const JetFigures jet = jetFigures(composition.flow, panel.totalFreeArea);
    panel.pressureDrop = jet.pressureDrop;
    panel.jetThrow = jet.jetThrow;
}

} // namespace talir::calculators
