#pragma once

#include "core/result.h"

#include <QLocale>
#include <QRect>
#include <QString>
#include <QStringView>

#include <vector>

namespace talir::calculators {

// What a calculation reads from its window: the three input texts exactly as
// typed (for ПТ-ЛД: txtL, txtB, txtQ), the window's check box (ПТ-Ф1, ПТ-Ж1)
// and the locale whose notation the texts are in.
struct Input {
    QString a;
    QString b;
    QString q;
    bool sub = false;
    QLocale locale;
};

using Calculate = core::Result (*)(const Input&);

// A control that only some calculation windows have: the ПТ-Д6 option
// buttons and the ПТ-Ф1 / ПТ-Ж1 check boxes.
struct ExtraControl {
    enum class Kind { Option, CheckBox };
    Kind kind;
    QString name;
    QString text;
    QRect rect;   // left, top, width, height at 96 dpi
    bool checked; // initial state
    // Clicking an option button closes one window and shows another (the
    // two ПТ-Д6 windows switch to each other); empty names do nothing.
    QString closes = {};
    QString shows = {};
};

// Everything that distinguishes one window of the shared calculation-window
// layout from another.
struct WindowDescriptor {
    QString name; // "PTD5"
    QString caption;
    QString label1;  // caption of txtA
    QString label2;  // caption of txtB
    bool jetThrow;   // Label10 / txtL02 row under the pressure drop
    bool emblemIcon; // the maker's emblem as window icon
    QString menu;    // object names of the help menu and its items
    QString menuHelp;
    QString menuAbout;
    QString helpFirst; // first and second help page
    QString helpSecond;
    std::vector<ExtraControl> extras;
    Calculate calculate; // the type's calculation
    // The mesh twin of ПТ-Д6 stays on screen behind its help page.
    bool staysOnHelp = false;
    // Sketch windows shared with another window that can be on screen at the
    // same time (the two ПТ-Д6 windows): the sketch button hides those of
    // them it did not choose, so that one of them is shown at a time.
    std::vector<QString> sharedSketches = {};
};

// The nine windows of the shared layout, in the order of the type list plus
// the ПТ-Д6 mesh twin.
const std::vector<WindowDescriptor>& patternWindows();
const WindowDescriptor* findPatternWindow(QStringView name);

// The calculation behind a window name, ПТ-ЛД included; nullptr for a name
// that is no calculation window.
Calculate calculatorFor(QStringView window);

// The names of all ten calculation windows.
const std::vector<QString>& calculationWindowNames();

} // namespace talir::calculators
