#include "numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace talir::core {
namespace {

// Digits of a magnitude in the shortest 'g' form with the given precision,
// reshaped to the signed-blank style: ".5" not "0.5", "1E+16" not "1e+16".
QString signedBlank(double magnitude, bool negative, int significantDigits) {
    if (magnitude == 0.0)
        return QStringLiteral(" 0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", significantDigits, magnitude);
    QString digits = QString::fromLatin1(buffer);
    if (digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1);
    const qsizetype e = digits.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // 1e+16 -> 1E+16, 1e-05 -> 1E-05
        digits[e] = QLatin1Char('E');
    }
    return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

} // namespace

double R(double x) {
    const double lower = std::floor(x);
    const double rest = x - lower; // exact
    if (rest > 0.5)
        return lower + 1.0;
    if (rest < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

QString S(double x) {
    return signedBlank(std::fabs(x), std::signbit(x) && x != 0.0, 15);
}

QString S(float x) {
    return signedBlank(std::fabs(static_cast<double>(x)), std::signbit(x) && x != 0.0f, 7);
}

QString S(std::int64_t x) {
    const bool negative = x < 0;
    const auto magnitude =
        negative ? -static_cast<unsigned long long>(x) : static_cast<unsigned long long>(x);
    return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(magnitude);
}

QString S(Fixed4 x) {
    const std::int64_t ticks = x.ticks();
    if (ticks == 0)
        return QStringLiteral(" 0");
    const bool negative = ticks < 0;
    const auto magnitude =
        negative ? -static_cast<unsigned long long>(ticks) : static_cast<unsigned long long>(ticks);
    const auto whole = magnitude / Fixed4::kScale;
    auto fraction = magnitude % Fixed4::kScale;
    QString text = negative ? QStringLiteral("-") : QStringLiteral(" ");
    if (whole != 0)
        text += QString::number(whole);
    if (fraction != 0) {
        QString decimals = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        text += QLatin1Char('.') + decimals;
    }
    return text;
}

QString L(double x, const QLocale& locale) {
    // The digits are ASCII under every locale (an Arabic or Persian locale
    // would write its own digits, which the sketch labels must not show);
    // only the decimal separator is the locale's.
    if (x == 0.0)
        return QStringLiteral("0");
    QString text = QLocale::c().toString(x, 'g', 7);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text.replace(point, 1, locale.decimalPoint());
    return text;
}

QString Z(Fixed4 x) {
    if (x.ticks() == 0)
        return QString();
    return S(x).mid(1);
}

QString figureText(const QString& belowOnePrefix, const QString& prefix, Fixed4 value) {
    if (value < Fixed4::fromWhole(1))
        return belowOnePrefix + QLatin1Char('0') + Z(value);
    return prefix + S(value);
}

QString figureText(const QString& prefix, Fixed4 value) {
    return figureText(prefix, prefix, value);
}

std::optional<double> readNumber(const QString& text, const QLocale& locale) {
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace talir::core
