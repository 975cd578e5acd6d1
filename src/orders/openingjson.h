#pragma once

#include "opening.h"

#include <QJsonArray>
#include <QJsonObject>

// The JSON form of a calculation and of an opening: the keys and texts of
// `talir-calc --json`, the products and the figures as numbers.
namespace talir::orders {

// [{"product": "ТАЛИР ПТ-Д5 1223x600", "count": 2}], empty unless composite.
QJsonArray productsJson(const core::Result& result);
// {"A1": 1277.5, ...}: the figures the type and the outcome have; the
// pressure drop and the jet throw only where the window shows them.
QJsonObject figuresJson(const core::Result& result);

// window, outcome, texts, flow_shown, sketch, products, figures.
QJsonObject resultJson(const QString& window, const core::Result& result);

// resultJson plus line, mark and the input texts A, B, Q, sub; for a line
// that could not be an opening, the outcome "error" and its message.
QJsonObject openingJson(const OpeningRow& row);

} // namespace talir::orders
