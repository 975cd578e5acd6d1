#include "ptld.h"

#include "core/limits.h"
#include "core/numbers.h"

#include <cmath>

namespace talir::calculators {
namespace {

using core::F;
using core::Fixed4;
using core::S;
using core::single;

// ПТ-ЛД constants, as the design engineers name them.
struct Ptld {
    static constexpr double kOpeningAllowance = 5;   // opening height − grille height
    static constexpr double kLowestHeight = 24;      // grille height must be above
    static constexpr double kHighestHeight = 500;    // grille height at most
    static constexpr double kShortestOpening = 2029; // opening length must be above
    static constexpr double kMiddleWidth = 1000;     // ПТ-ЛД2
    static constexpr short kMiddleSupports = 3;
    static constexpr double kEndAllowance = 29; // opening length − sum of the sections
    static constexpr double kEndMargin = 5;     // taken off the rest before it is shared
    static constexpr float kNarrowestEnd = 250; // ПТ-ЛД1 widths: 250, 275, … 750
    static constexpr float kEndStep = 25;
    static constexpr float kOneSupportUpTo = 400; // wider ends have two supports
    static constexpr double kBladePitch = 12.5;
};

// The composition of a strip.
struct Strip {
    float middles; // m2, number of ПТ-ЛД2
    float left;    // w1
    float right;   // w2
    bool equalEnds;
    short endSupports; // kk
};

Strip composeStrip(double L) {
    Strip strip;
    const float thousands = single(std::trunc(core::R(L) / 1000));
    // The rest beyond the whole thousands, less 5 mm, must leave 250 mm for
    // each end; if it does not, one thousand goes to the ends.
    const bool restTooShort =
        ((L - 1000 * double(thousands)) - Ptld::kEndMargin) / 2 < Ptld::kNarrowestEnd;
    strip.middles = restTooShort ? thousands - 1 : thousands;
    const float rest = single(L - Ptld::kMiddleWidth * strip.middles - Ptld::kEndAllowance);

    // The smallest pair of standard widths, equal or the right one 25 mm
    // wider, that covers the rest. The rest is below 1476 mm, so the widths
    // stay within 250 to 750.
    float w = Ptld::kNarrowestEnd;
    for (;;) {
        if (single(double(rest) / 2) <= w) {
            strip.left = strip.right = w;
            strip.equalEnds = true;
            break;
        }
        if (single((double(rest) - 25) / 2) <= w) {
            strip.left = w;
            strip.right = w + Ptld::kEndStep;
            strip.equalEnds = false;
            break;
        }
        w += Ptld::kEndStep;
    }
    strip.endSupports = w > Ptld::kOneSupportUpTo ? 2 : 1;
    return strip;
}

// One section of width x with its supports, N blade pitches of 12.5 mm:
// each pitch opens a slot 10.5 mm high over x − 2 mm, less 8 mm per support.
Fixed4 freeArea(double N, double x, short supports) {
    return F((N * ((x - 2) * 10.5) - supports * (N * 10.5 * 8)) / 1e6);
}

// Frame over the overall perimeter (x + 65 by B + 53), N − 1 blades of
// x − 5 mm, and the supports.
Fixed4 mass(double N, double B, double x, short supports) {
    return F(2.2 * ((x + 65) + (B + 53)) / 1000 * 0.195 + (N - 1) * 1.1 * ((x - 5) / 1000) * 0.108 +
             N * 1.5 * supports * 10.5 / 1000 * 0.0827 + (B / 1000) * 1.1 * supports * 0.22);
}

core::Result withTexts(core::Outcome outcome, const std::vector<QString>& texts) {
    core::Result result;
    result.outcome = outcome;
    const auto& controls = ptldTextControls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        result.set(controls[i], i < texts.size() ? texts[i] : QString());
    return result;
}

const QString kIncorrect = QStringLiteral("НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ");

// Every invalid outcome writes its lines into txtG, txtG1, txtG2 and clears
// the other labels.
core::Result invalid(const std::vector<QString>& lines) {
    return withTexts(core::Outcome::Invalid, lines);
}

QString endOrder(float width, double B, const char* count) {
    return QStringLiteral("Решетка ТАЛИР ПТ-ЛД1") + S(width) + QLatin1Char('x') + S(B) +
           QStringLiteral(" - ") + QString::fromUtf8(count);
}

QString productFreeArea(Fixed4 area) {
    return QStringLiteral("Fс.с.= 0") + core::Z(area);
}

} // namespace

const std::vector<QString>& ptldTextControls() {
    static const std::vector<QString> controls = {
        QStringLiteral("txtG"),  QStringLiteral("txtG1"),  QStringLiteral("txtG2"),
        QStringLiteral("txtS"),  QStringLiteral("txtS1"),  QStringLiteral("txtS2"),
        QStringLiteral("txtM"),  QStringLiteral("txtM1"),  QStringLiteral("txtM2"),
        QStringLiteral("txtE1"), QStringLiteral("txtE"),   QStringLiteral("txtE2"),
        QStringLiteral("txtP"),  QStringLiteral("txtSob"), QStringLiteral("txtP1"),
        QStringLiteral("txtL02")};
    return controls;
}

core::Result calculatePtld(const Input& input) {
    const auto length = core::readNumber(input.a, input.locale);
    const auto opening = core::readNumber(input.b, input.locale);
    const auto flow = core::readNumber(input.q, input.locale);
    if (!length || !opening || !flow)
        return invalid({kIncorrect, QStringLiteral("Введите число A1, B1 или число Q ")});
    const double L = *length;
    const double B = *opening - Ptld::kOpeningAllowance;
    const double Q = *flow;
    if (!(B <= Ptld::kHighestHeight && B > Ptld::kLowestHeight && L > Ptld::kShortestOpening &&
          Q >= 0))
        return invalid({kIncorrect, QStringLiteral("Размер A1<2030"),
                        QStringLiteral("Размер B1 вне интервала 24<B1<=500")});
    // The limits of every type, said of this window's own sizes.
    if (L > core::kMaxSizeMm || Q > core::kMaxFlowM3h)
        return invalid({kIncorrect, QStringLiteral("Размер A1>100000 или Q>1000000")});

    const Strip strip = composeStrip(L);
    const double N = (B - Ptld::kBladePitch) / Ptld::kBladePitch;
    const Fixed4 F2 = freeArea(N, Ptld::kMiddleWidth, Ptld::kMiddleSupports);
    const Fixed4 F1a = freeArea(N, strip.left, strip.endSupports);
    const Fixed4 F1b = freeArea(N, strip.right, strip.endSupports);
    const Fixed4 M2 = mass(N, B, Ptld::kMiddleWidth, Ptld::kMiddleSupports);
    const Fixed4 M1a = mass(N, B, strip.left, strip.endSupports);
    const Fixed4 M1b = mass(N, B, strip.right, strip.endSupports);
    const Fixed4 So = F(F2.toDouble() * strip.middles) + F1a + F1b;
    const double q = Q / 3600;
    const double so = So.toDouble();
    const Fixed4 p = F(1.284 * (q * q) / (2 * (so * so)));
    const Fixed4 L02 = F(2.743863434 * q / (0.2 * std::sqrt(so)));

    const bool equal = strip.equalEnds;
    using core::figureText;
    core::Result result = withTexts(
        core::Outcome::Composite,
        {QStringLiteral("Решетка ТАЛИР ПТ-ЛД2 1000x") + S(B) + QStringLiteral(" - ") +
             S(strip.middles) + QStringLiteral(" шт."),
         endOrder(strip.left, B, equal ? " 2 шт." : " 1 шт."),
         equal ? QStringLiteral(" ") : endOrder(strip.right, B, " 1 шт."), productFreeArea(F2),
         productFreeArea(F1a), equal ? QString() : productFreeArea(F1b),
         figureText(QStringLiteral("m= "), M2), figureText(QStringLiteral("m= "), M1a),
         equal ? QString() : figureText(QStringLiteral("m= "), M1b),
         core::L(strip.left, input.locale), S(strip.middles) + QStringLiteral("x1000 мм"),
         core::L(strip.right, input.locale), input.a, figureText(QStringLiteral("Fс.с.об.="), So),
         figureText(QStringLiteral("p= "), QStringLiteral("p="), p),
         figureText(QStringLiteral("L0,2="), L02)});
    result.flowShown = Q != 0;

    const auto product = [&](const char* grille, double width, std::int64_t count, Fixed4 unitMass,
                             Fixed4 area) {
        result.products.push_back({.grille = QString::fromUtf8(grille),
                                   .width = width,
                                   .height = B,
                                   .count = count,
                                   .unitMass = unitMass,
                                   .freeArea = area});
    };
    product("ПТ-ЛД2", Ptld::kMiddleWidth, static_cast<std::int64_t>(strip.middles), M2, F2);
    product("ПТ-ЛД1", strip.left, equal ? 2 : 1, M1a, F1a);
    if (!equal)
        product("ПТ-ЛД1", strip.right, 1, M1b, F1b);
    result.figures = {.So = So, .p = p, .L02 = L02};
    result.strip = core::StripGeometry{.length = L,
                                       .height = B,
                                       .middles = static_cast<std::int64_t>(strip.middles),
                                       .middleWidth = Ptld::kMiddleWidth,
                                       .leftEnd = strip.left,
                                       .rightEnd = strip.right,
                                       .endSupports = strip.endSupports,
                                       .middleSupports = Ptld::kMiddleSupports};
    return result;
}

} // namespace talir::calculators
