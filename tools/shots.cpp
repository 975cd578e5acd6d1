// Saves a picture of windows of the tool as PNG files, for looking at the
// layout without clicking through the program:
//   QT_QPA_PLATFORM=offscreen talir-shots DIR [WINDOW...]
// With no window names, every window of the tool is saved, and each
// calculation window once more after a worked example (NAME-result.png),
// with its caption painted above it.

#include "app/appwindows.h"
#include "app/windowshot.h"
#include "calcwin/windowregistry.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

namespace {

// A worked example of each type: width (or ПТ-ЛД length), height, air flow.
const std::vector<std::pair<QString, QStringList>>& workedExamples() {
    static const std::vector<std::pair<QString, QStringList>> examples = {
        {"PTD5", {"2500", "600", "200"}},      {"PTD6", {"3000", "1500", "5000"}},
        {"PTD6set", {"2500", "2500", "3000"}}, {"PTL", {"1500", "1600", "2000"}},
        {"PTLW", {"1800", "700", "800"}},      {"PTM", {"5000", "3000", "10000"}},
        {"PTMW", {"3000", "1500", "2000"}},    {"PTF", {"2500", "2000", "3600"}},
        {"PTJ", {"1000", "2000", "350"}},      {"PTLD", {"2030", "305", "1000"}},
    };
    return examples;
}

bool saveResult(const QDir& dir, const QString& window, const QStringList& inputs) {
    const bool strip = window == QLatin1String("PTLD");
    talir::app::ShotRecipe recipe;
    recipe.window = window;
    recipe.typed = {{strip ? QStringLiteral("txtL") : QStringLiteral("txtA"), inputs[0]},
                    {QStringLiteral("txtB"), inputs[1]},
                    {QStringLiteral("txtQ"), inputs[2]}};
    recipe.press = strip ? QStringLiteral("btnpodb") : QStringLiteral("btn1");
    const auto shot = talir::app::takeShot(recipe);
    return !shot.image.isNull() &&
           shot.image.save(dir.filePath(window + QStringLiteral("-result.png")));
}

} // namespace

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
    for (const auto& [window, inputs] : workedExamples()) {
        if (names.contains(window) && !saveResult(dir, window, inputs)) {
            err << "cannot save the result of " << window << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
