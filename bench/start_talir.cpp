// The tool's own start-up, up to the main window on screen.
#include "app/application.h"
#include "probe.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    talir::app::startTool();
    reportWhenShown();
    return QApplication::exec();
}
