#pragma once

#include "helppage.h"

#include <QStringView>

#include <vector>

namespace talir::app {

// The 18 help pages: the main window's, the ПТ-ЛД page and a first and a
// second page for each of the other grille types.
const std::vector<HelpPageSpec>& helpPages();
const HelpPageSpec* findHelpPage(QStringView name);

} // namespace talir::app
