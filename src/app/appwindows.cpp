#include "appwindows.h"

#include "calcwin/calcwindow.h"
#include "calcwin/sketchwindow.h"
#include "calcwin/windowregistry.h"
#include "calculators/calculator.h"
#include "eksitwindow.h"
#include "startwindow.h"

namespace talir::app {

void registerWindows() {
    auto& registry = calcwin::registry();
    registry.addFactory(QStringLiteral("Start"), [] { return new StartWindow; });
    registry.addFactory(QStringLiteral("Eksit"), [] { return new EksitWindow; });
    for (const auto& descriptor : calculators::patternWindows())
        registry.addFactory(descriptor.name,
                            [&descriptor] { return new calcwin::CalcWindow(descriptor); });
    // The strip window keeps its own layout; until it is built it opens with
    // its caption only.
    registry.addFactory(QStringLiteral("PTLD"), [] {
        return new calcwin::ToolWindow({QStringLiteral("ПОДБОР СОСТАВНЫХ РЕШЕТОК ТАЛИР ПТ-ЛД"),
                                        QSize(761, 524), QStringLiteral(":/emblem.svg")});
    });
    for (const QString& name : calcwin::sketchWindowNames())
        registry.addFactory(name, [name] { return new calcwin::SketchWindow(name); });
}

} // namespace talir::app
