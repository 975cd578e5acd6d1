#pragma once

// Shared by the calculator tests: a case states the texts it expects as
// "control=text" lines, and only those controls are compared.

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
