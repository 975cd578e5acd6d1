#pragma once

#include "order.h"

#include <QString>

#include <cstdint>
#include <variant>
#include <vector>

// The columns of the two tables a batch writes, shared by the CSV and XLSX
// writers: one row per opening, and the order with its totals.
namespace talir::orders {

// What a cell holds; numbers stay numbers until a writer formats them.
enum class CellKind { Text, Count, Millimetres, Figure };

using CellValue = std::variant<std::monostate, QString, std::int64_t, core::Fixed4>;

struct Column {
    QString name;
    CellKind kind;
};

// line, mark, window, A, B, Q, sub, outcome, message, order, three
// product_N / width_N / height_N / count_N groups (ПТ-ЛД orders up to three
// products), A1, B1, Fcc, So, m, m_total, p, L02.
const std::vector<Column>& openingColumns();
std::vector<CellValue> openingCells(const OpeningRow& row);

// product, count, unit_mass, mass, marks; then the row "total" with the
// number of sections and their mass.
const std::vector<Column>& orderColumns();
std::vector<CellValue> orderCells(const Order& order, std::size_t line);
std::vector<CellValue> totalCells(const Totals& totals);

// The outcome column of a line that could not be an opening.
QString rejectedOutcome(); // "error"

// A four-decimal value in the notation of a locale's decimal point, exact,
// without trailing zeros: "4.6739", "1277,5", "0".
QString decimalText(core::Fixed4 value, QChar decimalPoint);

} // namespace talir::orders
