#include "csvwriter.h"

namespace talir::orders {
namespace {

QString quoted(const QString& text, QChar separator) {
    const bool plain = !text.contains(separator) && !text.contains(QLatin1Char('"')) &&
                       !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
    if (plain)
        return text;
    QString field = text;
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

} // namespace

CsvWriter::CsvWriter(const WriterSettings& settings, QIODevice* standardOutput)
    : settings_(settings), decimalPoint_(settings.locale.decimalPoint().front()),
      openings_(settings.path, standardOutput),
      order_(settings.path == QLatin1String("-") ? settings.path : orderPathFor(settings.path),
             standardOutput) {}

QByteArray CsvWriter::header(const std::vector<Column>& columns) const {
    QString text;
    for (const Column& column : columns) {
        if (!text.isEmpty())
            text += settings_.separator;
        text += quoted(column.name, settings_.separator);
    }
    return (text + QLatin1Char('\n')).toUtf8();
}

QByteArray CsvWriter::line(const std::vector<CellValue>& cells) const {
    QString text;
    text.reserve(512);
    bool first = true;
    for (const CellValue& cell : cells) {
        if (!first)
            text += settings_.separator;
        first = false;
        if (const auto* string = std::get_if<QString>(&cell))
            text += quoted(*string, settings_.separator);
        else if (const auto* count = std::get_if<std::int64_t>(&cell))
            text += QString::number(*count);
        else if (const auto* value = std::get_if<core::Fixed4>(&cell))
            text += quoted(decimalText(*value, decimalPoint_), settings_.separator);
    }
    return (text + QLatin1Char('\n')).toUtf8();
}

bool CsvWriter::open() {
    if (!openings_.open(error_))
        return false;
    const QByteArray bom = settings_.byteOrderMark && !openings_.toStandardOutput()
                               ? QByteArray("\xEF\xBB\xBF")
                               : QByteArray();
    return openings_.write(bom + header(openingColumns()), error_);
}

bool CsvWriter::write(const OpeningRow& row) {
    return openings_.write(line(openingCells(row)), error_);
}

bool CsvWriter::finish(const Order& order) {
    // To standard output the order follows the openings after an empty line.
    Sink& sink = openings_.toStandardOutput() ? openings_ : order_;
    const QByteArray start = openings_.toStandardOutput() ? QByteArray("\n")
                             : settings_.byteOrderMark    ? QByteArray("\xEF\xBB\xBF")
                                                          : QByteArray();
    if ((!openings_.toStandardOutput() && !order_.open(error_)) ||
        !sink.write(start + header(orderColumns()), error_))
        return false;
    for (std::size_t i = 0; i < order.lines().size(); ++i)
        if (!sink.write(line(orderCells(order, i)), error_))
            return false;
    if (!sink.write(line(totalCells(order.totals())), error_))
        return false;
    if (openings_.toStandardOutput())
        return openings_.commit(error_);
    if (!order_.commit(error_) || !openings_.commit(error_))
        return false;
    written_ << openings_.path() << order_.path();
    return true;
}

} // namespace talir::orders
