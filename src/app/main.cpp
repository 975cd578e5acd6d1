#include "appwindows.h"
#include "calcwin/windowregistry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Windows are hidden and shown as the user moves between them; the
    // program ends only when the exit question has closed them all.
    QApplication::setQuitOnLastWindowClosed(false);
    talir::app::registerWindows();
    auto& registry = talir::calcwin::registry();
    QObject::connect(&registry, &talir::calcwin::WindowRegistry::allClosed, &app,
                     &QApplication::quit, Qt::QueuedConnection);
    registry.show(QStringLiteral("Start"));
    return QApplication::exec();
}
