#include "cli.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
// Only a sketch needs fonts and a painter, so only then is the program a
// GUI application, on the offscreen platform unless told otherwise: it
// never needs a display.
bool writesSketch(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (std::strncmp(argv[i], "--sketch", 8) == 0)
            return true;
    }
    return false;
}
} // namespace

int main(int argc, char* argv[]) {
    std::unique_ptr<QCoreApplication> app;
    if (writesSketch(argc, argv)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
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
