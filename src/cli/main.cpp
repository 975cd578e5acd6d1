#include "cli.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const auto output = talir::cli::run(arguments);
    std::fputs(output.out.toUtf8().constData(), stdout);
    std::fputs(output.err.toUtf8().constData(), stderr);
    return output.status;
}
