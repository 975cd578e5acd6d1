#include "core/limits.h"
#include "expect.h"

// What the nine windows of the common layout share: how they take bad and
// extreme input, and the rows shown for the air flow.

using talir::core::Outcome;

namespace {

// Each type's section limits (overall sizes, mm); 0 where a type has none.
struct TypeLimits {
    const char* window;
    const char* grille;
    double allowanceWidth;
    double allowanceHeight;
    double largestWidth;
    double largestHeight;
    double largestSum;
    double shortSide; // one side at most this
};

const TypeLimits kTypes[] = {
    {"PTD5", "ПТ-Д5", 54.5, 54.5, 2054.5, 2054.5, 3109, 0},
    {"PTD6", "ПТ-Д6", 79.5, 79.5, 2079.5, 2079.5, 3159, 0},
    {"PTD6set", "ПТ-Д6", 79.5, 79.5, 2079.5, 2079.5, 3159, 1079.5},
    {"PTL", "ПТ-Л", 47.5, 57.5, 2047.5, 2057.5, 3105, 0},
    {"PTLW", "ПТ-ЛШ", 47.5, 47.5, 2047.5, 2047.5, 2595, 547.5},
    {"PTM", "ПТ-М", 48, 48, 1548, 1548, 0, 0},
    {"PTMW", "ПТ-МШ", 47.5, 47.5, 2047.5, 2047.5, 2595, 547.5},
    {"PTF", "ПТ-Ф", 50, 50, 1050, 1050, 0, 0},
    {"PTJ", "ПТ-Ж", 50, 50, 1050, 650, 0, 0},
};

QString invalidMessageOf(const QString& window) {
    if (window == QLatin1String("PTD6set"))
        return QStringLiteral("НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ. A, B, Q не являются числом. "
                              "Либо размер A или B<100 мм");
    return kInvalidMessage;
}

// The number at the end of a figure text ("p=  17.1864" -> 17.1864).
double figure(const QString& text) {
    const qsizetype equals = text.lastIndexOf(QLatin1Char('='));
    bool ok = false;
    const double value = text.mid(equals + 1).trimmed().toDouble(&ok);
    return ok ? value : qQNaN();
}

} // namespace

class TestInputs : public QObject {
    Q_OBJECT
private slots:
    void invalid_data();
    void invalid();
    void flowRows_data();
    void flowRows();
    void atTheLimits_data();
    void atTheLimits();
    void sketchLabelsInEveryLocale_data();
    void sketchLabelsInEveryLocale();
};

void TestInputs::invalid_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("q");
    QTest::addColumn<QString>("message");
    const QString beyond = talir::core::beyondLimitsMessage();
    for (const TypeLimits& type : kTypes) {
        const QString window = QString::fromUtf8(type.window);
        const QString invalid = invalidMessageOf(window);
        const auto row = [&](const char* name, const char* a, const char* b, const char* q,
                             const QString& message) {
            QTest::addRow("%s %s", type.window, name) << window << a << b << q << message;
        };
        row("empty A", "", "3000", "0", invalid);
        row("letters", "3000", "abc", "0", invalid);
        row("lone sign", "-", "3000", "0", invalid);
        row("inf", "inf", "3000", "0", invalid);
        row("nan flow", "3000", "3000", "nan", invalid);
        row("A below 100", "99.9", "3000", "0", invalid);
        row("negative Q", "3000", "3000", "-1", invalid);
        row("1e308", "1e308", "3000", "0", beyond);
        row("A beyond the limit", "100000.1", "3000", "0", beyond);
        row("B beyond the limit", "3000", "100001", "0", beyond);
        row("Q beyond the limit", "3000", "3000", "1000000.5", beyond);
    }
}

void TestInputs::invalid() {
    QFETCH(QString, window);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, q);
    QFETCH(QString, message);
    const auto result = runWindow(window, a, b, q);
    QCOMPARE(result.outcome, Outcome::Invalid);
    QCOMPARE(result.texts.size(), std::size_t(1));
    QCOMPARE(result.text(QStringLiteral("txtNo")), message);
    QVERIFY(result.sketch.isEmpty());
    QVERIFY(!result.flowShown);
}

void TestInputs::flowRows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("q");
    QTest::addColumn<bool>("shown");
    for (const TypeLimits& type : kTypes) {
        const QString window = QString::fromUtf8(type.window);
        QTest::addRow("%s Q = 0", type.window) << window << "0" << false;
        QTest::addRow("%s Q = -0", type.window) << window << "-0" << false;
        QTest::addRow("%s small Q", type.window) << window << "0.001" << true;
        QTest::addRow("%s largest Q", type.window) << window << "1000000" << true;
    }
}

