#include "appwindows.h"

#include "aboutwindow.h"
#include "helppages.h"

#include "calculators/calculator.h"
#include "calcwin/calcwindow.h"
#include "calcwin/ptldwindow.h"
#include "calcwin/sketchwindow.h"
#include "calcwin/windowregistry.h"
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
    registry.addFactory(QStringLiteral("PTLD"), [] { return new calcwin::PtldWindow; });
    for (const QString& name : calcwin::sketchWindowNames())
        registry.addFactory(name, [name] { return new calcwin::SketchWindow(name); });
    for (const HelpPageSpec& page : helpPages())
        registry.addFactory(page.name, [&page] { return new HelpPage(page); });
    registry.addFactory(QStringLiteral("Prog"), [] { return new AboutWindow; });
}

} // namespace talir::app
