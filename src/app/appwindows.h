#pragma once

namespace talir::app {

// Teaches the window registry how to create each window of the tool.
void registerWindows();

} // namespace talir::app
