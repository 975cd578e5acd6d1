#include "calcwindow.h"

#include "calculators/panel.h"
#include "controls.h"
#include "sketchwindow.h"
#include "windowregistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace talir::calcwin {
namespace {

using Kind = ControlSpec::Kind;

const QString kEmblem = QStringLiteral(":/emblem.svg");
constexpr int kWidth = 761;
constexpr int kHeight = 524;
constexpr int kJetThrowRow = 32; // the jet-throw row pushes the footnote down

const QStringList& flowRow() {
    static const QStringList controls = {"txtP", "txt7", "txt8", "txtL02", "Label10"};
    return controls;
}

} // namespace

CalcWindow::CalcWindow(const calculators::WindowDescriptor& descriptor)
    : ToolWindow({descriptor.caption,
                  QSize(kWidth, kHeight + (descriptor.jetThrow ? kJetThrowRow : 0)),
                  descriptor.emblemIcon ? kEmblem : QString()}),
      descriptor_(descriptor) {
    buildControls();
    buildMenu();
    connectHandlers();
    setDefaultButton(control<QPushButton>(QStringLiteral("btn1")));
    control(QStringLiteral("txtA"))->setFocus();
}

// The figures keep to one line (a value never wraps away from its name), so
// their boxes are one line high where the captions beside them take two.
void CalcWindow::buildControls() {
    const int footnoteTop = 504 + (descriptor_.jetThrow ? kJetThrowRow : 0);
    QWidget* c = client();
    // clang-format off
    createControls(c, {
        {Kind::Picture,  "Image1", ":/logo.svg",                            {174, 24, 413, 68}},
        {Kind::Button,   "btn4",   "Выход",                                 {340, 104, 81, 25}, {14.25, true}},
        {Kind::Button,   "btn3",   "ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТОК",       {24, 152, 273, 33}},
        {Kind::Label,    "Label1", descriptor_.label1,                      {24, 216, 289, 17}},
        {Kind::LineEdit, "txtA",   "0",                                     {320, 216, 49, 19}},
        {Kind::Label,    "Label2", descriptor_.label2,                      {24, 240, 281, 17}},
        {Kind::LineEdit, "txtB",   "0",                                     {320, 240, 49, 19}},
        {Kind::Label,    "Label3", "Расход воздуха (Q), м3/ч",              {440, 216, 137, 17}},
        {Kind::LineEdit, "txtQ",   "0",                                     {592, 216, 49, 19}},
        {Kind::Button,   "btn1",   "ПОДОБРАТЬ РЕШЕТКИ",                     {464, 248, 193, 25}},
        {Kind::Button,   "btn2",   "ПОКАЗАТЬ ЭСКИЗ",                        {464, 280, 193, 25}, {}, false},
        {Kind::Label,    "Label5", {},                                      {136, 352, 145, 17}, {0, false, true}, false},
        {Kind::Label,    "txtD5",  {},                                      {24, 376, 385, 25}, {0, true}, false},
        {Kind::Label,    "txt1",   {},                                      {16, 408, 129, 17}, {}, false},
        {Kind::Label,    "txt2",   {},                                      {152, 408, 217, 17}, {}, false},
        {Kind::Label,    "txt3",   {},                                      {152, 432, 217, 17}, {}, false},
        {Kind::Label,    "txt4",   {},                                      {16, footnoteTop, 737, 17}, {}, false},
        {Kind::Label,    "txt5",   {},                                      {424, 376, 121, 25}, {}, false},
        {Kind::Label,    "txtFcc", {},                                      {552, 376, 121, 17}, {}, false},
        {Kind::Label,    "txt9",   {},                                      {424, 416, 145, 33}, {}, false},
        {Kind::Label,    "txtSo",  {},                                      {584, 416, 97, 17}, {}, false},
        {Kind::Label,    "txt6",   {},                                      {424, 448, 137, 25}, {}, false},
        {Kind::Label,    "txtm",   {},                                      {568, 448, 81, 17}, {}, false},
        {Kind::Label,    "txt7",   {},                                      {424, 480, 121, 17}, {}, false},
        {Kind::Label,    "txt8",   {},                                      {552, 480, 9, 17}, {}, false},
        {Kind::Label,    "txtP",   {},                                      {560, 480, 129, 17}, {}, false},
        {Kind::Label,    "txtNo",  {},                                      {92, 416, 577, 89}, {18, false, true}, false},
        {Kind::Label,    "Label6", "Label6",                                {0, 0, 0, 0}, {}, false},
        {Kind::Label,    "Label7", "Label7",                                {0, 0, 0, 0}, {}, false},
        {Kind::Label,    "Label8", "Label8",                                {0, 0, 0, 0}, {}, false},
        {Kind::Label,    "Label9", "Label9",                                {0, 0, 0, 0}, {}, false},
    });
    // clang-format on
    if (descriptor_.jetThrow) {
        createControls(c, {
                              {Kind::Label, "Label10", {}, {424, 512, 137, 17}, {}, false},
                              {Kind::Label, "txtL02", {}, {568, 512, 121, 17}, {}, false},
                          });
    }
    // The fixed captions of the panel are those every window and the
    // command-line companion share.
    for (const auto& line : calculators::panelLines())
        if (auto* label = control<QLabel>(line.control); label && !line.caption.isEmpty()) {
            label->setText(line.caption);
            fitText(label);
        }
    for (const auto& extra : descriptor_.extras) {
        const Kind kind =
            extra.kind == calculators::ExtraControl::Kind::Option ? Kind::Option : Kind::CheckBox;
        auto* widget = qobject_cast<QAbstractButton*>(
            createControl(c, {kind, extra.name, extra.text, extra.rect}));
        widget->setChecked(extra.checked);
    }
    setTabOrderOf(c, {"txtA", "txtB", "txtQ", "btn1", "btn2", "btn3", "btn4"});
}

