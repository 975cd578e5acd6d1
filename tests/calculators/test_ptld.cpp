#include "expect.h"

// ПТ-ЛД: the strip of 1000 mm sections with two standard end sections, and
// its own window with a row of labels per product.

using talir::core::Outcome;

namespace {
const char* const kIncorrect = "НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ";
const char* const kNotNumber = "Введите число A1, B1 или число Q ";
const char* const kShort = "Размер A1<2030";
const char* const kHeight = "Размер B1 вне интервала 24<B1<=500";
const char* const kBeyond = "Размер A1>100000 или Q>1000000";

// Every computed label of the window, written in every outcome.
const QStringList kControls = {"txtG", "txtG1",  "txtG2", "txtS",  "txtS1", "txtS2",
                               "txtM", "txtM1",  "txtM2", "txtE1", "txtE",  "txtE2",
                               "txtP", "txtSob", "txtP1", "txtL02"};

talir::core::Result run(const QString& l, const QString& b, const QString& q,
                        const QString& locale = QStringLiteral("en_US")) {
    return runWindow(QStringLiteral("PTLD"), l, b, q, false, locale);
}

QStringList controlsOf(const talir::core::Result& result) {
    QStringList controls;
    for (const auto& [control, text] : result.texts)
        controls << control;
    return controls;
}
} // namespace

class TestPtld : public QObject {
    Q_OBJECT
private slots:
    void invalid_data();
    void invalid();
    void composition_data();
    void composition();
    void localeNotation();
};

void TestPtld::invalid_data() {
    QTest::addColumn<QString>("l");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("q");
    QTest::addColumn<QStringList>("lines"); // txtG, txtG1, txtG2
    const QStringList notNumber = {kIncorrect, kNotNumber, ""};
    const QStringList outOfRange = {kIncorrect, kShort, kHeight};
    // Beyond the limits of every type: two lines about this window's own
    // inputs, A1 and Q (B1 is bounded by the list of heights).
    const QStringList beyond = {kIncorrect, kBeyond, ""};
    QTest::newRow("empty length") << ""
                                  << "305"
                                  << "0" << notNumber;
    QTest::newRow("letters") << "abc"
                             << "305"
                             << "0" << notNumber;
    QTest::newRow("lone sign") << "2030"
                               << "-"
                               << "0" << notNumber;
    QTest::newRow("inf") << "inf"
                         << "305"
                         << "0" << notNumber;
    QTest::newRow("nan flow") << "2030"
                              << "305"
                              << "nan" << notNumber;
    QTest::newRow("length 2029") << "2029"
                                 << "305"
                                 << "0" << outOfRange;
    QTest::newRow("opening 29") << "2030"
                                << "29"
                                << "0" << outOfRange;
    QTest::newRow("opening 510") << "2030"
                                 << "510"
                                 << "0" << outOfRange;
    // A negative flow still gives the lines about the sizes.
    QTest::newRow("negative flow") << "2030"
                                   << "305"
                                   << "-1" << outOfRange;
    QTest::newRow("1e308") << "1e308"
                           << "305"
                           << "0" << beyond;
    QTest::newRow("length beyond the limit") << "100000.1"
                                             << "305"
                                             << "0" << beyond;
    QTest::newRow("flow beyond the limit") << "2030"
                                           << "305"
                                           << "1000001" << beyond;
}

void TestPtld::invalid() {
    QFETCH(QString, l);
    QFETCH(QString, b);
    QFETCH(QString, q);
    QFETCH(QStringList, lines);
    const auto result = run(l, b, q);
    QCOMPARE(result.outcome, Outcome::Invalid);
    QCOMPARE(controlsOf(result), kControls);
    QStringList written;
    for (const auto& [control, text] : result.texts)
        written << text;
    QCOMPARE(written.mid(0, 3), lines);
    for (const QString& text : written.mid(3))
        QCOMPARE(text, QString());
    QVERIFY(!result.flowShown);
    QVERIFY(result.sketch.isEmpty());
}

