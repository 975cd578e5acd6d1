#include "application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    talir::app::startTool();
    return QApplication::exec();
}
