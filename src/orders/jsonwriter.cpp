#include "jsonwriter.h"

#include "openingjson.h"

#include <QJsonDocument>

namespace talir::orders {
namespace {

QByteArray compact(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

JsonWriter::JsonWriter(const WriterSettings& settings, QIODevice* standardOutput)
    : sink_(settings.path, standardOutput) {}

bool JsonWriter::open() {
    return sink_.open(error_) && sink_.write("{\"openings\": [", error_);
}

bool JsonWriter::write(const OpeningRow& row) {
    const QByteArray text = (first_ ? "\n" : ",\n") + compact(openingJson(row));
    first_ = false;
    return sink_.write(text, error_);
}

bool JsonWriter::finish(const Order& order) {
    // One order line at a time: a product may serve a million marks.
    if (!sink_.write(QByteArray(first_ ? "" : "\n") + "],\n\"order\": [", error_))
        return false;
    for (std::size_t i = 0; i < order.lines().size(); ++i) {
        const OrderLine& line = order.lines()[i];
        const QJsonObject object{
            {QStringLiteral("product"), line.product},
            {QStringLiteral("count"), qint64(line.count)},
            {QStringLiteral("unit_mass"), line.unitMass.toDouble()},
            {QStringLiteral("mass"), line.mass.toDouble()},
            {QStringLiteral("marks"), QJsonArray::fromStringList(order.marks(i))}};
        if (!sink_.write((i == 0 ? "" : ",") + compact(object), error_))
            return false;
    }
    const Totals& totals = order.totals();
    const QJsonObject sums{{QStringLiteral("openings"), qint64(totals.openings)},
                           {QStringLiteral("composite"), qint64(totals.composite)},
                           {QStringLiteral("sections"), qint64(totals.sections)},
                           {QStringLiteral("mass"), totals.mass.toDouble()}};
    if (!sink_.write("],\n\"totals\": " + compact(sums) + "}\n", error_) || !sink_.commit(error_))
        return false;
    if (!sink_.toStandardOutput())
        written_ << sink_.path();
    return true;
}

} // namespace talir::orders
