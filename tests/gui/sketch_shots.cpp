// Renders every sketch window with sample sizes into PNG files, for looking
// at the drawings: sketch_shots <folder>
#include "calcwin/sketchwindow.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTextStream>

using talir::calcwin::SketchWindow;
using talir::calcwin::sketchWindowNames;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QDir folder(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("shots"));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << folder.path() << '\n';
        return 1;
    }
    const double scale = arguments.size() > 2 ? arguments.at(2).toDouble() : 1.0;
    for (const QString& name : sketchWindowNames()) {
        SketchWindow window(name);
        window.setDimensionTexts(QStringLiteral(" 1277.5"), QStringLiteral(" 654.5"),
                                 QStringLiteral("1220"), QStringLiteral("597"));
        window.show();
        QPixmap shot(window.size() * scale);
        shot.setDevicePixelRatio(scale);
        window.render(&shot);
        const QString file = folder.filePath(name + QStringLiteral(".png"));
        if (!shot.save(file)) {
            QTextStream(stderr) << "cannot write " << file << '\n';
            return 1;
        }
        QTextStream(stdout) << file << '\n';
    }
    return 0;
}