void TestPtld::composition_data() {
    QTest::addColumn<QString>("l");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("q");
    QTest::addColumn<Texts>("expected");
    QTest::addColumn<bool>("flowShown");
    QTest::newRow("unequal ends") << "2030"
                                  << "305"
                                  << "1000"
                                  << texts({{"txtG", "Решетка ТАЛИР ПТ-ЛД2 1000x 300 -  1 шт."},
                                            {"txtG1", "Решетка ТАЛИР ПТ-ЛД1 500x 300 -  1 шт."},
                                            {"txtG2", "Решетка ТАЛИР ПТ-ЛД1 525x 300 -  1 шт."},
                                            {"txtS", "Fс.с.= 0.2352"},
                                            {"txtS1", "Fс.с.= 0.1164"},
                                            {"txtS2", "Fс.с.= 0.1224"},
                                            {"txtM", "m=  3.5165"},
                                            {"txtM1", "m=  1.8927"},
                                            {"txtM2", "m=  1.9687"},
                                            {"txtE1", "500"},
                                            {"txtE", " 1x1000 мм"},
                                            {"txtE2", "525"},
                                            {"txtP", "2030"},
                                            {"txtSob", "Fс.с.об.=0.474"},
                                            {"txtP1", "p= 0.2205"},
                                            {"txtL02", "L0,2= 5.5353"}})
                                  << true;
    QTest::newRow("equal ends without flow")
        << "5555"
        << "405"
        << "0"
        << texts({{"txtG", "Решетка ТАЛИР ПТ-ЛД2 1000x 400 -  5 шт."},
                  {"txtG1", "Решетка ТАЛИР ПТ-ЛД1 275x 400 -  2 шт."},
                  {"txtG2", " "},
                  {"txtS2", ""},
                  {"txtM2", ""},
                  {"txtE1", "275"},
                  {"txtE", " 5x1000 мм"},
                  {"txtE2", "275"},
                  {"txtSob", "Fс.с.об.= 1.7576"}})
        << false;
    QTest::newRow("total free area above 1")
        << "3000"
        << "505"
        << "0"
        << texts({{"txtG", "Решетка ТАЛИР ПТ-ЛД2 1000x 500 -  2 шт."},
                  {"txtE1", "475"},
                  {"txtE2", "500"},
                  {"txtSob", "Fс.с.об.= 1.1823"}})
        << false;
    // Both ends 250 when the rest is below 500 mm.
    QTest::newRow("narrowest ends") << "2505"
                                    << "305"
                                    << "0"
                                    << texts({{"txtG", "Решетка ТАЛИР ПТ-ЛД2 1000x 300 -  2 шт."},
                                              {"txtG1", "Решетка ТАЛИР ПТ-ЛД1 250x 300 -  2 шт."},
                                              {"txtG2", " "}})
                                    << false;
    QTest::newRow("rest 501") << "2530"
                              << "305"
                              << "0"
                              << texts({{"txtE1", "250"},
                                        {"txtE2", "275"},
                                        {"txtG2", "Решетка ТАЛИР ПТ-ЛД1 275x 300 -  1 шт."}})
                              << false;
    QTest::newRow("rest 526") << "2555"
                              << "305"
                              << "0"
                              << texts({{"txtE1", "275"},
                                        {"txtE2", "275"},
                                        {"txtG1", "Решетка ТАЛИР ПТ-ЛД1 275x 300 -  2 шт."}})
                              << false;
    // A left end of 400 has one support, and so has the right end of 425:
    // the masses and free areas of both are those of one support.
    QTest::newRow("left end 400") << "2840"
                                  << "305"
                                  << "100"
                                  << texts({{"txtE1", "400"},
                                            {"txtE2", "425"},
                                            {"txtS1", "Fс.с.= 0.0942"},
                                            {"txtS2", "Fс.с.= 0.1002"},
                                            {"txtM1", "m=  1.4859"},
                                            {"txtM2", "m=  1.5619"}})
                                  << true;
    QTest::newRow("shortest and lowest")
        << "2029.5"
        << "30"
        << "0"
        << texts({{"txtG", "Решетка ТАЛИР ПТ-ЛД2 1000x 25 -  1 шт."},
                  {"txtP", "2029.5"},
                  {"txtSob", "Fс.с.об.=0.0206"}})
        << false;
    QTest::newRow("negative zero flow")
        << "2030"
        << "505"
        << "-0"
        << texts({{"txtG", "Решетка ТАЛИР ПТ-ЛД2 1000x 500 -  1 шт."},
                  {"txtP1", "p= 0"},
                  {"txtL02", "L0,2=0"}})
        << false;
    // The longest strip and the largest flow stay exact and in range.
    QTest::newRow("at the limits") << "100000"
                                   << "30"
                                   << "1000000"
                                   << texts({{"txtG", "Решетка ТАЛИР ПТ-ЛД2 1000x 25 -  99 шт."},
                                             {"txtE1", "475"},
                                             {"txtE2", "500"},
                                             {"txtSob", "Fс.с.об.= 1.0197"},
                                             {"txtP1", "p= 47641.4738"},
                                             {"txtL02", "L0,2= 3773.9295"}})
                                   << true;
}

void TestPtld::composition() {
    QFETCH(QString, l);
    QFETCH(QString, b);
    QFETCH(QString, q);
    QFETCH(Texts, expected);
    QFETCH(bool, flowShown);
    const auto result = run(l, b, q);
    QCOMPARE(result.outcome, Outcome::Composite);
    QCOMPARE(controlsOf(result), kControls);
    compareTexts(result, expected);
    QCOMPARE(result.flowShown, flowShown);
    QVERIFY(result.sketch.isEmpty());
}

void TestPtld::localeNotation() {
    const auto comma = run(QStringLiteral("2030,5"), QStringLiteral("305"), QStringLiteral("0"),
                           QStringLiteral("ru_RU"));
    QCOMPARE(comma.outcome, Outcome::Composite);
    QCOMPARE(comma.text(QStringLiteral("txtP")), QStringLiteral("2030,5"));
    const auto point = run(QStringLiteral("2030.5"), QStringLiteral("305"), QStringLiteral("0"),
                           QStringLiteral("ru_RU"));
    QCOMPARE(point.text(QStringLiteral("txtG1")), QString::fromUtf8(kNotNumber));
}

QTEST_APPLESS_MAIN(TestPtld)
#include "test_ptld.moc"
