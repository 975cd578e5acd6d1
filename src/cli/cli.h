#pragma once

#include <QString>
#include <QStringList>

namespace talir::cli {

struct Output {
    int status = 0;
    QString out;
    QString err;
};

// talir-calc [--json] [--locale NAME] [--sub] [--] WINDOW A B Q
// The arguments exclude the program name. The default locale is the user's.
Output run(const QStringList& arguments);

QString usage();

} // namespace talir::cli