void CalcWindow::buildMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Помощь"));
    menu->setObjectName(descriptor_.menu);
    QAction* help = menu->addAction(QStringLiteral("Справка"), this, &CalcWindow::mnuSpr_Click);
    help->setObjectName(descriptor_.menuHelp);
    QAction* about =
        menu->addAction(QStringLiteral("О программе"), this, &CalcWindow::mnuProg_Click);
    about->setObjectName(descriptor_.menuAbout);
}

void CalcWindow::connectHandlers() {
    const auto button = [this](const char* name) {
        return control<QPushButton>(QString::fromLatin1(name));
    };
    connect(button("btn1"), &QPushButton::clicked, this, &CalcWindow::btn1_Click);
    connect(button("btn2"), &QPushButton::clicked, this, &CalcWindow::btn2_Click);
    connect(button("btn3"), &QPushButton::clicked, this, &CalcWindow::btn3_Click);
    connect(button("btn4"), &QPushButton::clicked, this, &CalcWindow::btn4_Click);
    const auto box = [this](const char* name) {
        return control<SelectAllLineEdit>(QString::fromLatin1(name));
    };
    connect(box("txtA"), &SelectAllLineEdit::gotFocus, this, &CalcWindow::txtA_GotFocus);
    connect(box("txtB"), &SelectAllLineEdit::gotFocus, this, &CalcWindow::txtB_GotFocus);
    connect(box("txtQ"), &SelectAllLineEdit::gotFocus, this, &CalcWindow::txtQ_GotFocus);
    for (const auto& extra : descriptor_.extras) {
        if (extra.closes.isEmpty() && extra.shows.isEmpty())
            continue;
        // The ПТ-Д6 pair: picking the other variant unloads one window and
        // shows the other.
        connect(control<QAbstractButton>(extra.name), &QAbstractButton::clicked, this,
                [closes = extra.closes, shows = extra.shows] {
                    if (!closes.isEmpty())
                        registry().close(closes);
                    if (!shows.isEmpty())
                        registry().show(shows);
                });
    }
}

calculators::Input CalcWindow::readInput() const {
    calculators::Input input;
    input.a = control<QLineEdit>(QStringLiteral("txtA"))->text();
    input.b = control<QLineEdit>(QStringLiteral("txtB"))->text();
    input.q = control<QLineEdit>(QStringLiteral("txtQ"))->text();
    for (const auto& extra : descriptor_.extras)
        if (extra.kind == calculators::ExtraControl::Kind::CheckBox)
            input.sub = control<QCheckBox>(extra.name)->isChecked();
    input.locale = QLocale();
    return input;
}

void CalcWindow::btn1_Click() {
    if (!descriptor_.calculate)
        return; // this grille type cannot be calculated yet
    applyResult(descriptor_.calculate(readInput()));
}

void CalcWindow::setPanelVisible(bool visible) {
    for (const auto& line : calculators::panelLines())
        if (QWidget* widget = control(line.control))
            widget->setVisible(visible);
    control(QStringLiteral("btn2"))->setVisible(visible);
}

void CalcWindow::applyResult(const core::Result& result) {
    auto* message = control<QLabel>(QStringLiteral("txtNo"));
    if (result.outcome != core::Outcome::Composite) {
        setPanelVisible(false);
        message->setText(result.text(QStringLiteral("txtNo")));
        message->show();
        fitText(message);
        return;
    }
    message->hide();
    setPanelVisible(true);
    for (const auto& [name, text] : result.texts) {
        if (auto* label = control<QLabel>(name)) {
            label->setText(text);
            if (label->isVisible())
                fitText(label);
        }
    }
    if (!result.flowShown)
        for (const QString& name : flowRow())
            if (QWidget* widget = control(name))
                widget->hide();
    sketch_ = result.sketch;
    section_ = result.section;
}

void CalcWindow::btn2_Click() {
    if (sketch_.isEmpty())
        return;
    registry().hide(objectName());
    registry().show(sketch_);
    for (const QString& other : descriptor_.sharedSketches)
        if (other != sketch_)
            registry().hide(other);
    if (auto* sketch = registry().windowAs<SketchWindow>(sketch_)) {
        const auto text = [this](const char* name) {
            return control<QLabel>(QString::fromLatin1(name))->text();
        };
        if (section_)
            sketch->setSection(*section_);
        sketch->setDimensionTexts(text("Label6"), text("Label7"), text("Label8"), text("Label9"));
    }
}

void CalcWindow::btn3_Click() {
    registry().hide(objectName());
    registry().show(QStringLiteral("Start"));
    for (const char* name : {"txtA", "txtB", "txtQ"})
        control<QLineEdit>(QString::fromLatin1(name))->setText(QStringLiteral("0"));
    setPanelVisible(false);
    control(QStringLiteral("txtNo"))->hide();
}

void CalcWindow::btn4_Click() {
    askToExit();
}
void CalcWindow::mnuSpr_Click() {
    openHelp(descriptor_.helpFirst, descriptor_.staysOnHelp);
}
void CalcWindow::mnuProg_Click() {
    openAbout();
}

void CalcWindow::txtA_GotFocus() {
    control<SelectAllLineEdit>(QStringLiteral("txtA"))->selectWhole();
}
void CalcWindow::txtB_GotFocus() {
    control<SelectAllLineEdit>(QStringLiteral("txtB"))->selectWhole();
}
void CalcWindow::txtQ_GotFocus() {
    control<SelectAllLineEdit>(QStringLiteral("txtQ"))->selectWhole();
}

} // namespace talir::calcwin
