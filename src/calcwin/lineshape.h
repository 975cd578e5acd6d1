#pragma once

#include <QLineF>
#include <QWidget>

namespace talir::calcwin {

// A straight thin line laid over the other controls of a window, such as a
// segment of a leader from a dimension line to its text.
class LineShape : public QWidget {
    Q_OBJECT
public:
    explicit LineShape(QWidget* parent);

    // The line in the parent's coordinates.
    void setLine(const QLineF& line);
    QLineF line() const { return line_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineF line_;
};

} // namespace talir::calcwin
