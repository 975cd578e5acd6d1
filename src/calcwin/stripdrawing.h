#pragma once

#include <QWidget>

namespace talir::calcwin {

// The plan of a ПТ-ЛД strip in its opening: the wall at both ends, an end
// section ПТ-ЛД1 at each end and the 1000 mm sections ПТ-ЛД2 between them,
// with the overall dimension line under the strip and, once a composition is
// known, a dimension line over each kind of section.
class StripDrawing : public QWidget {
    Q_OBJECT
public:
    StripDrawing(bool sectionDimensions, QWidget* parent);

    // Where the window puts its texts: over the left end, the middle
    // sections and the right end, and on the overall dimension line.
    QRect leftEndLabel() const;
    QRect middleLabel() const;
    QRect rightEndLabel() const;
    QRect overallLabel() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool sectionDimensions_;
};

} // namespace talir::calcwin
