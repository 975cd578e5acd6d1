#pragma once

#include "writer.h"

namespace talir::orders {

// One JSON object {"openings": [...], "order": [...], "totals": {...}},
// an opening a line as it is calculated.
class JsonWriter : public OrderWriter {
public:
    JsonWriter(const WriterSettings& settings, QIODevice* standardOutput);
    bool open() override;
    bool write(const OpeningRow& row) override;
    bool finish(const Order& order) override;

private:
    Sink sink_;
    bool first_ = true;
};

} // namespace talir::orders
