#include "core/fixed4.h"
#include "core/numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace talir::core;

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void halfEvenRounding_data();
    void halfEvenRounding();
    void storingIntoFixedPoint_data();
    void storingIntoFixedPoint();
    void fixedPointOutOfRange();
    void fixedPointArithmeticIsExact();
    void fixedPointToWhole_data();
    void fixedPointToWhole();
    void signedBlankText_data();
    void signedBlankText();
    void singleAndDoubleDigits();
    void localeText_data();
    void localeText();
    void fractionAndFigureTexts();
    void readingNumbers_data();
    void readingNumbers();
};

void TestNumbers::halfEvenRounding_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("3.5") << 3.5 << 4.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("-3.5") << -3.5 << -4.0;
    QTest::newRow("2.4999999") << 2.4999999 << 2.0;
    QTest::newRow("2.5000001") << 2.5000001 << 3.0;
    // R(q + 0.5) is no ceiling: whole even q stays, whole odd q goes up.
    QTest::newRow("q=1 +.5") << 1.5 << 2.0;
    QTest::newRow("q=2 +.5") << 2.5 << 2.0;
    QTest::newRow("1.2434+.5") << 1.7434 << 2.0;
    QTest::newRow("0.9+.5") << 1.4 << 1.0;
}

void TestNumbers::halfEvenRounding() {
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE(R(x), expected);
}

void TestNumbers::storingIntoFixedPoint_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<qint64>("ticks");
    QTest::newRow("1277.25") << 1277.25 << qint64(12772500);
    // Exact binary halves of a ten-thousandth go to the even neighbour.
    QTest::newRow("half to even, down") << 1.03125 << qint64(10312);
    QTest::newRow("half to even, up") << 1.09375 << qint64(10938);
    // 0.00015 is 1.49999999999999993e-4 in binary: below the half.
    QTest::newRow("below the half") << 0.00015 << qint64(1);
    QTest::newRow("negative") << -1.23456 << qint64(-12346);
    // 0.35954999... times 10000 is exactly 3595.5 in double: a false half.
    QTest::newRow("no false half") << 0.35954999999999998 << qint64(3595);
    QTest::newRow("527.75") << 1055.5 / 2 << qint64(5277500);
    QTest::newRow("zero") << 0.0 << qint64(0);
    QTest::newRow("negative zero") << -0.0 << qint64(0);
    QTest::newRow("tiny") << 1e-300 << qint64(0);
    QTest::newRow("largest") << 9.2e14 << qint64(9200000000000000000);
}

void TestNumbers::storingIntoFixedPoint() {
    QFETCH(double, x);
    QFETCH(qint64, ticks);
    QCOMPARE(Fixed4::fromDouble(x).ticks(), ticks);
}

void TestNumbers::fixedPointOutOfRange() {
    QVERIFY(!Fixed4::tryFromDouble(1e15).has_value());
    QVERIFY(!Fixed4::tryFromDouble(-1e300).has_value());
    QVERIFY(!Fixed4::tryFromDouble(std::numeric_limits<double>::infinity()).has_value());
    QVERIFY(!Fixed4::tryFromDouble(std::nan("")).has_value());
    QVERIFY(Fixed4::tryFromDouble(922337203685477.0).has_value());
    QCOMPARE(Fixed4::fromDouble(1e300).ticks(), std::numeric_limits<qint64>::max());
}

void TestNumbers::fixedPointArithmeticIsExact() {
    // 0.1 + 0.2 is 0.30000000000000004 in double, exact here.
    QCOMPARE((F(0.1) + F(0.2)).ticks(), qint64(3000));
    QCOMPARE((F(0.3346) * 2).ticks(), qint64(6692));
    QCOMPARE((Fixed4::fromWhole(1223) + F(54.5)).ticks(), qint64(12775000));
    QVERIFY(F(1277.25) + F(654.5) < F(3109));
    QCOMPARE(F(0.3346).toDouble(), 0.3346);
}

void TestNumbers::fixedPointToWhole_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<qint64>("whole");
    QTest::newRow("1222.5") << 1222.5 << qint64(1222);
    QTest::newRow("1223.5") << 1223.5 << qint64(1224);
    QTest::newRow("473.25") << 473.25 << qint64(473);
    QTest::newRow("960.75") << 960.75 << qint64(961);
    QTest::newRow("-2.5") << -2.5 << qint64(-2);
    QTest::newRow("-3.5") << -3.5 << qint64(-4);
    QTest::newRow("-3.4999") << -3.4999 << qint64(-3);
}

void TestNumbers::fixedPointToWhole() {
    QFETCH(double, x);
    QFETCH(qint64, whole);
    QCOMPARE(F(x).roundToWhole(), whole);
}

void TestNumbers::signedBlankText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("double 2000") << S(2000.0) << " 2000";
    QTest::newRow("double 54.5") << S(54.5) << " 54.5";
    QTest::newRow("double 0.9042") << S(0.9042) << " .9042";
    QTest::newRow("double negative") << S(-0.25) << "-.25";
    QTest::newRow("double zero") << S(0.0) << " 0";
    QTest::newRow("double negative zero") << S(-0.0) << " 0";
    QTest::newRow("double 15 digits") << S(1.0 / 3.0) << " .333333333333333";
    QTest::newRow("double huge") << S(1e16) << " 1E+16";
    QTest::newRow("fixed 1277.5") << S(F(1277.5)) << " 1277.5";
    QTest::newRow("fixed 4.6739") << S(F(4.6739)) << " 4.6739";
    QTest::newRow("fixed 0.0083") << S(F(0.0083)) << " .0083";
    QTest::newRow("fixed 2.109") << S(F(2.109)) << " 2.109";
    QTest::newRow("fixed whole") << S(F(2079)) << " 2079";
    QTest::newRow("fixed zero") << S(F(0)) << " 0";
    QTest::newRow("fixed negative") << S(F(-12.05)) << "-12.05";
    QTest::newRow("whole") << S(18) << " 18";
    QTest::newRow("whole negative") << S(-7) << "-7";
}

