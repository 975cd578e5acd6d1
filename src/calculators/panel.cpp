#include "panel.h"

namespace talir::calculators {

const std::vector<PanelLine>& panelLines() {
    static const std::vector<PanelLine> lines = {
        {QStringLiteral("Label5"), QStringLiteral("НЕОБХОДИМО ЗАКАЗАТЬ"), false, false},
        {QStringLiteral("txtD5"), {}, false, false},
        {QStringLiteral("txt1"), QStringLiteral("Габаритные размеры*  :"), false, false},
        {QStringLiteral("txt2"), {}, false, false},
        {QStringLiteral("txt3"), {}, false, false},
        {QStringLiteral("txt5"), QStringLiteral("Площадь свободного сечения решетки, м.кв."), false,
         false},
        {QStringLiteral("txtFcc"), {}, false, false},
        {QStringLiteral("txt9"), QStringLiteral("Общая площадь свободного сечения, м.кв"), false,
         false},
        {QStringLiteral("txtSo"), {}, false, false},
        {QStringLiteral("txt6"), QStringLiteral("Масса одной решетки, кг :"), false, false},
        {QStringLiteral("txtm"), {}, false, false},
        {QStringLiteral("txt7"), QStringLiteral("Падение давления, Па :"), true, false},
        {QStringLiteral("txt8"), QStringLiteral("Δ"), true, false},
        {QStringLiteral("txtP"), {}, true, false},
        {QStringLiteral("Label10"), QStringLiteral("Дальнобойность струи, м"), true, true},
        {QStringLiteral("txtL02"), {}, true, true},
        {QStringLiteral("txt4"),
         QStringLiteral("*Габаритные размеры решеток являются СПРАВОЧНЫМИ."), false, false},
    };
    return lines;
}

QStringList readPanel(const core::Result& result, bool jetThrow) {
    if (result.outcome != core::Outcome::Composite)
        return {result.text(QStringLiteral("txtNo"))};
    QStringList shown;
    for (const auto& line : panelLines()) {
        if ((line.jetThrowOnly && !jetThrow) || (line.flowRow && !result.flowShown))
            continue;
        if (line.control == QLatin1String("txt8"))
            continue; // the delta stands right before the pressure drop: "Δp= …"
        const QString text = line.caption.isEmpty() ? result.text(line.control) : line.caption;
        shown << (line.control == QLatin1String("txtP") ? QStringLiteral("Δ") + text : text);
    }
    return shown;
}

} // namespace talir::calculators
