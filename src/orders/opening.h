#pragma once

#include "core/result.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace talir::orders {

// One opening of a building's request: its mark on the plan ("101-3"), the
// calculation window of its grille type, the three texts as the user would
// type them into the window (for PTLD: L, B, Q) and the sub-type check box
// ("0", "1" or empty, as given). The line is where it starts in the input
// file.
struct Opening {
    std::int64_t line = 0;
    QString mark;
    QString window;
    QString a;
    QString b;
    QString q;
    QString sub;
};

// An opening with what became of it: either the line could not be an
// opening (problem says why and nothing was calculated) or the window's
// calculation ran on it.
struct OpeningRow {
    Opening opening;
    QString problem;
    std::optional<core::Result> result;

    bool rejected() const { return !result.has_value(); }
};

// Checks the opening and runs its window's calculation in the notation of
// the locale; an unknown window or a sub-type that is not 0, 1 or empty gives
// a rejected row.
OpeningRow calculate(const Opening& opening, const QLocale& locale);

// A row for an input line that could not be read as an opening.
OpeningRow rejected(const Opening& opening, const QString& problem);

// The order lines of a composite outcome as the window writes them, one per
// product row (the blank ПТ-ЛД row of equal ends left out).
QStringList orderLines(const core::Result& result);

// What the window says instead of an order: its invalid-input or
// not-composite message, one line per label; empty for a composite outcome.
QStringList messageLines(const core::Result& result);

// Product::name(), remembered for the products seen before: a batch names
// the same few products again and again.
QString productName(const core::Product& product);

// The sections of all products, and their mass, of one opening.
std::int64_t sectionCount(const core::Result& result);
core::Fixed4 sectionsMass(const core::Result& result);

} // namespace talir::orders
