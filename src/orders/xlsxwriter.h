#pragma once

#include "columns.h"
#include "writer.h"

#include <QString>

#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace talir::orders {

// A workbook with the sheets "Проемы" (one row per opening) and "Заказ"
// (the order and its totals): numbers stored as numbers, a bold frozen
// header row, columns as wide as their texts. libxlsxwriter keeps the rows
// until the workbook is closed; it is written to a temporary file beside the
// target and renamed over it only when complete.
class XlsxWriter : public OrderWriter {
public:
    explicit XlsxWriter(const WriterSettings& settings);
    ~XlsxWriter() override;
    bool open() override;
    bool write(const OpeningRow& row) override;
    bool finish(const Order& order) override;

private:
    struct Sheet {
        lxw_worksheet* sheet = nullptr;
        const std::vector<Column>* columns = nullptr;
        std::vector<double> widths;
        unsigned row = 0;
    };
    bool writeRow(Sheet& sheet, const std::vector<CellValue>& cells, lxw_format* textFormat);
    bool writeHeader(Sheet& sheet);
    lxw_format* numberFormat(CellKind kind) const;
    bool failed(int error);
    void discard();

    WriterSettings settings_;
    QString temporaryPath_;
    lxw_workbook* workbook_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_format* count_ = nullptr;
    lxw_format* millimetres_ = nullptr;
    lxw_format* figure_ = nullptr;
    lxw_format* wrap_ = nullptr;
    Sheet openings_;
    Sheet order_;
};

} // namespace talir::orders
