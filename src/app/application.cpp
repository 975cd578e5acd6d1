#include "application.h"

#include "appwindows.h"
#include "calcwin/windowregistry.h"

#include "talir_version.h"

#include <QApplication>

namespace talir::app {

void setIdentity() {
    // Names the data folders (QStandardPaths) and matches the installed
    // desktop file and icon; no window title shows them.
    QCoreApplication::setApplicationName(QStringLiteral("talir"));
    QCoreApplication::setOrganizationName(QStringLiteral("talir"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("talir.ru"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("ru.talir.Talir"));
}

void startTool() {
    setIdentity();
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
