// Saves a picture of windows of the tool as PNG files, for looking at the
// layout without clicking through the program:
//   QT_QPA_PLATFORM=offscreen talir-shots DIR [WINDOW...]
// With no window names, every window of the tool is saved.

#include "app/appwindows.h"
#include "calcwin/windowregistry.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (arguments.isEmpty()) {
        err << "usage: talir-shots DIR [WINDOW...]\n";
        return 2;
    }
    const QDir dir(arguments.takeFirst());
    if (!QDir().mkpath(dir.path())) {
        err << "cannot create " << dir.path() << "\n";
        return 1;
    }
    talir::app::registerWindows();
    auto& registry = talir::calcwin::registry();
    const QStringList names = arguments.isEmpty() ? registry.shutdownOrder() : arguments;
    int failures = 0;
    for (const QString& name : names) {
        if (!registry.knows(name)) {
            err << "no window " << name << "\n";
            ++failures;
            continue;
        }
        registry.show(name);
        QWidget* window = registry.window(name);
        QApplication::processEvents();
        const QString file = dir.filePath(name + QStringLiteral(".png"));
        if (!window->grab().save(file)) {
            err << "cannot write " << file << "\n";
            ++failures;
        }
        registry.hide(name);
    }
    return failures == 0 ? 0 : 1;
}
