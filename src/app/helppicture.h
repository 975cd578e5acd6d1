#pragma once

#include "windowshot.h"

#include <QWidget>

namespace talir::app {

// A help page's picture: a marked photograph of one of the tool's windows,
// scaled into the picture's rectangle with its proportions kept and centred
// there.
class HelpPicture : public QWidget {
    Q_OBJECT
public:
    HelpPicture(WindowShot shot, QWidget* parent);

    const WindowShot& shot() const { return shot_; }
    // Where the photograph is drawn, in this widget's coordinates.
    QRectF imageRect() const;
    // A rectangle of the photograph, in this widget's coordinates.
    QRectF toWidget(const QRectF& inShot) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    WindowShot shot_;
    QImage scaled_; // the photograph at its drawn size, smoothly reduced once
};

} // namespace talir::app
