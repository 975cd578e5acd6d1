#pragma once

#include "core/result.h"
#include "toolwindow.h"

namespace talir::calcwin {

// The ПТ-ЛД window: a strip of 1000 mm sections with two end sections. The
// width is typed on the drawing's overall dimension line, the height picked
// from the standard openings, and the results are a row per product.
class PtldWindow : public ToolWindow {
    Q_OBJECT
public:
    PtldWindow();

    // The standard opening heights of the list, in order.
    static const QStringList& openingHeights();

public slots:
    void btnpodb_Click(); // "ПОДОБРАТЬ РЕШЕТКИ"
    void btn2_Click();    // "ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТОК"
    void btn4_Click();    // "Выход"
    void mnuSpr_Click();
    void mnuOpr_Click();
    void txtL_GotFocus();
    void txtQ_GotFocus();

private:
    void buildControls();
    void connectHandlers();
    void applyResult(const core::Result& result);
    void placeWidths();
    void setShown(std::initializer_list<const char*> names, bool shown);
};

} // namespace talir::calcwin
