#include "calculators/ptd5.h"
#include "core/limits.h"
#include "expect.h"

using namespace talir;
using core::Outcome;

namespace {
const char* const kInvalid =
    "НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ. A, B, Q не являются числом. Размер A или B<100 мм, либо Q<0";
const char* const kSingle = "Данная решетка не является составной";

core::Result run(const QString& a, const QString& b, const QString& q,
                 const QString& locale = QStringLiteral("en_US")) {
    return calculators::calculatePtd5({a, b, q, false, QLocale(locale)});
}
} // namespace

class TestPtd5 : public QObject {
    Q_OBJECT
private slots:
    void outcomes_data();
    void outcomes();
    void composition_data();
    void composition();
    void workedExampleComplete();
    void localeNotation();
};

void TestPtd5::outcomes_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("q");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message");
    QTest::newRow("sum exactly 3000") << "2000"
                                      << "1000"
                                      << "0" << Outcome::NotComposite << kSingle;
    QTest::newRow("both 2000 but sum 4000") << "2000"
                                            << "2000"
                                            << "0" << Outcome::Composite << "";
    QTest::newRow("small") << "100"
                           << "100"
                           << "0" << Outcome::NotComposite << kSingle;
    QTest::newRow("A below 100") << "99.9"
                                 << "500"
                                 << "0" << Outcome::Invalid << kInvalid;
    QTest::newRow("B below 100") << "500"
                                 << "99"
                                 << "0" << Outcome::Invalid << kInvalid;
    QTest::newRow("negative Q") << "2500"
                                << "600"
                                << "-1" << Outcome::Invalid << kInvalid;
    QTest::newRow("negative zero Q") << "2500"
                                     << "600"
                                     << "-0" << Outcome::Composite << "";
    QTest::newRow("empty B") << "2500"
                             << ""
                             << "0" << Outcome::Invalid << kInvalid;
    QTest::newRow("letters") << "abc"
                             << "600"
                             << "0" << Outcome::Invalid << kInvalid;
    QTest::newRow("lone sign") << "2500"
                               << "-"
                               << "0" << Outcome::Invalid << kInvalid;
    QTest::newRow("inf") << "inf"
                         << "600"
                         << "0" << Outcome::Invalid << kInvalid;
    QTest::newRow("nan") << "2500"
                         << "600"
                         << "nan" << Outcome::Invalid << kInvalid;
    QTest::newRow("1e308") << "1e308"
                           << "600"
                           << "0" << Outcome::Invalid << core::beyondLimitsMessage();
    QTest::newRow("A at the limit") << "100000"
                                    << "600"
                                    << "0" << Outcome::Composite << "";
    QTest::newRow("A beyond the limit") << "100000.1"
                                        << "600"
                                        << "0" << Outcome::Invalid << core::beyondLimitsMessage();
    QTest::newRow("Q beyond the limit")
        << "2500"
        << "600"
        << "1000001" << Outcome::Invalid << core::beyondLimitsMessage();
}

void TestPtd5::outcomes() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, q);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);
    const auto result = run(a, b, q);
    QCOMPARE(result.outcome, outcome);
    if (outcome == Outcome::Composite) {
        QVERIFY(!result.has(QStringLiteral("txtNo")));
        QVERIFY(!result.sketch.isEmpty());
    } else {
        QCOMPARE(result.texts.size(), std::size_t(1));
        QCOMPARE(result.text(QStringLiteral("txtNo")), message);
        QVERIFY(result.sketch.isEmpty());
    }
}

