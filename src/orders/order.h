#pragma once

#include "opening.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace talir::orders {

// One product of the order: what will be made ("ТАЛИР ПТ-Д5 1223x600"), how
// many sections of it and the mass of one and of all.
struct OrderLine {
    QString product;
    std::int64_t count = 0;
    core::Fixed4 unitMass;
    core::Fixed4 mass;
};

struct Totals {
    std::int64_t openings = 0;  // every row, rejected lines included
    std::int64_t composite = 0; // the openings that need an order
    std::int64_t sections = 0;
    core::Fixed4 mass;
};

// The order of a list of openings: one line per distinct product in the
// order of first appearance, the marks of the openings each serves, and the
// totals. Only composite outcomes add products; sums are exact (four-decimal
// fixed point). Besides its lines it keeps only the marks, packed, never the
// openings themselves: a request may list a million of them.
class Order {
public:
    void add(const OpeningRow& row);

    const std::vector<OrderLine>& lines() const { return lines_; }
    const Totals& totals() const { return totals_; }

    // The marks of the openings a line serves, each once, in the order they
    // first needed it.
    QStringList marks(std::size_t line) const;
    QString joinedMarks(std::size_t line, const QString& separator) const;

private:
    void group() const;

    std::vector<OrderLine> lines_;
    // A product's grille, size and unit mass: products of one name and
    // different masses (a ПТ-ЛД1 end with one support or with two) are made
    // differently and stay apart.
    using ProductKey = std::tuple<QString, double, double, std::int64_t>;
    struct ProductKeyHash {
        size_t operator()(const ProductKey& key) const;
    };
    std::unordered_map<ProductKey, std::size_t, ProductKeyHash> index_;
    Totals totals_;

    // Each opening's mark once, as UTF-8 one after the other, and which line
    // each serves; grouped by line when first asked for.
    QByteArray markText_;
    // Deques grow without copying what they hold.
    std::deque<std::uint32_t> markEnds_;
    std::deque<std::pair<std::uint32_t, std::uint32_t>> uses_; // line, mark
    mutable std::vector<std::uint32_t> grouped_;               // marks, by line
    mutable std::vector<std::uint32_t> lineStarts_;
    mutable bool groupedValid_ = false;
};

} // namespace talir::orders
