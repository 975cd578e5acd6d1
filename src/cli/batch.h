#pragma once

#include "cli.h"

#include <QLocale>
#include <QString>

namespace talir::cli {

// talir-calc --batch: a list of openings from a CSV file, calculated one by
// one, written as the openings and their order.
struct BatchOptions {
    QString input;
    QString output = QStringLiteral("-"); // "-": standard output
    QString format;                       // empty: by the output's extension, else csv
    QLocale locale;
};

Output runBatch(const BatchOptions& options, QIODevice* standardOutput);

} // namespace talir::cli
