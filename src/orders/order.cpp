#include "order.h"

#include <QByteArrayView>

#include <algorithm>

namespace talir::orders {

size_t Order::ProductKeyHash::operator()(const ProductKey& key) const {
    return qHashMulti(0, std::get<0>(key), std::get<1>(key), std::get<2>(key), std::get<3>(key));
}

void Order::add(const OpeningRow& row) {
    ++totals_.openings;
    if (row.rejected() || row.result->outcome != core::Outcome::Composite)
        return;
    ++totals_.composite;
    const QString& mark = row.opening.mark;
    if (!mark.isEmpty()) {
        markText_ += mark.toUtf8();
        markEnds_.push_back(static_cast<std::uint32_t>(markText_.size()));
    }
    for (const core::Product& product : row.result->products) {
        const ProductKey key{product.grille, product.width, product.height,
                             product.unitMass.ticks()};
        auto it = index_.find(key);
        if (it == index_.end()) {
            it = index_.emplace(key, lines_.size()).first;
            lines_.push_back({.product = productName(product),
                              .count = 0,
                              .unitMass = product.unitMass,
                              .mass = {}});
        }
        OrderLine& line = lines_[it->second];
        line.count += product.count;
        line.mass = line.mass + product.mass();
        totals_.sections += product.count;
        totals_.mass = totals_.mass + product.mass();
        if (!mark.isEmpty())
            uses_.emplace_back(static_cast<std::uint32_t>(it->second),
                               static_cast<std::uint32_t>(markEnds_.size() - 1));
    }
    groupedValid_ = false;
}

// The marks by line in one array (a counting sort of the uses), each line's
// repeated marks left out.
void Order::group() const {
    if (groupedValid_)
        return;
    lineStarts_.assign(lines_.size() + 1, 0);
    for (const auto& [line, mark] : uses_)
        ++lineStarts_[line + 1];
    for (std::size_t i = 1; i < lineStarts_.size(); ++i)
        lineStarts_[i] += lineStarts_[i - 1];
    grouped_.assign(uses_.size(), 0);
    std::vector<std::uint32_t> next(lineStarts_.begin(), lineStarts_.end() - 1);
    for (const auto& [line, mark] : uses_)
        grouped_[next[line]++] = mark;
    groupedValid_ = true;
}

QStringList Order::marks(std::size_t line) const {
    group();
    const auto text = [&](std::uint32_t mark) {
        const std::uint32_t start = mark == 0 ? 0 : markEnds_[mark - 1];
        return QByteArrayView(markText_.constData() + start, markEnds_[mark] - start);
    };
    // The line's marks sorted by text and first appearance: the first of
    // each run of equal texts is kept.
    const std::uint32_t begin = lineStarts_[line];
    const std::uint32_t end = lineStarts_[line + 1];
    std::vector<std::uint32_t> order(end - begin);
    for (std::uint32_t i = 0; i < order.size(); ++i)
        order[i] = begin + i;
    std::sort(order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) {
        const auto tx = text(grouped_[x]);
        const auto ty = text(grouped_[y]);
        return tx != ty ? tx < ty : x < y;
    });
    std::vector<bool> keep(order.size(), false);
    for (std::size_t i = 0; i < order.size(); ++i)
        keep[order[i] - begin] = i == 0 || text(grouped_[order[i]]) != text(grouped_[order[i - 1]]);
    QStringList list;
    for (std::uint32_t i = begin; i < end; ++i)
        if (keep[i - begin])
            list << QString::fromUtf8(text(grouped_[i]));
    return list;
}

QString Order::joinedMarks(std::size_t line, const QString& separator) const {
    return marks(line).join(separator);
}

} // namespace talir::orders
