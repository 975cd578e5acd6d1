#include "pattern.h"

#include "core/limits.h"
#include "core/numbers.h"

#include <cmath>

namespace talir::calculators {

using core::Fixed4;
using core::Outcome;
using core::Result;

std::variant<SizesAndFlow, Result> readSizesAndFlow(const Input& input,
                                                    const QString& invalidMessage) {
    const auto a = core::readNumber(input.a, input.locale);
    const auto b = core::readNumber(input.b, input.locale);
    const auto q = core::readNumber(input.q, input.locale);
    if (!a || !b || !q || !(*a >= 100) || !(*b >= 100) || !(*q >= 0))
        return invalidInput(invalidMessage);
    if (*a > core::kMaxSizeMm || *b > core::kMaxSizeMm || *q > core::kMaxFlowM3h)
        return invalidInput(core::beyondLimitsMessage());
    return SizesAndFlow{*a, *b, *q};
}

Result invalidInput(const QString& message) {
    Result result;
    result.outcome = Outcome::Invalid;
    result.set(QStringLiteral("txtNo"), message);
    return result;
}

Result notComposite() {
    Result result;
    result.outcome = Outcome::NotComposite;
    result.set(QStringLiteral("txtNo"), QStringLiteral("Данная решетка не является составной"));
    return result;
}

QString standardInvalidMessage() {
    return QStringLiteral("НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ. A, B, Q не являются числом. "
                          "Размер A или B<100 мм, либо Q<0");
}

QString orderLine(const QString& grille, float a, float b, float n) {
    return QStringLiteral("Решетка ТАЛИР ") + grille + core::S(a) + QLatin1Char('x') + core::S(b) +
           QStringLiteral(" -") + core::S(n) + QStringLiteral(" шт.");
}

Result compositeResult(const SectionPanel& panel, double flow, const QString& sketch) {
    using core::figureText;
    using core::S;
    Result result;
    result.outcome = Outcome::Composite;
    result.flowShown = flow != 0.0;
    result.sketch = sketch;
    result.set(QStringLiteral("txtD5"), panel.orderLine);
    result.set(QStringLiteral("txt2"), QStringLiteral("Горизонтальный размер (A1) : А1=") +
                                           S(panel.overallWidth) + QStringLiteral(" мм."));
    result.set(QStringLiteral("txt3"), QStringLiteral("Вертикальный размер (В1) : В1=") +
                                           S(panel.overallHeight) + QStringLiteral(" мм."));
    result.set(QStringLiteral("Label6"), S(panel.overallWidth));
    result.set(QStringLiteral("Label7"), S(panel.overallHeight));
    result.set(QStringLiteral("Label8"), panel.partWidth);
    result.set(QStringLiteral("Label9"), panel.partHeight);
    result.set(QStringLiteral("txtSo"),
               figureText(QStringLiteral("Fc.c.общ= "), panel.totalFreeArea));
    result.set(QStringLiteral("txtFcc"), figureText(QStringLiteral("Fc.c.= "), panel.freeArea));
    result.set(QStringLiteral("txtm"), figureText(QStringLiteral("m= "), panel.mass));
    result.set(QStringLiteral("txtP"), figureText(QStringLiteral("p= "), panel.pressureDrop));
    if (panel.jetThrow)
        result.set(QStringLiteral("txtL02"), figureText(QStringLiteral("L02="), *panel.jetThrow));

    core::Product product = panel.section;
    product.unitMass = panel.mass;
    product.freeArea = panel.freeArea;
    result.products.push_back(product);
    result.figures = {.A1 = panel.overallWidth,
                      .B1 = panel.overallHeight,
                      .Fcc = panel.freeArea,
                      .So = panel.totalFreeArea,
                      .m = panel.mass,
                      .p = panel.pressureDrop,
                      .L02 = panel.jetThrow};
    result.section = panel.geometry;
    return result;
}

Fixed4 totalFreeArea(Fixed4 freeArea, float count) {
    return core::F(freeArea.toDouble() * count);
}

Fixed4 louvrePressureDrop(double flow, Fixed4 totalFreeArea) {
    const double q = flow / 3600;
    const double so = totalFreeArea.toDouble();
    return core::F(1.2 * (q * q) / (so * so));
}

JetFigures jetFigures(double flow, Fixed4 totalFreeArea) {
    const double q = flow / 3600;
    const double so = totalFreeArea.toDouble();
    const double v = q / so;
    return {core::F(0.411 * (v * v)), core::F(13.72068 * q / std::sqrt(so))};
}

QString sketchForShape(Fixed4 width, Fixed4 height, const QString& wide, const QString& tall,
                       const QString& square) {
    if (width > height)
        return wide;
    if (width < height)
        return tall;
    return square;
}

} // namespace talir::calculators
