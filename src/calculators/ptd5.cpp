#include "ptd5.h"

#include "core/numbers.h"
#include "pattern.h"

namespace talir::calculators {
namespace {

using core::F;
using core::Fixed4;
using core::R;
using core::single;

// ПТ-Д5 constants, as the design engineers name them.
struct Ptd5 {
    static constexpr double kAllowance = 54.5;          // overall size − nominal size
    static constexpr double kFitClearance = 3;          // nominal size − size that enters the opening
    static constexpr double kLargestNominal = 2000;     // a single grille, either side
    static constexpr double kLargestNominalSum = 3000;  // a single grille, width + height
    static constexpr double kLargestOverall = 2054.5;   // a section, either side
    static constexpr double kLargestOverallSum = 3109;  // a section, width + height
};

// R(x + 0.5): the first estimate of a count from a quotient.
float startCount(double size) {
    return single(R((size + Ptd5::kAllowance) / Ptd5::kLargestOverall + 0.5));
}

short sizeClass(Fixed4 overallWidth) {
    if (overallWidth < F(554.5))
        return 0;
    if (overallWidth < F(1154.5))
        return 1;
    if (overallWidth < F(1554.5))
        return 2;
    return 3;
}

} // namespace

core::Result calculatePtd5(const Input& input) {
    const auto read = readSizesAndFlow(input, standardInvalidMessage());
    if (const auto* rejected = std::get_if<core::Result>(&read))
        return *rejected;
    const auto [A, B, Q] = std::get<SizesAndFlow>(read);

    const float S = single(A + B);
    if (A <= Ptd5::kLargestNominal && B <= Ptd5::kLargestNominal && S <= Ptd5::kLargestNominalSum)
        return notComposite();

    float nh = 1;
    float nv = 1;
    if (A <= Ptd5::kLargestNominal) {
        nv = startCount(B);
    } else if (B <= Ptd5::kLargestNominal) {
        nh = startCount(A);
    } else {
        nh = startCount(A);
        nv = startCount(B);
        if (nh < 1)
            nh = 1;
        if (nv < 1)
            nv = 1;
    }

    const Fixed4 largest = F(Ptd5::kLargestOverall);
    const Fixed4 largestSum = F(Ptd5::kLargestOverallSum);
    Fixed4 A1;
    Fixed4 B1;
    for (;;) {
        A1 = F((A + Ptd5::kAllowance) / nh);
        B1 = F((B + Ptd5::kAllowance) / nv);
        if (A1 > largest) {
            nh += 1;
        } else if (B1 > largest) {
            nv += 1;
        } else if (A1 + B1 > largestSum) {
            if (A > Ptd5::kLargestNominal && A > B)
                nh += 1;
            else
                nv += 1;
        } else {
            break;
        }
    }

    const float N = nh * nv;
    const Fixed4 allowance = F(Ptd5::kAllowance);
    const auto a1 = single(static_cast<double>((A1 - allowance).roundToWhole()));
    const auto b1 = single(static_cast<double>((B1 - allowance).roundToWhole()));
    A1 = Fixed4::fromWhole(static_cast<std::int64_t>(a1)) + allowance;
    B1 = Fixed4::fromWhole(static_cast<std::int64_t>(b1)) + allowance;
    const double t = sizeClass(A1);

    const double da1 = a1;
    const double db1 = b1;
    const Fixed4 Fcc = F((db1 / 50 - 1) * (da1 - 6.4) * 25 / 1e6);

    const double P = 2 * (A1 + B1).toDouble();
    const double M1 = P * 0.1399 / 1000 + (db1 / 50) * 0.1563 * (da1 - 2.6) / 1000 +
                      (db1 / 1000) * t * 0.028;
    const double M2 = P / 1000 * 0.244 + (db1 / 50) * (da1 - 2.6) / 1000 * 0.211 +
                      (db1 / 1000) * 0.057 * t;
    const Fixed4 m = F(M2 + 0.2 * M1);

    const Fixed4 So = F(Fcc.toDouble() * N);
    const double V = Q / 3600;
    const double so = So.toDouble();
    const Fixed4 p = F(1.2 * (V * V) / (so * so));

    SectionPanel panel;
    panel.orderLine = orderLine(QStringLiteral("ПТ-Д5"), a1, b1, N);
    panel.overallWidth = A1;
    panel.overallHeight = B1;
    panel.partWidth = core::L(da1 - Ptd5::kFitClearance, input.locale);
    panel.partHeight = core::L(db1 - Ptd5::kFitClearance, input.locale);
    panel.freeArea = Fcc;
    panel.totalFreeArea = So;
    panel.mass = m;
    panel.pressureDrop = p;
    return compositeResult(panel, Q,
                           sketchForShape(A1, B1, QStringLiteral("EskizD5"),
                                          QStringLiteral("EskizD5_1"), QStringLiteral("EskizD5_2")));
}

} // namespace talir::calculators
