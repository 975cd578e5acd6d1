#pragma once

#include "calcwin/toolwindow.h"

namespace talir::app {

// The start-up window: the greeting, the logo and the list of grille types,
// from which "ВЫБРАТЬ" opens the type's calculation window.
class StartWindow : public calcwin::ToolWindow {
    Q_OBJECT
public:
    StartWindow();

    // The entries of the type list and the windows they open, in list order.
    static const std::vector<std::pair<QString, QString>>& types();

public slots:
    void Command1_Click();
    void btn4_Click();
    void mnuSpravka_Click();
    void mnuProg_Click();
};

} // namespace talir::app
