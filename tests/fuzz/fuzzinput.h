#pragma once

// One fuzz input read as what a user could give a calculation window: the
// window, the locale, the sub-type box and the three texts, one per line:
//
//   PTD5\nru_RU\n0\n2500\n600\n200
//
// Any bytes make an input: a window name that is none picks a window by
// its first byte, a one-character locale line picks one of the locales that
// write their numbers differently, any other line is taken as a locale
// name, and missing lines are empty texts. The benchmark reads the same
// files to find the slowest input the fuzzer met.

#include "calculators/calculator.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace talir::fuzz {

struct FuzzInput {
    QString window;
    calculators::Input input;
};

inline FuzzInput decodeFuzzInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> lines = bytes.split('\n');
    const auto line = [&](qsizetype i) { return i < lines.size() ? lines[i] : QByteArray(); };

    const auto& windows = calculators::calculationWindowNames();
    FuzzInput fuzz;
    fuzz.window = QString::fromUtf8(line(0));
    if (!calculators::calculatorFor(fuzz.window)) {
        const auto first = line(0).isEmpty() ? 0u : static_cast<unsigned char>(line(0)[0]);
        fuzz.window = windows[first % windows.size()];
    }
    static const char* const locales[] = {"ru_RU", "en_US", "de_DE", "ar_EG", "fa_IR",
                                          "hi_IN", "fr_CH", "de_CH", "C",     "bn_BD"};
    const QByteArray locale = line(1);
    if (locale.size() == 1)
        fuzz.input.locale = QLocale(QString::fromLatin1(
            locales[static_cast<unsigned char>(locale[0]) % std::size(locales)]));
    else
        fuzz.input.locale = QLocale(QString::fromUtf8(locale));
    fuzz.input.sub = line(2) == "1";
    fuzz.input.a = QString::fromUtf8(line(3));
    fuzz.input.b = QString::fromUtf8(line(4));
    fuzz.input.q = QString::fromUtf8(line(5));
    return fuzz;
}

} // namespace talir::fuzz
