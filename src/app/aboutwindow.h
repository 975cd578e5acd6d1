#pragma once

#include "calcwin/toolwindow.h"

namespace talir::app {

// "О программе": the credits. The only window of the tool with a close box;
// closing it destroys it, and the next "О программе" builds it afresh.
class AboutWindow : public calcwin::ToolWindow {
    Q_OBJECT
public:
    AboutWindow();
};

} // namespace talir::app
