#include "calculator.h"

#include "ptd5.h"
#include "ptd6.h"
#include "ptf.h"
#include "ptl.h"
#include "ptld.h"
#include "ptm.h"
#include "ptmw.h"

namespace talir::calculators {
namespace {

const QString kOpeningWidth = QStringLiteral("Размер строительного проема по горизонтали (A), мм");
const QString kOpeningHeight = QStringLiteral("Размер строительного проема по вертикали (B), мм");
const QString kMountingWidth = QStringLiteral("Посадочный размер решетки по горизонтали (A), мм");
const QString kMountingHeight = QStringLiteral("Посадочный размер решетки по вертикали (B), мм");
const QString kNominalWidth = QStringLiteral("Условный размер решетки по горизонтали (A), мм");
const QString kNominalHeight = QStringLiteral("Условный размер решетки по вертикали (B), мм");

using Kind = ExtraControl::Kind;

std::vector<WindowDescriptor> makePatternWindows() {
    const auto caption = [](const char* type) {
        return QStringLiteral("ПОДБОР СОСТАВНЫХ РЕШЕТОК ТАЛИР ") + QString::fromUtf8(type);
    };
    return {
        {QStringLiteral("PTL"),
         caption("ПТ-Л"),
         kMountingWidth,
         kMountingHeight,
         true,
         true,
         QStringLiteral("mnuHelp"),
         QStringLiteral("mnuSpr"),
         QStringLiteral("mnuProg"),
         QStringLiteral("HelpL"),
         QStringLiteral("HelpL1"),
         {},
         &calculatePtl},
        {QStringLiteral("PTLW"),
         caption("ПТ-ЛШ"),
         kMountingWidth,
         kMountingHeight,
         true,
         false,
         QStringLiteral("mnuHelpLW"),
         QStringLiteral("mnuSprLW"),
         QStringLiteral("mnuProgLW"),
         QStringLiteral("HelpLW"),
         QStringLiteral("HelpLW1"),
         {},
         &calculatePtlw},
        {QStringLiteral("PTM"),
         caption("ПТ-М"),
         kNominalWidth,
         kNominalHeight,
         true,
         false,
         QStringLiteral("mnuHelp"),
         QStringLiteral("mnuSpr"),
         QStringLiteral("mnuProg"),
         QStringLiteral("HelpM"),
         QStringLiteral("HelpM1"),
         {},
         &calculatePtm},
        {QStringLiteral("PTMW"),
         caption("ПТ-МШ"),
         kNominalWidth,
         kNominalHeight,
         true,
         false,
         QStringLiteral("mnuHelpMW"),
         QStringLiteral("mnuSprMW"),
         QStringLiteral("mnuProgMW"),
         QStringLiteral("HelpMW"),
         QStringLiteral("HelpMW1"),
         {},
         &calculatePtmw},
        {QStringLiteral("PTD5"),
         caption("ПТ-Д5"),
         kOpeningWidth,
         kOpeningHeight,
         false,
         true,
         QStringLiteral("mnuHelpD5"),
         QStringLiteral("mnuSprD5"),
         QStringLiteral("mnuProgD5"),
         QStringLiteral("HelpD5"),
         QStringLiteral("HelpD51"),
         {},
         &calculatePtd5},
        {QStringLiteral("PTD6"),
         caption("ПТ-Д6"),
         kOpeningWidth,
         kOpeningHeight,
         false,
         true,
         QStringLiteral("mnuHelpD6"),
         QStringLiteral("mnuSprD6"),
         QStringLiteral("mnuProgD6"),
         QStringLiteral("HelpD6"),
         QStringLiteral("HelpD61"),
         {{Kind::Option,
           QStringLiteral("Option1"),
           QStringLiteral("Без сетки"),
           {16, 264, 81, 17},
           true,
           QStringLiteral("PTD6set"),
           QStringLiteral("PTD6")},
          {Kind::Option,
           QStringLiteral("Option2"),
           QStringLiteral("С сеткой"),
           {16, 288, 81, 17},
           false,
           QStringLiteral("PTD6"),
           QStringLiteral("PTD6set")}},
         &calculatePtd6,
         false,
         {QStringLiteral("EskizD6"), QStringLiteral("EskizD6_1")}},
        {QStringLiteral("PTD6set"),
         caption("ПТ-Д6 с сеткой"),
         kOpeningWidth,
         kOpeningHeight,
         false,
         false,
         QStringLiteral("mnuHelpD6"),
         QStringLiteral("mnuSprD6"),
         QStringLiteral("mnuProgD6"),
         QStringLiteral("HelpD6"),
         QStringLiteral("HelpD61"),
         {{Kind::Option,
           QStringLiteral("Bezset"),
           QStringLiteral("Без сетки"),
           {24, 256, 97, 13},
           false,
           QStringLiteral("PTD6set"),
           QStringLiteral("PTD6")},
          {Kind::Option,
           QStringLiteral("Option1"),
           QStringLiteral("С сеткой"),
           {24, 272, 97, 13},
           true}},
         &calculatePtd6Mesh,
         true,
         {QStringLiteral("EskizD6"), QStringLiteral("EskizD6_1")}},
        {QStringLiteral("PTF"),
         caption("ПТ-Ф"),
         kOpeningWidth,
         kOpeningHeight,
         true,
         false,
         QStringLiteral("mnuHelp"),
         QStringLiteral("mnuSpr"),
         QStringLiteral("mnuProg"),
         QStringLiteral("HelpF"),
         QStringLiteral("HelpF1"),
         {{Kind::CheckBox,
           QStringLiteral("F1"),
           QStringLiteral("Решетка ПТ-Ф1"),
           {16, 272, 129, 17},
           false}},
         &calculatePtf},
        {QStringLiteral("PTJ"),
         caption("ПТ-Ж"),
         kOpeningWidth,
         kOpeningHeight,
         true,
         false,
         QStringLiteral("mnuHelp"),
         QStringLiteral("mnuSpr"),
         QStringLiteral("mnuProg"),
         QStringLiteral("HelpJ"),
         QStringLiteral("HelpJ1"),
         {{Kind::CheckBox,
           QStringLiteral("J1"),
           QStringLiteral("Решетка ПТ-Ж1"),
           {16, 272, 129, 17},
           false}},
         &calculatePtj},
    };
}

} // namespace

const std::vector<WindowDescriptor>& patternWindows() {
    static const std::vector<WindowDescriptor> windows = makePatternWindows();
    return windows;
}

const WindowDescriptor* findPatternWindow(QStringView name) {
    for (const auto& window : patternWindows())
        if (window.name == name)
            return &window;
    return nullptr;
}

Calculate calculatorFor(QStringView window) {
    if (const auto* descriptor = findPatternWindow(window))
        return descriptor->calculate;
    if (window == u"PTLD")
        return &calculatePtld;
    return nullptr;
}

const std::vector<QString>& calculationWindowNames() {
    static const std::vector<QString> names = {QStringLiteral("PTD5"),    QStringLiteral("PTD6"),
                                               QStringLiteral("PTD6set"), QStringLiteral("PTL"),
                                               QStringLiteral("PTLW"),    QStringLiteral("PTM"),
                                               QStringLiteral("PTMW"),    QStringLiteral("PTF"),
                                               QStringLiteral("PTJ"),     QStringLiteral("PTLD")};
    return names;
}

} // namespace talir::calculators
