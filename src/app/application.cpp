#include "application.h"

#include "appwindows.h"
#include "calcwin/windowregistry.h"

#include <QApplication>

namespace talir::app {

void startTool() {
    // Windows are hidden and shown as the user moves between them; the
    // program ends only when the exit question has closed them all.
    QApplication::setQuitOnLastWindowClosed(false);
    registerWindows();
    auto& registry = calcwin::registry();
    // exit(), not quit(): quit() would first ask each window to close, and a
    // window of this tool answers a close request with the exit question.
    QObject::connect(
        &registry, &calcwin::WindowRegistry::allClosed, qApp, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    registry.show(QStringLiteral("Start"));
}

} // namespace talir::app
