// Not a test: renders the main window, the exit question and every
// calculation window after a composite result to PNG, for a look at them.
// Usage: window_shots [folder]
#include "app/appwindows.h"
#include "calcwin/toolwindow.h"
#include "calcwin/windowregistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>

#include <cstdio>

using talir::calcwin::registry;
using talir::calcwin::ToolWindow;

namespace {

void save(const QString& folder, const QString& name, const QString& file) {
    auto* window = registry().windowAs<ToolWindow>(name);
    window->show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(file + QStringLiteral(".png"));
    window->grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

void fill(const QString& name, const char* a, const char* b, const char* q) {
    auto* window = registry().windowAs<ToolWindow>(name);
    const bool strip = name == QLatin1String("PTLD");
    window->control<QLineEdit>(strip ? QStringLiteral("txtL") : QStringLiteral("txtA"))->setText(QString::fromLatin1(a));
    if (strip)
        window->control<QComboBox>(QStringLiteral("txtB"))->setCurrentText(QString::fromLatin1(b));
    else
        window->control<QLineEdit>(QStringLiteral("txtB"))->setText(QString::fromLatin1(b));
    window->control<QLineEdit>(QStringLiteral("txtQ"))->setText(QString::fromLatin1(q));
    window->control<QAbstractButton>(strip ? QStringLiteral("btnpodb") : QStringLiteral("btn1"))->click();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);
    talir::app::registerWindows();
    save(folder, QStringLiteral("Start"), QStringLiteral("Start"));
    save(folder, QStringLiteral("Eksit"), QStringLiteral("Eksit"));
    struct Example { const char* window; const char* a; const char* b; const char* q; };
    const Example examples[] = {
        {"PTD5", "2500", "600", "200"},   {"PTD6", "3000", "1500", "5000"},
        {"PTD6set", "2500", "2500", "3000"}, {"PTL", "1500", "1600", "2000"},
        {"PTLW", "2500", "600", "500"},   {"PTM", "2500", "600", "500"},
        {"PTMW", "2500", "600", "500"},   {"PTF", "2500", "600", "500"},
        {"PTJ", "2500", "600", "500"},    {"PTLD", "2030", "305", "1000"},
    };
    for (const auto& example : examples) {
        const QString name = QString::fromLatin1(example.window);
        save(folder, name, name + QStringLiteral("-empty"));
        fill(name, example.a, example.b, example.q);
        save(folder, name, name + QStringLiteral("-result"));
    }
    return 0;
}
