#pragma once

#include "calculators/calculator.h"
#include "core/result.h"
#include "toolwindow.h"

#include <optional>

namespace talir::calcwin {

// The calculation window shared by nine grille types: three inputs, the
// calculation, the result panel, the sketch button, the way back to the type
// list and the help menu. A descriptor supplies what differs per type.
class CalcWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit CalcWindow(const calculators::WindowDescriptor& descriptor);

    const calculators::WindowDescriptor& descriptor() const { return descriptor_; }

public slots:
    void btn1_Click(); // "ПОДОБРАТЬ РЕШЕТКИ"
    void btn2_Click(); // "ПОКАЗАТЬ ЭСКИЗ"
    void btn3_Click(); // "ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТОК"
    void btn4_Click(); // "Выход"
    void mnuSpr_Click();
    void mnuProg_Click();
    void txtA_GotFocus();
    void txtB_GotFocus();
    void txtQ_GotFocus();

private:
    void buildControls();
    void buildMenu();
    void connectHandlers();
    calculators::Input readInput() const;
    // The one place where a calculation's outcome reaches the widgets.
    void applyResult(const core::Result& result);
    void setPanelVisible(bool visible);

    const calculators::WindowDescriptor& descriptor_;
    QString sketch_;                               // the sketch of the last composite result
    std::optional<core::SectionGeometry> section_; // and the section it draws
};

} // namespace talir::calcwin
