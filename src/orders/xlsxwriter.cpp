#include "xlsxwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace talir::orders {
namespace {

// Excel's limit, the header row included.
constexpr unsigned kMaxRows = 1048576;

double textWidth(const QString& text) {
    qsizetype widest = 0;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n')))
        widest = std::max(widest, line.size());
    return static_cast<double>(widest);
}

} // namespace

XlsxWriter::XlsxWriter(const WriterSettings& settings) : settings_(settings) {}

XlsxWriter::~XlsxWriter() {
    discard();
}

void XlsxWriter::discard() {
    if (workbook_) {
        // Closing is the only way to free the workbook; its file is removed.
        workbook_close(workbook_);
        workbook_ = nullptr;
    }
    if (!temporaryPath_.isEmpty()) {
        QFile::remove(temporaryPath_);
        temporaryPath_.clear();
    }
}

bool XlsxWriter::failed(int error) {
    error_ =
        QStringLiteral("cannot write %1: %2")
            .arg(settings_.path, QString::fromUtf8(lxw_strerror(static_cast<lxw_error>(error))));
    return false;
}

bool XlsxWriter::open() {
    if (settings_.path == QLatin1String("-")) {
        error_ = QStringLiteral("an XLSX workbook needs a file name (-o FILE)");
        return false;
    }
    const QFileInfo target(settings_.path);
    QTemporaryFile temporary(target.absolutePath() + QLatin1Char('/') + QLatin1Char('.') +
                             target.fileName() + QStringLiteral(".XXXXXX"));
    temporary.setAutoRemove(false);
    if (!temporary.open()) {
        error_ = QStringLiteral("cannot write %1: %2").arg(settings_.path, temporary.errorString());
        return false;
    }
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
    temporaryPath_ = temporary.fileName();
    temporary.close();

    workbook_ = workbook_new(QFile::encodeName(temporaryPath_).constData());
    if (!workbook_) {
        error_ = QStringLiteral("cannot write %1").arg(settings_.path);
        return false;
    }
    bold_ = workbook_add_format(workbook_);
    format_set_bold(bold_);
    count_ = workbook_add_format(workbook_);
    format_set_num_format(count_, "0");
    millimetres_ = workbook_add_format(workbook_);
    format_set_num_format(millimetres_, "General");
    figure_ = workbook_add_format(workbook_);
    format_set_num_format(figure_, "0.0000");
    wrap_ = workbook_add_format(workbook_);
    format_set_text_wrap(wrap_);

    openings_.sheet = workbook_add_worksheet(workbook_, "Проемы");
    openings_.columns = &openingColumns();
    order_.sheet = workbook_add_worksheet(workbook_, "Заказ");
    order_.columns = &orderColumns();
    return writeHeader(openings_) && writeHeader(order_);
}

lxw_format* XlsxWriter::numberFormat(CellKind kind) const {
    switch (kind) {
    case CellKind::Count:
        return count_;
    case CellKind::Millimetres:
        return millimetres_;
    case CellKind::Figure:
    case CellKind::Text:
        return figure_;
    }
    return nullptr;
}

bool XlsxWriter::writeHeader(Sheet& sheet) {
    sheet.widths.assign(sheet.columns->size(), 0);
    for (std::size_t c = 0; c < sheet.columns->size(); ++c) {
        const QString& name = (*sheet.columns)[c].name;
        const lxw_error error = worksheet_write_string(sheet.sheet, 0, static_cast<lxw_col_t>(c),
                                                       name.toUtf8().constData(), bold_);
        if (error != LXW_NO_ERROR)
            return failed(error);
        sheet.widths[c] = textWidth(name);
    }
    worksheet_freeze_panes(sheet.sheet, 1, 0);
    sheet.row = 1;
    return true;
}

bool XlsxWriter::writeRow(Sheet& sheet, const std::vector<CellValue>& cells,
                          lxw_format* textFormat) {
    if (sheet.row >= kMaxRows) {
        error_ = QStringLiteral("cannot write %1: a worksheet holds at most %2 rows")
                     .arg(settings_.path)
                     .arg(kMaxRows - 1);
        return false;
    }
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        const CellValue& cell = cells[c];
        lxw_error error = LXW_NO_ERROR;
        double width = 0;
        if (const auto* text = std::get_if<QString>(&cell)) {
            if (text->isEmpty())
                continue;
            error =
                worksheet_write_string(sheet.sheet, sheet.row, column, text->toUtf8().constData(),
                                       text->contains(QLatin1Char('\n')) ? wrap_ : textFormat);
            width = textWidth(*text);
        } else if (const auto* count = std::get_if<std::int64_t>(&cell)) {
            error = worksheet_write_number(sheet.sheet, sheet.row, column,
                                           static_cast<double>(*count), count_);
            width = static_cast<double>(QString::number(*count).size());
        } else if (const auto* value = std::get_if<core::Fixed4>(&cell)) {
            const CellKind kind = (*sheet.columns)[c].kind;
            error = worksheet_write_number(sheet.sheet, sheet.row, column, value->toDouble(),
                                           numberFormat(kind));
            width = static_cast<double>(decimalText(*value, QLatin1Char('.')).size()) +
                    (kind == CellKind::Figure ? 2 : 0);
        }
        if (error != LXW_NO_ERROR)
            return failed(error);
        sheet.widths[c] = std::max(sheet.widths[c], width);
    }
    ++sheet.row;
    return true;
}

bool XlsxWriter::write(const OpeningRow& row) {
    return writeRow(openings_, openingCells(row), nullptr);
}

bool XlsxWriter::finish(const Order& order) {
    for (std::size_t i = 0; i < order.lines().size(); ++i)
        if (!writeRow(order_, orderCells(order, i), nullptr))
            return false;
    if (!writeRow(order_, totalCells(order.totals()), bold_))
        return false;
    for (Sheet* sheet : {&openings_, &order_})
        for (std::size_t c = 0; c < sheet->widths.size(); ++c)
            worksheet_set_column(sheet->sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 std::clamp(sheet->widths[c] + 2, 6.0, 80.0), nullptr);
    const lxw_error error = workbook_close(workbook_);
    workbook_ = nullptr;
    if (error != LXW_NO_ERROR) {
        discard();
        return failed(error);
    }
    if (std::rename(QFile::encodeName(temporaryPath_).constData(),
                    QFile::encodeName(settings_.path).constData()) != 0) {
        error_ = QStringLiteral("cannot write %1: %2")
                     .arg(settings_.path, QString::fromLocal8Bit(std::strerror(errno)));
        discard();
        return false;
    }
    temporaryPath_.clear();
    written_ << settings_.path;
    return true;
}

} // namespace talir::orders
