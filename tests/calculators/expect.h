#pragma once

// Shared by the calculator tests: a case states the texts it expects as
// "control=text" pairs, and only those controls are compared.

#include "calculators/calculator.h"
#include "core/result.h"

#include <QMap>
#include <QStringList>
#include <QTest>

using Texts = QMap<QString, QString>;
Q_DECLARE_METATYPE(talir::core::Outcome)

inline Texts texts(std::initializer_list<std::pair<const char*, const char*>> entries) {
    Texts map;
    for (const auto& [control, text] : entries)
        map.insert(QString::fromUtf8(control), QString::fromUtf8(text));
    return map;
}

inline void compareTexts(const talir::core::Result& result, const Texts& expected) {
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(result.has(it.key()), qPrintable(QStringLiteral("no text for ") + it.key()));
        QCOMPARE(result.text(it.key()), it.value());
    }
}

// Runs the calculation behind a window name, as the window and the command
// line do.
inline talir::core::Result runWindow(const QString& window, const QString& a, const QString& b,
                                     const QString& q, bool sub = false,
                                     const QString& locale = QStringLiteral("en_US")) {
    const auto calculate = talir::calculators::calculatorFor(window);
    if (!calculate)
        qFatal("no calculation for %s", qPrintable(window));
    return calculate({a, b, q, sub, QLocale(locale)});
}

// A table of cases of the common calculation window: the window and its
// inputs, then the outcome, the texts, the sketch and whether the pressure
// (and throw) rows are shown.
inline void addCaseColumns() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("sub");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("q");
    QTest::addColumn<talir::core::Outcome>("outcome");
    QTest::addColumn<Texts>("expected");
    QTest::addColumn<QString>("sketch");
    QTest::addColumn<bool>("flowShown");
}

// A case that ends in a message in txtNo (invalid or not composite).
inline void messageCase(const char* name, const char* window, bool sub, const char* a,
                        const char* b, const char* q, talir::core::Outcome outcome,
                        const QString& message) {
    QTest::newRow(name) << QString::fromUtf8(window) << sub << QString::fromUtf8(a)
                        << QString::fromUtf8(b) << QString::fromUtf8(q) << outcome
                        << Texts{{QStringLiteral("txtNo"), message}} << QString() << false;
}

inline void compositeCase(const char* name, const char* window, bool sub, const char* a,
                          const char* b, const char* q, const Texts& expected, const char* sketch,
                          bool flowShown) {
    QTest::newRow(name) << QString::fromUtf8(window) << sub << QString::fromUtf8(a)
                        << QString::fromUtf8(b) << QString::fromUtf8(q)
                        << talir::core::Outcome::Composite << expected << QString::fromUtf8(sketch)
                        << flowShown;
}

inline void checkCase() {
    QFETCH(QString, window);
    QFETCH(bool, sub);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, q);
    QFETCH(talir::core::Outcome, outcome);
    QFETCH(Texts, expected);
    QFETCH(QString, sketch);
    QFETCH(bool, flowShown);
    const auto result = runWindow(window, a, b, q, sub);
    QCOMPARE(result.outcome, outcome);
    compareTexts(result, expected);
    QCOMPARE(result.sketch, sketch);
    QCOMPARE(result.flowShown, flowShown);
    if (outcome != talir::core::Outcome::Composite)
        QCOMPARE(result.texts.size(), std::size_t(1)); // txtNo alone
}

inline const QString kInvalidMessage = QStringLiteral(
    "НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ. A, B, Q не являются числом. Размер A или B<100 мм, либо Q<0");
inline const QString kNotComposite = QStringLiteral("Данная решетка не является составной");
