#include "eksitwindow.h"

#include "calcwin/controls.h"
#include "calcwin/windowregistry.h"

#include <QPushButton>

namespace talir::app {

using calcwin::ControlSpec;
using Kind = ControlSpec::Kind;

EksitWindow::EksitWindow()
    : ToolWindow({QStringLiteral(" "), QSize(433, 111), QStringLiteral(":/emblem.svg")}) {
    calcwin::createControls(client(), {
                                          {Kind::Label,
                                           "Label1",
                                           "Вы уверены что хотите выйти из программы?",
                                           {16, 16, 401, 25},
                                           {14.25}},
                                          {Kind::Button, "btn1", "ДА", {104, 64, 81, 33}, {9.75}},
                                          {Kind::Button, "btn2", "НЕТ", {256, 64, 81, 33}, {9.75}},
                                      });
    calcwin::setTabOrderOf(client(), {"btn2", "btn1"});
    connect(control<QPushButton>(QStringLiteral("btn1")), &QPushButton::clicked, this,
            &EksitWindow::btn1_Click);
    connect(control<QPushButton>(QStringLiteral("btn2")), &QPushButton::clicked, this,
            &EksitWindow::btn2_Click);
    control(QStringLiteral("btn2"))->setFocus();
}

void EksitWindow::btn1_Click() {
    calcwin::registry().closeAll();
}

void EksitWindow::btn2_Click() {
    calcwin::registry().close(objectName());
}

} // namespace talir::app
