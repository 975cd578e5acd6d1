#include "controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTimer>

#include <algorithm>

namespace talir::calcwin {

namespace {
constexpr double kDefaultPoints = 8.25;
}

QFont helvetica(double points, bool bold, bool underline) {
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::Helvetica);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont fontFor(const FontSpec& style) {
    if (style.points > 0)
        return helvetica(style.points, style.bold, style.underline);
    QFont font = helvetica(kDefaultPoints);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

// A label laid out for one line keeps its text on one line and grows wider
// where this platform's font needs more room than the layout gives; a label
// laid out for several lines wraps and grows taller instead.
void fitText(QLabel* label) {
    const QFontMetrics metrics(label->font());
    if (2 * label->height() >= 3 * metrics.lineSpacing()) {
        label->setWordWrap(true);
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height())
            label->resize(label->width(), needed);
        return;
    }
    label->setWordWrap(false);
    const int width = std::max(label->width(), metrics.horizontalAdvance(label->text()) + 2);
    const int height = std::max(label->height(), metrics.height());
    label->resize(width, height);
}

QWidget* createControl(QWidget* parent, const ControlSpec& control) {
    using Kind = ControlSpec::Kind;
    QWidget* widget = nullptr;
    switch (control.kind) {
    case Kind::Label: {
        auto* label = new QLabel(control.text, parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
    }
    case Kind::Button:
        widget = new QPushButton(control.text, parent);
        break;
    case Kind::LineEdit:
        widget = new SelectAllLineEdit(control.text, parent);
        break;
    case Kind::Picture:
        widget = new SvgPicture(control.text, parent);
        break;
    case Kind::CheckBox:
        widget = new QCheckBox(control.text, parent);
        break;
    case Kind::Option:
        widget = new QRadioButton(control.text, parent);
        break;
    case Kind::ComboBox:
        widget = new QComboBox(parent);
        break;
    }
    widget->setObjectName(control.name);
    if (control.font.points > 0 || control.font.bold || control.font.underline)
        widget->setFont(fontFor(control.font));
    widget->setGeometry(control.rect);
    if (auto* label = qobject_cast<QLabel*>(widget))
        fitText(label);
    widget->setVisible(control.visible);
    return widget;
}

void createControls(QWidget* parent, std::initializer_list<ControlSpec> controls) {
    for (const auto& control : controls)
        createControl(parent, control);
}

void setTabOrderOf(QWidget* parent, std::initializer_list<const char*> names) {
    QWidget* previous = nullptr;
    for (const char* name : names) {
        auto* widget = parent->findChild<QWidget*>(QString::fromLatin1(name));
        Q_ASSERT_X(widget, "setTabOrder", name);
        if (previous && widget)
            QWidget::setTabOrder(previous, widget);
        if (widget)
            previous = widget;
    }
}

void SelectAllLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit gotFocus();
    // A mouse click places the cursor after the focus arrives: select once
    // the click has been handled.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            emit gotFocus();
    });
}

SvgPicture::SvgPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), resource_(resource) {}

void SvgPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer renderer(resource_);
    renderer.render(&painter, QRectF(rect()));
}

} // namespace talir::calcwin
