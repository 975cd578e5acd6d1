#pragma once

#include "opening.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace talir::orders {

// One product of the order: what will be made ("ТАЛИР ПТ-Д5 1223x600"), how
// many sections of it, the mass of one and of all, and the marks of the
// openings it serves, each once, in the order they first need it.
class OrderLine {
public:
    OrderLine(const QString& product, core::Fixed4 unitMass)
        : product(product), unitMass(unitMass) {}

    QString product;
    std::int64_t count = 0;
    core::Fixed4 unitMass;
    core::Fixed4 mass;

    QStringList marks() const;
    QString joinedMarks(const QString& separator) const;
    template <typename F> void forEachMark(F&& f) const {
        std::uint32_t start = 0;
        for (const std::uint32_t end : markEnds_) {
            f(QString::fromUtf8(marks_.constData() + start, end - start));
            start = end;
        }
    }
    std::size_t markCount() const { return markEnds_.size(); }

private:
    friend class Order;
    // A request may list a million openings: the marks are kept packed as
    // UTF-8, one after the other.
    QByteArray marks_;
    std::vector<std::uint32_t> markEnds_;
};

struct Totals {
    std::int64_t openings = 0;  // every row, rejected lines included
    std::int64_t composite = 0; // the openings that need an order
    std::int64_t sections = 0;
    core::Fixed4 mass;
};

// The order of a list of openings: one line per distinct product in the
// order of first appearance, and the totals. Only composite outcomes add
// products; sums are exact (four-decimal fixed point). Besides its lines it
// keeps only the marks, never the openings themselves.
class Order {
public:
    void add(const OpeningRow& row);

    const std::vector<OrderLine>& lines() const { return lines_; }
    const Totals& totals() const { return totals_; }

private:
    void addProduct(const core::Product& product, const QString& mark);
    // True the first time a mark is seen for a line.
    bool firstUse(std::size_t line, const QString& mark);

    std::vector<OrderLine> lines_;
    // A product's name and unit mass: products of one name and different
    // masses (a ПТ-ЛД1 end with one support or with two) are made
    // differently and stay apart.
    QHash<QString, std::size_t> index_;
    // 64-bit hashes of (line, mark) in an open-addressing table: 8 bytes a
    // mark instead of a string set's nodes.
    std::vector<std::uint64_t> seen_;
    std::size_t seenCount_ = 0;
    Totals totals_;
};

} // namespace talir::orders