void TestPtd5::composition_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("q");
    QTest::addColumn<Texts>("expected");
    QTest::addColumn<QString>("sketch");
    QTest::addColumn<bool>("flowShown");
    QTest::newRow("worked example")
        << "2500"
        << "600"
        << "200"
        << texts({{"txtD5", "Решетка ТАЛИР ПТ-Д5 1223x 600 - 2 шт."},
                  {"txt2", "Горизонтальный размер (A1) : А1= 1277.5 мм."},
                  {"txt3", "Вертикальный размер (В1) : В1= 654.5 мм."},
                  {"txtFcc", "Fc.c.= 0.3346"},
                  {"txtSo", "Fc.c.общ= 0.6692"},
                  {"txtm", "m=  4.6739"},
                  {"txtP", "p= 0.0083"},
                  {"Label6", " 1277.5"},
                  {"Label7", " 654.5"},
                  {"Label8", "1220"},
                  {"Label9", "597"}})
        << "EskizD5" << true;
    // n_v grows from 1 to 2 through the sum rule; B1 = 527.75 rounds to b1 = 473.
    QTest::newRow("2000 x 1001") << "2000"
                                 << "1001"
                                 << "0"
                                 << texts({{"txtD5", "Решетка ТАЛИР ПТ-Д5 2000x 473 - 2 шт."},
                                           {"txt3", "Вертикальный размер (В1) : В1= 527.5 мм."}})
                                 << "EskizD5" << false;
    // First estimate 3 x 3; the sum rule raises only n_v (A is not greater than B).
    QTest::newRow("6000 x 6000") << "6000"
                                 << "6000"
                                 << "0"
                                 << texts({{"txtD5", "Решетка ТАЛИР ПТ-Д5 1964x 955 - 18 шт."}})
                                 << "EskizD5" << false;
    QTest::newRow("total free area above 1")
        << "1500"
        << "1600"
        << "500" << texts({{"txtSo", "Fc.c.общ=  1.0798"}}) << "EskizD5" << true;
    QTest::newRow("pressure drop above 1")
        << "3000"
        << "100"
        << "1000"
        << texts({{"txtD5", "Решетка ТАЛИР ПТ-Д5 1473x 100 - 2 шт."}, {"txtP", "p=  17.1864"}})
        << "EskizD5" << true;
    QTest::newRow("taller than wide")
        << "500"
        << "3000"
        << "100" << texts({{"txtD5", "Решетка ТАЛИР ПТ-Д5 500x 1473 - 2 шт."}}) << "EskizD5_1"
        << true;
    // Two sections of exactly 1554.5 x 1554.5 overall: the sum limit 3109 holds.
    QTest::newRow("square section")
        << "3054.5"
        << "1500"
        << "0" << texts({{"txtD5", "Решетка ТАЛИР ПТ-Д5 1500x 1500 - 2 шт."}}) << "EskizD5_2"
        << false;
    // A1 - 54.5 = 1222.5 exactly rounds to the even 1222.
    QTest::newRow("half to even section")
        << "2499.5"
        << "600"
        << "0"
        << texts({{"txtD5", "Решетка ТАЛИР ПТ-Д5 1222x 600 - 2 шт."},
                  {"txt2", "Горизонтальный размер (A1) : А1= 1276.5 мм."}})
        << "EskizD5" << false;
}

void TestPtd5::composition() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, q);
    QFETCH(Texts, expected);
    QFETCH(QString, sketch);
    QFETCH(bool, flowShown);
    const auto result = run(a, b, q);
    QCOMPARE(result.outcome, Outcome::Composite);
    compareTexts(result, expected);
    QCOMPARE(result.sketch, sketch);
    QCOMPARE(result.flowShown, flowShown);
}

void TestPtd5::workedExampleComplete() {
    // Every text of the composite outcome, in the order the window writes them.
    const auto result = run(QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("200"));
    QStringList controls;
    for (const auto& [control, text] : result.texts)
        controls << control;
    QCOMPARE(controls, (QStringList{"txtD5", "txt2", "txt3", "Label6", "Label7", "Label8", "Label9",
                                    "txtSo", "txtFcc", "txtm", "txtP"}));
}

void TestPtd5::localeNotation() {
    // Under a Russian locale the decimal comma is the notation; the point is not.
    const auto comma = run(QStringLiteral("2500,5"), QStringLiteral("600"), QStringLiteral("200,5"),
                           QStringLiteral("ru_RU"));
    QCOMPARE(comma.outcome, Outcome::Composite);
    const auto point = run(QStringLiteral("2500.5"), QStringLiteral("600"), QStringLiteral("200"),
                           QStringLiteral("ru_RU"));
    QCOMPARE(point.outcome, Outcome::Invalid);
}

QTEST_APPLESS_MAIN(TestPtd5)
#include "test_ptd5.moc"