void TestInputs::flowRows() {
    QFETCH(QString, window);
    QFETCH(QString, q);
    QFETCH(bool, shown);
    const auto result = runWindow(window, QStringLiteral("3000"), QStringLiteral("3000"), q);
    QCOMPARE(result.outcome, Outcome::Composite);
    QCOMPARE(result.flowShown, shown);
    // The figures are written whether or not their rows are shown; the jet
    // throw only in the windows that have its row.
    QVERIFY(result.has(QStringLiteral("txtP")));
    const auto* descriptor = talir::calculators::findPatternWindow(window);
    QVERIFY(descriptor);
    QCOMPARE(result.has(QStringLiteral("txtL02")), descriptor->jetThrow);
    QVERIFY(!result.text(QStringLiteral("txtSo")).isEmpty());
}

void TestInputs::atTheLimits_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    const std::pair<double, double> sizes[] = {{100000, 100000}, {100000, 100},  {100, 100000},
                                               {2000, 100000},   {100000, 2000}, {99999.9, 1999.9},
                                               {1000, 100000},   {100000, 600}};
    for (int i = 0; i < int(std::size(kTypes)); ++i)
        for (const auto& [a, b] : sizes)
            QTest::addRow("%s %g x %g", kTypes[i].window, a, b) << i << a << b;
}

// The largest inputs end quickly in a composite result whose sections keep
// every limit of the type, whose count is exact and whose figures are far
// inside the range of the fixed-point values.
void TestInputs::atTheLimits() {
    QFETCH(int, type);
    QFETCH(double, a);
    QFETCH(double, b);
    const TypeLimits& limits = kTypes[type];
    const QLocale c(QLocale::C);
    const auto result = runWindow(QString::fromUtf8(limits.window), c.toString(a, 'g', 10),
                                  c.toString(b, 'g', 10), QStringLiteral("1000000"));
    QCOMPARE(result.outcome, Outcome::Composite);
    QVERIFY(result.flowShown);

    // "Решетка ТАЛИР <grille> <a>x <b> - <count> шт."
    const QString order = result.text(QStringLiteral("txtD5"));
    const QString prefix =
        QStringLiteral("Решетка ТАЛИР ") + QString::fromUtf8(limits.grille) + ' ';
    QVERIFY2(order.startsWith(prefix), qPrintable(order));
    const QStringList parts = order.mid(prefix.size()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QCOMPARE(parts.size(), 5);
    const double count = parts[3].toDouble();

    const double A1 = result.text(QStringLiteral("Label6")).toDouble();
    const double B1 = result.text(QStringLiteral("Label7")).toDouble();
    QVERIFY(A1 <= limits.largestWidth);
    QVERIFY(B1 <= limits.largestHeight);
    if (limits.largestSum > 0)
        QVERIFY(A1 + B1 <= limits.largestSum);
    if (limits.shortSide > 0)
        QVERIFY(std::min(A1, B1) <= limits.shortSide);
    const double columns = std::round((a + limits.allowanceWidth) / A1);
    const double rows = std::round((b + limits.allowanceHeight) / B1);
    QCOMPARE(count, columns * rows);

    for (const char* control : {"txtFcc", "txtSo", "txtm", "txtP", "txtL02"}) {
        const QString text = result.text(QString::fromUtf8(control));
        if (text.isEmpty() && QByteArray(control) == "txtL02")
            continue;
        const double value = figure(text);
        QVERIFY2(value > 0 && value < 1e12, qPrintable(text));
    }
}

void TestInputs::sketchLabelsInEveryLocale_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("locale");
    const char* const windows[] = {"PTD5", "PTD6", "PTD6set", "PTL", "PTLW",
                                   "PTM",  "PTMW", "PTF",     "PTJ", "PTLD"};
    for (const char* window : windows)
        for (const char* locale : {"ru_RU", "en_US", "de_DE", "ar_EG"})
            QTest::addRow("%s %s", window, locale)
                << QString::fromLatin1(window) << QString::fromLatin1(locale);
}

// The whole-millimetre sizes written for the sketch (and on the ПТ-ЛД
// drawing) are ASCII digits whatever the locale the user types in, the
// user's own digits under an Arabic locale included.
void TestInputs::sketchLabelsInEveryLocale() {
    QFETCH(QString, window);
    QFETCH(QString, locale);
    const bool strip = window == QLatin1String("PTLD");
    const double a = strip ? 2030 : 2500;
    const double b = strip ? 305 : 600;
    QLocale typing(locale);
    typing.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto result = runWindow(window, typing.toString(a), typing.toString(b),
                                  typing.toString(200), false, locale);
    QCOMPARE(result.outcome, Outcome::Composite);
    const auto reference = runWindow(window, QString::number(a), QString::number(b),
                                     QStringLiteral("200"), false, QStringLiteral("C"));
    const QStringList labels =
        strip ? QStringList{"txtE1", "txtE2"} : QStringList{"Label8", "Label9"};
    for (const QString& label : labels) {
        const QString text = result.text(label);
        QVERIFY2(!text.isEmpty(), qPrintable(label));
        for (const QChar c : text)
            QVERIFY2(c >= QLatin1Char('0') && c <= QLatin1Char('9'),
                     qPrintable(label + ": " + text));
        QCOMPARE(text, reference.text(label));
    }
}

QTEST_APPLESS_MAIN(TestInputs)
#include "test_inputs.moc"
