#pragma once

namespace talir::app {

// Starts the tool inside a running QApplication: teaches the registry every
// window, shows the main window, and ends the event loop with status 0 once
// the exit question has closed every window.
void startTool();

// The program's name, organisation, version and desktop file name, set by
// startTool().
void setIdentity();

} // namespace talir::app
