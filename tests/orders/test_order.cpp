#include "orders/order.h"

#include "core/numbers.h"

#include <QTest>

// The order of a list of openings: the right products, counts, masses and
// marks, and totals that are exact sums.

using talir::orders::Opening;
using talir::orders::Order;

namespace {

// "window sub A B Q mark", blank-separated; "-" for an empty sub.
Order orderOf(const QStringList& openings) {
    Order order;
    std::int64_t line = 1;
    for (const QString& text : openings) {
        const QStringList f = text.split(QLatin1Char(' '));
        const Opening opening{.line = ++line,
                              .mark = f[5],
                              .window = f[0],
                              .a = f[2],
                              .b = f[3],
                              .q = f[4],
                              .sub = f[1] == QLatin1String("-") ? QString() : f[1]};
        order.add(talir::orders::calculate(opening, QLocale(QStringLiteral("en_US"))));
    }
    return order;
}

QString fixed(talir::core::Fixed4 value) {
    return talir::core::S(value).trimmed();
}

} // namespace

class TestOrder : public QObject {
    Q_OBJECT
private slots:
    void aggregation_data();
    void aggregation();
};

void TestOrder::aggregation_data() {
    QTest::addColumn<QStringList>("openings");
    QTest::addColumn<QStringList>("lines");  // "product xcount unit mass marks"
    QTest::addColumn<QStringList>("totals"); // openings composite sections mass
    QTest::newRow("one type twice")
        << QStringList{"PTD5 - 2500 600 200 101-1", "PTD5 0 2500 600 0 101-2"}
        << QStringList{"ТАЛИР ПТ-Д5 1223x600 x4 4.6739 18.6956 101-1,101-2"}
        << QStringList{"2", "2", "4", "18.6956"};
    // The mesh twin's order line reads ПТ-Д6, its product does not; the
    // sub-type is its own product.
    QTest::newRow("several types and sub-types")
        << QStringList{"PTD6 - 3000 1500 5000 1", "PTD6set - 3000 1500 5000 2",
                       "PTF 1 3000 3000 1000 3", "PTD5 - 2500 600 200 4", "PTD6 - 3000 1500 0 5"}
        << QStringList{"ТАЛИР ПТ-Д6 1460x1500 x4 13.8239 55.2956 1,5",
                       "ТАЛИР ПТ-Д6 с сеткой 1460x710 x4 9.9794 39.9176 2",
                       "ТАЛИР ПТ-Ф1 973x973 x9 3.3039 29.7351 3",
                       "ТАЛИР ПТ-Д5 1223x600 x2 4.6739 9.3478 4"}
        << QStringList{"5", "5", "19", "134.2961"};
    QTest::newRow("ПТ-ЛД equal and unequal ends")
        << QStringList{"PTLD - 2030 305 1000 A", "PTLD - 5555 405 0 B", "PTLD - 2030 305 0 A",
                       "PTLD - 2505 305 0 C"}
        << QStringList{"ТАЛИР ПТ-ЛД2 1000x300 x4 3.5165 14.066 A,C",
                       "ТАЛИР ПТ-ЛД1 500x300 x2 1.8927 3.7854 A",
                       "ТАЛИР ПТ-ЛД1 525x300 x2 1.9687 3.9374 A",
                       "ТАЛИР ПТ-ЛД2 1000x400 x5 4.6089 23.0445 B",
                       "ТАЛИР ПТ-ЛД1 275x400 x2 1.4397 2.8794 B",
                       "ТАЛИР ПТ-ЛД1 250x300 x2 1.0295 2.059 C"}
        << QStringList{"4", "4", "17", "49.7717"};
    // A 425 mm end beside a 400 mm one has one support, two ends of 425 mm
    // have two: one name, two products.
    QTest::newRow("ПТ-ЛД1 with one and two supports")
        << QStringList{"PTLD - 2839 305 0 D", "PTLD - 2869 305 0 E"}
        << QStringList{"ТАЛИР ПТ-ЛД2 1000x300 x4 3.5165 14.066 D,E",
                       "ТАЛИР ПТ-ЛД1 400x300 x1 1.4859 1.4859 D",
                       "ТАЛИР ПТ-ЛД1 425x300 x1 1.5619 1.5619 D",
                       "ТАЛИР ПТ-ЛД1 425x300 x2 1.6645 3.329 E"}
        << QStringList{"2", "2", "8", "20.4428"};
    QTest::newRow("nothing to order")
        << QStringList{"PTD5 - 1000 1000 0 N", "PTD5 - abc 600 0 I", "PTLD - 2029 305 0 L",
                       "PTX - 1 2 3 X", "PTF 2 3000 3000 0 S"}
        << QStringList{} << QStringList{"5", "0", "0", "0"};
}

void TestOrder::aggregation() {
    QFETCH(QStringList, openings);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, totals);
    const Order order = orderOf(openings);
    QStringList actual;
    for (std::size_t i = 0; i < order.lines().size(); ++i) {
        const auto& line = order.lines()[i];
        actual << QStringLiteral("%1 x%2 %3 %4 %5")
                      .arg(line.product)
                      .arg(line.count)
                      .arg(fixed(line.unitMass), fixed(line.mass),
                           order.marks(i).join(QLatin1Char(',')));
    }
    QCOMPARE(actual, lines);
    const auto& t = order.totals();
    QCOMPARE((QStringList{QString::number(t.openings), QString::number(t.composite),
                          QString::number(t.sections), fixed(t.mass)}),
             totals);
}

QTEST_APPLESS_MAIN(TestOrder)
#include "test_order.moc"
