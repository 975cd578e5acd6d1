#include "sketchwindow.h"

#include "controls.h"
#include "drawings/sketchtable.h"
#include "lineshape.h"
#include "sketchdrawing.h"
#include "windowregistry.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace talir::calcwin {

using drawings::findSketch;
using drawings::sketchTable;

namespace {

// Arrangement of the window, pixels at 96 dpi.
constexpr QSize returnButton(201, 25);
constexpr int returnButtonFromBottom = 43;
constexpr int margin = 8;
constexpr int noteSideMargin = 24;
constexpr int noteLines = 2;

// The longest size the calculators hand over, with its leading blank.
const QString longestExpectedSize = QStringLiteral(" 0000.0");

QFont dimensionFont() {
    return helvetica(9.75);
}
constexpr FontSpec noteFont{9.75};

// An unknown name still gives a working window; it returns nowhere.
const SketchDescription& describedOrFirst(const QString& name) {
    const SketchDescription* sketch = findSketch(name);
    return sketch ? *sketch : sketchTable().front();
}

FrameSpec frameFor(const QString& name) {
    const SketchDescription& sketch = describedOrFirst(name);
    return {sketch.caption, sketch.client, {}, false, sketch.centred};
}

QLabel* dimensionLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(dimensionFont());
    label->setWordWrap(false);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

SketchWindow::SketchWindow(const QString& name) : ToolWindow(frameFor(name)) {
    setObjectName(name);
    const SketchDescription* sketch = findSketch(name);
    description_ = &describedOrFirst(name);
    if (sketch)
        returnTo_ = sketch->returnTo;
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    setPalette(paper);
    setAutoFillBackground(true);
    buildControls(sketch ? *sketch : describedOrFirst(name));
    placeDimensionLabels();
}

void SketchWindow::buildControls(const SketchDescription& sketch) {
    const QSize client = sketch.client;
    const QRect button(QPoint((client.width() - returnButton.width()) / 2,
                              client.height() - returnButtonFromBottom),
                       returnButton);
    const int noteHeight = QFontMetrics(fontFor(noteFont)).lineSpacing() * noteLines + 4;
    const QRect note(noteSideMargin, button.top() - margin - noteHeight,
                     client.width() - 2 * noteSideMargin, noteHeight);
    const QRect picture(margin, margin, client.width() - 2 * margin, note.top() - 2 * margin);

    QLabel sample(longestExpectedSize);
    sample.setFont(dimensionFont());
    drawing_ = new SketchDrawing(sketch.subject, picture.size(), QSizeF(sample.sizeHint()),
                                 this->client());
    drawing_->setObjectName(QStringLiteral("Image1"));
    drawing_->move(picture.topLeft());

    // Leaders and sizes lie over the drawing.
    for (int i = 0; i < int(leaderLines_.size()); ++i) {
        leaderLines_[i] = new LineShape(this->client());
        leaderLines_[i]->setObjectName(QStringLiteral("Line%1").arg(i + 1));
    }
    overallWidth_ = dimensionLabel(sketch.labelPrefix + QStringLiteral("A1"), this->client());
    overallHeight_ = dimensionLabel(sketch.labelPrefix + QStringLiteral("B1"), this->client());
    partWidth_ = dimensionLabel(sketch.labelPrefix + QStringLiteral("A"), this->client());
    partHeight_ = dimensionLabel(sketch.labelPrefix + QStringLiteral("B"), this->client());

    auto* text = qobject_cast<QLabel*>(
        createControl(this->client(), {ControlSpec::Kind::Label, QStringLiteral("Label1"),
                                       sketch.note, note, noteFont}));
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* back = qobject_cast<QPushButton*>(
        createControl(this->client(), {ControlSpec::Kind::Button,
                                       QStringLiteral("btn3"),
                                       QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ"),
                                       button,
                                       {8.25, true}}));
    setDefaultButton(back);
    connect(back, &QPushButton::clicked, this, &SketchWindow::btn3_Click);
}

void SketchWindow::placeDimensionLabels() {
    const QPointF origin = drawing_->pos();
    for (const auto& [label, which] : {std::pair{overallWidth_, SketchDimension::OverallWidth},
                                       std::pair{partWidth_, SketchDimension::PartWidth}}) {
        label->adjustSize();
        label->move(
            (drawing_->textRect(which, QSizeF(label->size())).topLeft() + origin).toPoint());
    }

    const auto shelve = [&](QLabel* label, SketchDimension which, LineShape* slant,
                            LineShape* shelf) {
        label->adjustSize();
        const QSizeF size(label->size());
        label->move((drawing_->textRect(which, size).topLeft() + origin).toPoint());
        Leader leader = drawing_->leaderTo(which, size);
        leader.start += origin;
        leader.knee += origin;
        slant->setLine(leader.slant());
        shelf->setLine(leader.shelf());
    };
    shelve(overallHeight_, SketchDimension::OverallHeight, leaderLines_[0], leaderLines_[1]);
    shelve(partHeight_, SketchDimension::PartHeight, leaderLines_[2], leaderLines_[3]);
}

void SketchWindow::setSection(const core::SectionGeometry& section) {
    section_ = section;
    drawing_->setSubject(drawings::sectionSubject(*description_, section));
    placeDimensionLabels();
}

void SketchWindow::setDimensionTexts(const QString& overallWidth, const QString& overallHeight,
                                     const QString& partWidth, const QString& partHeight) {
    overallWidth_->setText(overallWidth);
    overallHeight_->setText(overallHeight);
    partWidth_->setText(partWidth);
    partHeight_->setText(partHeight);
    placeDimensionLabels();
}

void SketchWindow::btn3_Click() {
    if (!returnTo_.isEmpty() && registry().knows(returnTo_))
        registry().show(returnTo_);
    hide();
}

const QStringList& sketchWindowNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const SketchDescription& sketch : sketchTable())
            list.append(sketch.name);
        return list;
    }();
    return names;
}

} // namespace talir::calcwin
