#pragma once

#include "calcwin/toolwindow.h"

namespace talir::app {

// The exit question: "ДА" closes every window and so ends the program,
// "НЕТ" closes only the question.
class EksitWindow : public calcwin::ToolWindow {
    Q_OBJECT
public:
    EksitWindow();

public slots:
    void btn1_Click();
    void btn2_Click();
};

} // namespace talir::app
