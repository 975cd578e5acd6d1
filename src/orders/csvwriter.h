#pragma once

#include "columns.h"
#include "writer.h"

namespace talir::orders {

// The openings to the file named (their order to the file named with
// "-order" before the extension), or to standard output the openings, an
// empty line and the order; in the input's separator, numbers in the
// locale's notation.
class CsvWriter : public OrderWriter {
public:
    CsvWriter(const WriterSettings& settings, QIODevice* standardOutput);
    bool open() override;
    bool write(const OpeningRow& row) override;
    bool finish(const Order& order) override;

private:
    QByteArray line(const std::vector<CellValue>& cells) const;
    QByteArray header(const std::vector<Column>& columns) const;

    WriterSettings settings_;
    QChar decimalPoint_;
    Sink openings_;
    Sink order_;
};

} // namespace talir::orders
