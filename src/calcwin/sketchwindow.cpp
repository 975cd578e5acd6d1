// Minimal sketch window until the drawings arrive: caption, labels, note and
// the return button.
#include "sketchwindow.h"

#include "controls.h"
#include "windowregistry.h"

#include <QLabel>
#include <QPushButton>

namespace talir::calcwin {

SketchWindow::SketchWindow(const QString& name)
    : ToolWindow({QStringLiteral("Эскиз решетки ТАЛИР ПТ-Д5"), QSize(840, 603), {}, false, true}),
      returnTo_(QStringLiteral("PTD5")) {
    createControls(client(), {
        {ControlSpec::Kind::Label, QStringLiteral("razmA1"), {}, {328, 392, 80, 17}},
        {ControlSpec::Kind::Label, QStringLiteral("razmB1"), {}, {496, 272, 80, 17}},
        {ControlSpec::Kind::Label, QStringLiteral("razmA"), {}, {336, 440, 80, 17}},
        {ControlSpec::Kind::Label, QStringLiteral("razmB"), {}, {496, 144, 80, 17}},
        {ControlSpec::Kind::Button, QStringLiteral("btn3"), QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ"),
         {320, 560, 201, 25}, {8.25, true}},
    });
    Q_UNUSED(name);
    connect(control<QPushButton>(QStringLiteral("btn3")), &QPushButton::clicked, this,
            &SketchWindow::btn3_Click);
}

void SketchWindow::setDimensionTexts(const QString& overallWidth, const QString& overallHeight,
                                     const QString& partWidth, const QString& partHeight) {
    control<QLabel>(QStringLiteral("razmA1"))->setText(overallWidth);
    control<QLabel>(QStringLiteral("razmB1"))->setText(overallHeight);
    control<QLabel>(QStringLiteral("razmA"))->setText(partWidth);
    control<QLabel>(QStringLiteral("razmB"))->setText(partHeight);
}

void SketchWindow::btn3_Click() {
    registry().show(returnTo_);
    registry().hide(objectName());
}

const QStringList& sketchWindowNames() {
    static const QStringList names = {
        "EskizD5", "EskizD5_1", "EskizD5_2", "EskizD6",   "EskizD6_1", "EskizL",
        "EskizL1", "EskizL2",   "EskizLW",   "EskizLW_1", "EskizLW_2", "EskizM",
        "EskizM_1", "EskizMW",  "EskizMW_1", "EskizMW_2", "EskizJ",    "EskizJ_1",
        "EskizJ_2", "EskizF",   "EskizF_1",  "EskizF_2"};
    return names;
}

} // namespace talir::calcwin
