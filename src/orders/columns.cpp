#include "columns.h"

#include <iterator>

namespace talir::orders {
namespace {

constexpr std::size_t kProductGroups = 3;

std::vector<Column> makeOpeningColumns() {
    using K = CellKind;
    std::vector<Column> columns{
        {QStringLiteral("line"), K::Count},   {QStringLiteral("mark"), K::Text},
        {QStringLiteral("window"), K::Text},  {QStringLiteral("A"), K::Text},
        {QStringLiteral("B"), K::Text},       {QStringLiteral("Q"), K::Text},
        {QStringLiteral("sub"), K::Text},     {QStringLiteral("outcome"), K::Text},
        {QStringLiteral("message"), K::Text}, {QStringLiteral("order"), K::Text}};
    for (std::size_t n = 1; n <= kProductGroups; ++n) {
        const QString suffix = QLatin1Char('_') + QString::number(n);
        columns.push_back({QStringLiteral("product") + suffix, K::Text});
        columns.push_back({QStringLiteral("width") + suffix, K::Millimetres});
        columns.push_back({QStringLiteral("height") + suffix, K::Millimetres});
        columns.push_back({QStringLiteral("count") + suffix, K::Count});
    }
    for (const char* name : {"A1", "B1"})
        columns.push_back({QString::fromLatin1(name), K::Millimetres});
    for (const char* name : {"Fcc", "So", "m", "m_total", "p", "L02"})
        columns.push_back({QString::fromLatin1(name), K::Figure});
    return columns;
}

CellValue optional(const std::optional<core::Fixed4>& value) {
    return value ? CellValue(*value) : CellValue();
}

} // namespace

QString rejectedOutcome() {
    return QStringLiteral("error");
}

const std::vector<Column>& openingColumns() {
    static const std::vector<Column> columns = makeOpeningColumns();
    return columns;
}

std::vector<CellValue> openingCells(const OpeningRow& row) {
    const Opening& o = row.opening;
    std::vector<CellValue> cells{o.line, o.mark, o.window, o.a, o.b, o.q, o.sub};
    cells.reserve(openingColumns().size());
    if (row.rejected()) {
        cells.insert(cells.end(), {rejectedOutcome(), row.problem});
        cells.resize(openingColumns().size());
        return cells;
    }
    const core::Result& result = *row.result;
    cells.insert(cells.end(),
                 {core::outcomeName(result.outcome), messageLines(result).join(QLatin1Char('\n')),
                  orderLines(result).join(QLatin1Char('\n'))});
    for (std::size_t n = 0; n < kProductGroups; ++n) {
        if (n < result.products.size()) {
            const core::Product& product = result.products[n];
            cells.insert(cells.end(),
                         {productName(product), core::Fixed4::fromDouble(product.width),
                          core::Fixed4::fromDouble(product.height), product.count});
        } else {
            cells.resize(cells.size() + 4);
        }
    }
    const core::Figures& f = result.figures;
    const bool composite = result.outcome == core::Outcome::Composite;
    cells.insert(cells.end(),
                 {optional(f.A1), optional(f.B1), optional(f.Fcc), optional(f.So), optional(f.m)});
    cells.push_back(composite ? CellValue(sectionsMass(result)) : CellValue());
    // The window hides the pressure drop and the jet throw without air flow.
    cells.push_back(result.flowShown ? optional(f.p) : CellValue());
    cells.push_back(result.flowShown ? optional(f.L02) : CellValue());
    return cells;
}

const std::vector<Column>& orderColumns() {
    static const std::vector<Column> columns{{QStringLiteral("product"), CellKind::Text},
                                             {QStringLiteral("count"), CellKind::Count},
                                             {QStringLiteral("unit_mass"), CellKind::Figure},
                                             {QStringLiteral("mass"), CellKind::Figure},
                                             {QStringLiteral("marks"), CellKind::Text}};
    return columns;
}

std::vector<CellValue> orderCells(const Order& order, std::size_t index) {
    const OrderLine& line = order.lines()[index];
    return {line.product, line.count, line.unitMass, line.mass,
            order.joinedMarks(index, QStringLiteral(", "))};
}

std::vector<CellValue> totalCells(const Totals& totals) {
    return {QStringLiteral("total"), totals.sections, CellValue(), totals.mass, CellValue()};
}

QString decimalText(core::Fixed4 value, QChar decimalPoint) {
    const std::int64_t ticks = value.ticks();
    std::uint64_t magnitude =
        ticks < 0 ? 0 - static_cast<std::uint64_t>(ticks) : static_cast<std::uint64_t>(ticks);
    // Digits from the right: four decimals (trailing zeros dropped), the
    // point, the whole part.
    char16_t buffer[32];
    char16_t* end = buffer + std::size(buffer);
    char16_t* p = end;
    bool fraction = false;
    for (int place = 0; place < 4; ++place) {
        const auto digit = static_cast<char16_t>(magnitude % 10);
        magnitude /= 10;
        if (digit != 0 || fraction) {
            *--p = u'0' + digit;
            fraction = true;
        }
    }
    if (fraction)
        *--p = decimalPoint.unicode();
    do {
        *--p = u'0' + static_cast<char16_t>(magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (ticks < 0)
        *--p = u'-';
    return QString(reinterpret_cast<const QChar*>(p), end - p);
}

} // namespace talir::orders
