#pragma once

#include "core/result.h"
#include "toolwindow.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QLabel;

namespace talir::drawings {
struct SketchDescription;
}

namespace talir::calcwin {

using drawings::SketchDescription;

class LineShape;
class SketchDrawing;

// A sketch window: the dimensioned drawing of one section of the grille just
// calculated, with its four sizes written at the drawing's dimension lines,
// a note under the drawing and "ВЕРНУТЬСЯ В ПРОГРАММУ".
class SketchWindow : public ToolWindow {
    Q_OBJECT
public:
    // name: one of sketchWindowNames().
    explicit SketchWindow(const QString& name);

    // The hand-over from the calculation window: overall width and height of
    // the section, width and height of the part that enters the opening.
    void setDimensionTexts(const QString& overallWidth, const QString& overallHeight,
                           const QString& partWidth, const QString& partHeight);

    // The section just calculated: the drawing is laid out anew to its
    // sizes. Before any calculation the window shows a representative one.
    void setSection(const core::SectionGeometry& section);
    const std::optional<core::SectionGeometry>& section() const { return section_; }

    // The calculation window the return button shows.
    QString returnWindow() const { return returnTo_; }

public slots:
    void btn3_Click();

private:
    void buildControls(const SketchDescription& sketch);
    // The sizes stand at their dimension lines whatever their length: the
    // widths centred over their lines, the heights on their shelves.
    void placeDimensionLabels();

    QString returnTo_;
    const SketchDescription* description_ = nullptr;
    std::optional<core::SectionGeometry> section_;
    SketchDrawing* drawing_ = nullptr;
    QLabel* overallWidth_ = nullptr;
    QLabel* overallHeight_ = nullptr;
    QLabel* partWidth_ = nullptr;
    QLabel* partHeight_ = nullptr;
    std::array<LineShape*, 4> leaderLines_ = {}; // Line1 .. Line4
};

// The 22 sketch windows.
const QStringList& sketchWindowNames();

} // namespace talir::calcwin
