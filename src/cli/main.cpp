#include "cli.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    QFile standardOutput;
    standardOutput.open(stdout, QIODevice::WriteOnly);
    const auto output = talir::cli::run(arguments, &standardOutput);
    standardOutput.flush();
    std::fputs(output.out.toUtf8().constData(), stdout);
    std::fputs(output.err.toUtf8().constData(), stderr);
    return output.status;
}
