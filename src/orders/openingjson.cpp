#include "openingjson.h"

#include "columns.h"

namespace talir::orders {

QJsonArray productsJson(const core::Result& result) {
    QJsonArray products;
    for (const core::Product& product : result.products)
        products.append(QJsonObject{{QStringLiteral("product"), product.name()},
                                    {QStringLiteral("count"), qint64(product.count)}});
    return products;
}

QJsonObject figuresJson(const core::Result& result) {
    const core::Figures& f = result.figures;
    QJsonObject figures;
    const auto put = [&](const char* name, const std::optional<core::Fixed4>& value) {
        if (value)
            figures.insert(QLatin1String(name), value->toDouble());
    };
    put("A1", f.A1);
    put("B1", f.B1);
    put("Fcc", f.Fcc);
    put("So", f.So);
    put("m", f.m);
    if (result.flowShown) {
        put("p", f.p);
        put("L02", f.L02);
    }
    return figures;
}

QJsonObject resultJson(const QString& window, const core::Result& result) {
    QJsonObject texts;
    for (const auto& [control, text] : result.texts)
        texts.insert(control, text);
    return {{QStringLiteral("window"), window},
            {QStringLiteral("outcome"), core::outcomeName(result.outcome)},
            {QStringLiteral("texts"), texts},
            {QStringLiteral("flow_shown"), result.flowShown},
            {QStringLiteral("sketch"),
             result.sketch.isEmpty() ? QJsonValue() : QJsonValue(result.sketch)},
            {QStringLiteral("products"), productsJson(result)},
            {QStringLiteral("figures"), figuresJson(result)}};
}

QJsonObject openingJson(const OpeningRow& row) {
    const Opening& o = row.opening;
    QJsonObject object;
    if (row.rejected()) {
        object = {{QStringLiteral("window"), o.window},
                  {QStringLiteral("outcome"), rejectedOutcome()},
                  {QStringLiteral("message"), row.problem},
                  {QStringLiteral("products"), QJsonArray()},
                  {QStringLiteral("figures"), QJsonObject()}};
    } else {
        object = resultJson(o.window.trimmed(), *row.result);
    }
    object.insert(QStringLiteral("line"), qint64(o.line));
    object.insert(QStringLiteral("mark"), o.mark);
    object.insert(QStringLiteral("A"), o.a);
    object.insert(QStringLiteral("B"), o.b);
    object.insert(QStringLiteral("Q"), o.q);
    object.insert(QStringLiteral("sub"), o.sub);
    return object;
}

} // namespace talir::orders
