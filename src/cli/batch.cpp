#include "batch.h"

#include "orders/csvreader.h"
#include "orders/writer.h"

#include <QBuffer>
#include <QFile>

namespace talir::cli {
namespace {

Output failure(const QString& message) {
    return {2, {}, QStringLiteral("talir-calc: ") + message + QLatin1Char('\n')};
}

} // namespace

Output runBatch(const BatchOptions& options, QIODevice* standardOutput) {
    std::optional<orders::Format> format;
    if (!options.format.isEmpty()) {
        format = orders::formatNamed(options.format);
        if (!format)
            return failure(
                QStringLiteral("unknown format \"%1\" (csv, json or xlsx)").arg(options.format));
    } else if (options.output == QLatin1String("-")) {
        format = orders::Format::Csv;
    } else {
        format = orders::formatOfPath(options.output);
        if (!format)
            return failure(QStringLiteral("cannot tell the format of %1 from its name; "
                                          "add --format csv, json or xlsx")
                               .arg(options.output));
    }

    QFile input(options.input);
    if (!input.open(QIODevice::ReadOnly))
        return failure(
            QStringLiteral("cannot read %1: %2").arg(options.input, input.errorString()));
    orders::OpeningReader reader(input);
    if (!reader.start())
        return failure(options.input + QStringLiteral(": ") + reader.error());

    QBuffer collected;
    if (!standardOutput) {
        collected.open(QIODevice::WriteOnly);
        standardOutput = &collected;
    }
    const orders::WriterSettings settings{.format = *format,
                                          .path = options.output,
                                          .separator = reader.separator(),
                                          .byteOrderMark = reader.byteOrderMark(),
                                          .locale = options.locale};
    const auto writer = orders::makeWriter(settings, standardOutput);
    if (!writer->open())
        return failure(writer->error());
    orders::Order order;
    while (const std::optional<orders::OpeningRow> row = reader.next(options.locale)) {
        order.add(*row);
        if (!writer->write(*row))
            return failure(writer->error());
    }
    if (!reader.error().isEmpty())
        return failure(options.input + QStringLiteral(": ") + reader.error());
    if (!writer->finish(order))
        return failure(writer->error());

    const orders::Totals& totals = order.totals();
    QString note = QStringLiteral("talir-calc: %1 openings, %2 composite, %3 sections\n")
                       .arg(totals.openings)
                       .arg(totals.composite)
                       .arg(totals.sections);
    const QStringList written = writer->written();
    if (written.size() == 2)
        note += QStringLiteral("talir-calc: openings written to %1\n"
                               "talir-calc: order written to %2\n")
                    .arg(written[0], written[1]);
    else
        for (const QString& file : written)
            note += QStringLiteral("talir-calc: written to %1\n").arg(file);
    return {0, QString::fromUtf8(collected.data()), note};
}

} // namespace talir::cli
