#pragma once

#include "fixed4.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// The number rules shared by every calculator: rounding, the three kinds of
// number text the result panels show, and reading what the user typed.
namespace talir::core {

// R(x): nearest whole number, halves to the even neighbour (R(2.5) = 2).
double R(double x);

// Single-precision storage: the value as a float keeps it.
inline float single(double x) {
    return static_cast<float>(x);
}

// S(x), the signed-blank number text: " " or "-", then the digits with "." as
// the decimal point, no "0" before the point below 1, no trailing zeros.
QString S(double x); // at most 15 significant digits
QString S(float x);  // at most 7 significant digits
QString S(Fixed4 x); // at most four decimals, exact
QString S(std::int64_t x);
inline QString S(int x) {
    return S(static_cast<std::int64_t>(x));
}

// L(x), the locale number text: at most 7 significant digits in ASCII digits
// whatever the locale, the locale's decimal separator, "0" before it below 1,
// no blank and no grouping.
QString L(double x, const QLocale& locale);

// Z(x), the fraction text for 0 <= x < 1: S(x) without its blank, "" for 0.
QString Z(Fixed4 x);

// The figure lines of the result panels: prefix + "0" + Z(v) below 1
// ("Fc.c.= 0.3346"), prefix + S(v) otherwise ("m=  4.6739").
QString figureText(const QString& prefix, Fixed4 value);
// The same with a different prefix for values below 1 ("p= 0.2" / "p= 3").
QString figureText(const QString& belowOnePrefix, const QString& prefix, Fixed4 value);

// A text typed into an input box, read as a number in the given locale's
// notation (optional blanks and sign, the locale's decimal separator, an
// exponent; no digit grouping). Nothing when it is not a finite number.
std::optional<double> readNumber(const QString& text, const QLocale& locale);

} // namespace talir::core
