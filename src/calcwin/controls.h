#pragma once

// Windows are laid out from tables of controls: name, kind, text, rectangle
// (pixels at 96 dpi) and font. One loop turns a table into widgets, so the
// positions stay data.

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QString>
#include <QWidget>

#include <initializer_list>

namespace talir::calcwin {

struct FontSpec {
    double points = 0; // 0: the system's default font
    bool bold = false;
    bool underline = false;
};

// Helvetica at the given size; fontconfig offers a metric twin with Cyrillic.
QFont helvetica(double points, bool bold = false, bool underline = false);
QFont fontFor(const FontSpec& style);

struct ControlSpec {
    enum class Kind { Label, Button, LineEdit, Picture, CheckBox, Option, ComboBox };
    Kind kind;
    QString name;
    QString text; // caption; for a picture, the resource it shows
    QRect rect;
    FontSpec font = {};
    bool visible = true;
};

// Creates the controls as children of parent, in the order given.
void createControls(QWidget* parent, std::initializer_list<ControlSpec> controls);
QWidget* createControl(QWidget* parent, const ControlSpec& control);

// Makes a label's text fit: a label meant for one line grows wider, one meant
// for several lines wraps and grows taller. Call it again after a new text.
void fitText(QLabel* label);

// Tab order: the named children, in the order given.
void setTabOrderOf(QWidget* parent, std::initializer_list<const char*> names);

// A text box that selects its whole text whenever it gets the focus, by mouse
// or keyboard, so that typing replaces the old value.
class SelectAllLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    // Selection start 0, selection length the text's length.
    void selectWhole() { setSelection(0, static_cast<int>(text().length())); }
signals:
    void gotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// A picture drawn from an SVG resource, crisp at any screen scale.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    SvgPicture(const QString& resource, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString resource_;
};

} // namespace talir::calcwin