void TestNumbers::signedBlankText() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestNumbers::singleAndDoubleDigits() {
    // A single keeps 7 significant digits, a double 15.
    QCOMPARE(S(1.0f / 3.0f), QStringLiteral(" .3333333"));
    QCOMPARE(S(1223.0f), QStringLiteral(" 1223"));
    QCOMPARE(S(16777216.0f), QStringLiteral(" 1.677722E+07"));
    QCOMPARE(S(123456.789), QStringLiteral(" 123456.789"));
}

void TestNumbers::localeText_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    // ASCII digits under every locale, Arabic ones included; only the
    // decimal separator is the locale's (U+066B under ar_EG).
    struct Case {
        const char* name;
        double x;
        const char* ru;
        const char* en;
        const char* de;
        const char* ar;
    };
    const Case cases[] = {
        {"whole", 1220.0, "1220", "1220", "1220", "1220"},
        {"whole large, no grouping", 1234567.0, "1234567", "1234567", "1234567", "1234567"},
        {"fraction", 0.5, "0,5", "0.5", "0,5", "0\u066B5"},
        {"7 digits", 1234.56789, "1234,568", "1234.568", "1234,568", "1234\u066B568"},
        {"zero", 0.0, "0", "0", "0", "0"},
    };
    for (const Case& c : cases) {
        const std::pair<const char*, const char*> expected[] = {
            {"ru_RU", c.ru}, {"en_US", c.en}, {"de_DE", c.de}, {"ar_EG", c.ar}};
        for (const auto& [locale, text] : expected)
            QTest::addRow("%s %s", c.name, locale)
                << c.x << QString::fromLatin1(locale) << QString::fromUtf8(text);
    }
}

void TestNumbers::localeText() {
    QFETCH(double, x);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(L(x, QLocale(locale)), expected);
}

void TestNumbers::fractionAndFigureTexts() {
    QCOMPARE(Z(F(0.9042)), QStringLiteral(".9042"));
    QCOMPARE(Z(F(0)), QString());
    QCOMPARE(figureText(QStringLiteral("Fc.c.= "), F(0.3346)), QStringLiteral("Fc.c.= 0.3346"));
    QCOMPARE(figureText(QStringLiteral("p= "), F(0)), QStringLiteral("p= 0"));
    QCOMPARE(figureText(QStringLiteral("m= "), F(4.6739)), QStringLiteral("m=  4.6739"));
    QCOMPARE(figureText(QStringLiteral("m= "), F(1)), QStringLiteral("m=  1"));
    QCOMPARE(figureText(QStringLiteral("m= "), F(0.99995)), QStringLiteral("m=  1"));
    QCOMPARE(figureText(QStringLiteral("p= "), QStringLiteral("p="), F(3.25)),
             QStringLiteral("p= 3.25"));
    QCOMPARE(figureText(QStringLiteral("p= "), QStringLiteral("p="), F(0.25)),
             QStringLiteral("p= 0.25"));
}

void TestNumbers::readingNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("comma ru") << "1500,5"
                              << "ru_RU" << true << 1500.5;
    QTest::newRow("point ru") << "1500.5"
                              << "ru_RU" << false << 0.0;
    QTest::newRow("point en") << "1500.5"
                              << "en_US" << true << 1500.5;
    QTest::newRow("comma en is no grouping") << "1,500"
                                             << "en_US" << false << 0.0;
    QTest::newRow("whole") << "2500"
                           << "ru_RU" << true << 2500.0;
    QTest::newRow("blanks around") << " 2500 "
                                   << "ru_RU" << true << 2500.0;
    QTest::newRow("sign") << "-1"
                          << "ru_RU" << true << -1.0;
    QTest::newRow("plus") << "+7"
                          << "ru_RU" << true << 7.0;
    QTest::newRow("exponent") << "1e3"
                              << "ru_RU" << true << 1000.0;
    QTest::newRow("huge finite") << "1e308"
                                 << "ru_RU" << true << 1e308;
    QTest::newRow("beyond double") << "1e309"
                                   << "ru_RU" << false << 0.0;
    QTest::newRow("empty") << ""
                           << "ru_RU" << false << 0.0;
    QTest::newRow("blank") << "  "
                           << "ru_RU" << false << 0.0;
    QTest::newRow("letters") << "abc"
                             << "ru_RU" << false << 0.0;
    QTest::newRow("lone minus") << "-"
                                << "ru_RU" << false << 0.0;
    QTest::newRow("lone comma") << ","
                                << "ru_RU" << false << 0.0;
    QTest::newRow("inf") << "inf"
                         << "en_US" << false << 0.0;
    QTest::newRow("nan") << "nan"
                         << "en_US" << false << 0.0;
    QTest::newRow("digits and letters") << "12abc"
                                        << "ru_RU" << false << 0.0;
    // Under an Arabic locale the user may type the locale's digits and
    // separator or ASCII digits.
    QTest::newRow("arabic digits ar")
        << QString::fromUtf8("\u0661\u0662\u0662\u0660\u066B\u0665") << "ar_EG" << true << 1220.5;
    QTest::newRow("ascii digits ar") << "1220"
                                     << "ar_EG" << true << 1220.0;
    QTest::newRow("comma de") << "1220,5"
                              << "de_DE" << true << 1220.5;
}

void TestNumbers::readingNumbers() {
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto read = readNumber(text, QLocale(locale));
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
