// The yardstick: the smallest Qt program that shows one empty window.
#include "probe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(497, 200);
    window.show();
    reportWhenShown();
    return QApplication::exec();
}
