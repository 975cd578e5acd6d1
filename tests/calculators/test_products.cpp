#include "core/numbers.h"
#include "expect.h"

// The figures a composite outcome carries as numbers, for drawings and
// orders: the products to make, the panel's figures and the section the
// sketch draws. They must say what the texts say.

using talir::core::Fixed4;
using talir::core::Result;

namespace {
// "ТАЛИР ПТ-Д5 1223x600 x2 4.6739": name, count, unit mass.
QStringList productsOf(const Result& result) {
    QStringList products;
    for (const auto& product : result.products)
        products << product.name() + QStringLiteral(" x") + QString::number(product.count) +
                        QLatin1Char(' ') + talir::core::S(product.unitMass).trimmed();
    return products;
}

QString figure(const std::optional<Fixed4>& value) {
    return value ? talir::core::S(*value).trimmed() : QStringLiteral("-");
}
} // namespace

class TestProducts : public QObject {
    Q_OBJECT
private slots:
    void products_data();
    void products();
    void sectionMatchesTexts_data();
    void sectionMatchesTexts();
    void strip();
};

void TestProducts::products_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("sub");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("q");
    QTest::addColumn<QStringList>("products");
    QTest::addColumn<QStringList>("figures"); // A1 B1 Fcc So m p L02
    QTest::newRow("ПТ-Д5") << "PTD5" << false << "2500"
                           << "600"
                           << "200" << QStringList{"ТАЛИР ПТ-Д5 1223x600 x2 4.6739"}
                           << QStringList{"1277.5", "654.5", ".3346", ".6692",
                                          "4.6739", ".0083", "-"};
    QTest::newRow("ПТ-Д6") << "PTD6" << false << "3000"
                           << "1500"
                           << "5000" << QStringList{"ТАЛИР ПТ-Д6 1460x1500 x2 13.8239"}
                           << QStringList{"1539.5",  "1579.5", "1.0539", "2.1078",
                                          "13.8239", ".521",   "-"};
    // The order line of the mesh twin reads "ПТ-Д6"; the product does not.
    QTest::newRow("ПТ-Д6 with mesh")
        << "PTD6set" << false << "3000"
        << "1500"
        << "5000" << QStringList{"ТАЛИР ПТ-Д6 с сеткой 1460x710 x4 9.9794"}
        << QStringList{"1539.5", "789.5", ".3838", "1.5352", "9.9794", ".9822", "-"};
    QTest::newRow("ПТ-Ф1") << "PTF" << true << "3000"
                           << "3000"
                           << "1000" << QStringList{"ТАЛИР ПТ-Ф1 973x973 x9 3.3039"}
                           << QStringList{"1013.5", "1013.5", ".3",    "2.7",
                                          "3.3039", ".0044",  "2.3195"};
    QTest::newRow("ПТ-ЛД unequal ends")
        << "PTLD" << false << "2030"
        << "305"
        << "1000"
        << QStringList{"ТАЛИР ПТ-ЛД2 1000x300 x1 3.5165", "ТАЛИР ПТ-ЛД1 500x300 x1 1.8927",
                       "ТАЛИР ПТ-ЛД1 525x300 x1 1.9687"}
        << QStringList{"-", "-", "-", ".474", "-", ".2205", "5.5353"};
    QTest::newRow("ПТ-ЛД equal ends")
        << "PTLD" << false << "5555"
        << "405"
        << "0" << QStringList{"ТАЛИР ПТ-ЛД2 1000x400 x5 4.6089", "ТАЛИР ПТ-ЛД1 275x400 x2 1.4397"}
        << QStringList{"-", "-", "-", "1.7576", "-", "0", "0"};
    QTest::newRow("ПТ-ЛД fractional height")
        << "PTLD" << false << "2030"
        << "30.5"
        << "0"
        << QStringList{"ТАЛИР ПТ-ЛД2 1000x25.5 x1 .5179", "ТАЛИР ПТ-ЛД1 500x25.5 x1 .2935",
                       "ТАЛИР ПТ-ЛД1 525x25.5 x1 .3043"}
        << QStringList{"-", "-", "-", ".0214", "-", "0", "0"};
    QTest::newRow("not composite")
        << "PTD5" << false << "1000"
        << "1000"
        << "0" << QStringList{} << QStringList{"-", "-", "-", "-", "-", "-", "-"};
    QTest::newRow("invalid") << "PTLD" << false << "2029"
                             << "305"
                             << "0" << QStringList{}
                             << QStringList{"-", "-", "-", "-", "-", "-", "-"};
}

void TestProducts::products() {
    QFETCH(QString, window);
    QFETCH(bool, sub);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, q);
    QFETCH(QStringList, products);
    QFETCH(QStringList, figures);
    const Result result = runWindow(window, a, b, q, sub);
    QCOMPARE(productsOf(result), products);
    const auto& f = result.figures;
    QCOMPARE((QStringList{figure(f.A1), figure(f.B1), figure(f.Fcc), figure(f.So), figure(f.m),
                          figure(f.p), figure(f.L02)}),
             figures);
}

void TestProducts::sectionMatchesTexts_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("locale");
    for (const char* window :
         {"PTD5", "PTD6", "PTD6set", "PTL", "PTLW", "PTM", "PTMW", "PTF", "PTJ"}) {
        QTest::newRow(window) << window << "4321.5"
                              << "2345"
                              << "en_US";
        QTest::newRow(qPrintable(QString::fromUtf8(window) + QStringLiteral(" flat ru")))
            << window << "100000"
            << "150"
            << "ru_RU";
    }
}

// The sketch draws the numbers the sketch window writes beside it.
void TestProducts::sectionMatchesTexts() {
    QFETCH(QString, window);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, locale);
    QLocale ru(locale);
    ru.setNumberOptions(QLocale::OmitGroupSeparator);
    const Result result =
        runWindow(window, ru.toString(a.toDouble(), 'g', 10), ru.toString(b.toDouble(), 'g', 10),
                  QStringLiteral("0"), false, locale);
    QCOMPARE(result.outcome, talir::core::Outcome::Composite);
    QVERIFY(result.section);
    const auto& s = *result.section;
    QCOMPARE(talir::core::S(Fixed4::fromDouble(s.overallWidth)), result.text("Label6"));
    QCOMPARE(talir::core::S(Fixed4::fromDouble(s.overallHeight)), result.text("Label7"));
    QCOMPARE(talir::core::L(s.partWidth, ru), result.text("Label8"));
    QCOMPARE(talir::core::L(s.partHeight, ru), result.text("Label9"));
    QCOMPARE(result.products.size(), std::size_t(1));
    QCOMPARE(result.products[0].count, s.columns * s.rows);
    QCOMPARE(result.products[0].width, s.width);
    QCOMPARE(result.products[0].height, s.height);
}

void TestProducts::strip() {
    const Result result = runWindow(QStringLiteral("PTLD"), "3000", "505", "0");
    QVERIFY(result.strip);
    QVERIFY(!result.section);
    const auto& s = *result.strip;
    QCOMPARE(s.middles, std::int64_t(2));
    QCOMPARE(s.leftEnd, 475.0);
    QCOMPARE(s.rightEnd, 500.0);
    QCOMPARE(s.height, 500.0);
    QCOMPARE(s.length, 3000.0);
}

QTEST_APPLESS_MAIN(TestProducts)
#include "test_products.moc"
