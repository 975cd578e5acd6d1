// Renders the sketch windows after real calculations, a typical section of
// each shape and the flattest and tallest the input limits allow, into PNG
// files for looking at the drawings: sketch_shots <folder> [scale]
#include "calculators/calculator.h"
#include "calcwin/sketchwindow.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTextStream>

using talir::calcwin::SketchWindow;

namespace {
struct Case {
    const char* window;
    const char* a;
    const char* b;
    bool sub;
    const char* tag;
};

// Per type: wide, tall, square where the type has one, very flat, very tall.
constexpr Case kCases[] = {
    {"PTD5", "2500", "600", false, "wide"},    {"PTD5", "600", "2500", false, "tall"},
    {"PTD5", "2500", "2500", false, "square"}, {"PTD5", "4000", "100", false, "flat"},
    {"PTD5", "100", "4000", false, "slim"},    {"PTD6", "3000", "1500", false, "wide"},
    {"PTD6", "1500", "3000", false, "tall"},   {"PTL", "3000", "1500", false, "wide"},
    {"PTL", "1500", "3000", false, "tall"},    {"PTL", "3000", "3000", false, "square"},
    {"PTLW", "3000", "1500", false, "wide"},   {"PTLW", "1500", "3000", false, "tall"},
    {"PTLW", "3000", "3000", false, "square"}, {"PTM", "3000", "1500", false, "wide"},
    {"PTM", "1500", "3000", false, "tall"},    {"PTMW", "3000", "1500", false, "wide"},
    {"PTMW", "1500", "3000", false, "tall"},   {"PTMW", "3000", "3000", false, "square"},
    {"PTF", "3000", "1500", false, "wide"},    {"PTF", "1500", "3000", false, "tall"},
    {"PTF", "3000", "3000", true, "square"},   {"PTJ", "3000", "1500", false, "wide"},
    {"PTJ", "1500", "3000", false, "tall"},    {"PTJ", "3000", "3000", false, "square"},
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QDir folder(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("shots"));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << folder.path() << '\n';
        return 1;
    }
    const double scale = arguments.size() > 2 ? arguments.at(2).toDouble() : 1.0;
    for (const Case& c : kCases) {
        const auto calculate = talir::calculators::calculatorFor(QString::fromLatin1(c.window));
        const auto result = calculate({QString::fromLatin1(c.a), QString::fromLatin1(c.b),
                                       QStringLiteral("0"), c.sub, QLocale::c()});
        if (result.sketch.isEmpty() || !result.section) {
            QTextStream(stderr) << c.window << ' ' << c.a << 'x' << c.b << ": no sketch\n";
            continue;
        }
        SketchWindow window(result.sketch);
        window.setSection(*result.section);
        window.setDimensionTexts(
            result.text(QStringLiteral("Label6")), result.text(QStringLiteral("Label7")),
            result.text(QStringLiteral("Label8")), result.text(QStringLiteral("Label9")));
        window.show();
        QPixmap shot(window.size() * scale);
        shot.setDevicePixelRatio(scale);
        window.render(&shot);
        const QString file = folder.filePath(result.sketch + QLatin1Char('-') +
                                             QString::fromLatin1(c.tag) + QStringLiteral(".png"));
        if (!shot.save(file)) {
            QTextStream(stderr) << "cannot write " << file << '\n';
            return 1;
        }
        QTextStream(stdout) << file << '\n';
    }
    return 0;
}
