#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

namespace talir::cli {

struct Output {
    int status = 0;
    QString out;
    QString err;
};

// talir-calc [--json] [--locale NAME] [--sub] [--] WINDOW A B Q
// talir-calc --batch FILE [-o OUT] [--format csv|json|xlsx] [--locale NAME]
// The arguments exclude the program name. The default locale is the user's.
// A batch written to standard output goes to standardOutput as it is
// calculated; without one it is collected in Output::out.
Output run(const QStringList& arguments, QIODevice* standardOutput = nullptr);

QString usage();

} // namespace talir::cli
