#include "order.h"

namespace talir::orders {

QStringList OrderLine::marks() const {
    QStringList list;
    list.reserve(static_cast<qsizetype>(markEnds_.size()));
    forEachMark([&](const QString& mark) { list << mark; });
    return list;
}

QString OrderLine::joinedMarks(const QString& separator) const {
    QString text;
    forEachMark([&](const QString& mark) {
        if (!text.isEmpty())
            text += separator;
        text += mark;
    });
    return text;
}

void Order::add(const OpeningRow& row) {
    ++totals_.openings;
    if (row.rejected() || row.result->outcome != core::Outcome::Composite)
        return;
    ++totals_.composite;
    for (const core::Product& product : row.result->products)
        addProduct(product, row.opening.mark);
}

void Order::addProduct(const core::Product& product, const QString& mark) {
    const QString name = product.name();
    const QString key = name + QLatin1Char('\n') + QString::number(product.unitMass.ticks());
    auto it = index_.find(key);
    if (it == index_.end()) {
        it = index_.insert(key, lines_.size());
        lines_.emplace_back(name, product.unitMass);
    }
    const std::size_t index = it.value();
    OrderLine& line = lines_[index];
    line.count += product.count;
    line.mass = line.mass + product.mass();
    if (!mark.isEmpty() && firstUse(index, mark)) {
        line.marks_ += mark.toUtf8();
        line.markEnds_.push_back(static_cast<std::uint32_t>(line.marks_.size()));
    }
    totals_.sections += product.count;
    totals_.mass = totals_.mass + product.mass();
}

bool Order::firstUse(std::size_t line, const QString& mark) {
    if (2 * (seenCount_ + 1) > seen_.size()) {
        std::vector<std::uint64_t> old(std::max<std::size_t>(64, 2 * seen_.size()), 0);
        old.swap(seen_);
        seenCount_ = 0;
        for (const std::uint64_t hash : old)
            if (hash != 0) {
                std::size_t slot = hash & (seen_.size() - 1);
                while (seen_[slot] != 0)
                    slot = (slot + 1) & (seen_.size() - 1);
                seen_[slot] = hash;
                ++seenCount_;
            }
    }
    std::uint64_t hash = qHash(mark, static_cast<size_t>(line) * 0x9E3779B97F4A7C15ULL + 1);
    if (hash == 0)
        hash = 1;
    std::size_t slot = hash & (seen_.size() - 1);
    while (seen_[slot] != 0) {
        if (seen_[slot] == hash)
            return false;
        slot = (slot + 1) & (seen_.size() - 1);
    }
    seen_[slot] = hash;
    ++seenCount_;
    return true;
}

} // namespace talir::orders
