#include "opening.h"

#include "calculators/calculator.h"

#include <QHash>

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace talir::orders {
namespace {

QStringList shownTexts(const core::Result& result, std::initializer_list<QString> controls) {
    QStringList lines;
    for (const QString& control : controls) {
        const QString text = result.text(control);
        if (!text.trimmed().isEmpty())
            lines << text;
    }
    return lines;
}

} // namespace

QString productName(const core::Product& product) {
    using Key = std::tuple<QString, double, double>;
    struct KeyHash {
        size_t operator()(const Key& key) const {
            return qHashMulti(0, std::get<0>(key), std::get<1>(key), std::get<2>(key));
        }
    };
    thread_local std::unordered_map<Key, QString, KeyHash> names;
    const Key key{product.grille, product.width, product.height};
    auto it = names.find(key);
    if (it == names.end()) {
        if (names.size() > 65536)
            names.clear();
        it = names.emplace(key, product.name()).first;
    }
    return it->second;
}

OpeningRow rejected(const Opening& opening, const QString& problem) {
    return {opening, problem, std::nullopt};
}

OpeningRow calculate(const Opening& opening, const QLocale& locale) {
    const QString window = opening.window.trimmed();
    const auto& names = calculators::calculationWindowNames();
    if (window.isEmpty())
        return rejected(opening, QStringLiteral("no window named"));
    if (std::find(names.begin(), names.end(), window) == names.end())
        return rejected(opening, QStringLiteral("unknown window \"%1\"").arg(window));
    const QString sub = opening.sub.trimmed();
    if (!sub.isEmpty() && sub != QLatin1String("0") && sub != QLatin1String("1"))
        return rejected(opening, QStringLiteral("sub is \"%1\", not 0, 1 or empty").arg(sub));
    const calculators::Calculate calculate = calculators::calculatorFor(window);
    if (!calculate)
        return rejected(opening, QStringLiteral("no calculation for ") + window);
    return {opening,
            {},
            calculate({opening.a, opening.b, opening.q, sub == QLatin1String("1"), locale})};
}

QStringList orderLines(const core::Result& result) {
    if (result.outcome != core::Outcome::Composite)
        return {};
    // The common window's order line, then ПТ-ЛД's three rows.
    return shownTexts(result, {QStringLiteral("txtD5"), QStringLiteral("txtG"),
                               QStringLiteral("txtG1"), QStringLiteral("txtG2")});
}

QStringList messageLines(const core::Result& result) {
    if (result.outcome == core::Outcome::Composite)
        return {};
    if (result.has(QStringLiteral("txtNo")))
        return shownTexts(result, {QStringLiteral("txtNo")});
    return shownTexts(result,
                      {QStringLiteral("txtG"), QStringLiteral("txtG1"), QStringLiteral("txtG2")});
}

std::int64_t sectionCount(const core::Result& result) {
    std::int64_t count = 0;
    for (const auto& product : result.products)
        count += product.count;
    return count;
}

core::Fixed4 sectionsMass(const core::Result& result) {
    core::Fixed4 mass;
    for (const auto& product : result.products)
        mass = mass + product.mass();
    return mass;
}

} // namespace talir::orders
