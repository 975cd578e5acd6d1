#include "ptldwindow.h"

#include "calculators/calculator.h"
#include "controls.h"
#include "stripdrawing.h"
#include "windowregistry.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace talir::calcwin {
namespace {

using Kind = ControlSpec::Kind;

const QRect kDrawing(40, 84, 740, 150);

// The figures shown only with a result, and of those the flow-dependent rows.
constexpr std::initializer_list<const char*> kHeadings = {"Label4", "Label9", "Label10", "Label11"};
constexpr std::initializer_list<const char*> kFlowRows = {"Label6", "Label7", "txtP1", "Label8",
                                                          "txtL02"};
constexpr std::initializer_list<const char*> kWidths = {"txtE1", "txtE", "txtE2"};

} // namespace

const QStringList& PtldWindow::openingHeights() {
    static const QStringList heights = {"30",  "55",  "80",  "105", "130", "155", "180",
                                        "205", "230", "255", "280", "305", "330", "355",
                                        "380", "405", "430", "455", "480", "505"};
    return heights;
}

PtldWindow::PtldWindow()
    : ToolWindow({QStringLiteral("ПОДБОР СОСТАВНЫХ РЕШЕТОК ТАЛИР ПТ-ЛД"), QSize(820, 512),
                  QStringLiteral(":/emblem.svg")}) {
    buildControls();
    connectHandlers();
    setDefaultButton(control<QPushButton>(QStringLiteral("btnpodb")));
    control(QStringLiteral("txtL"))->setFocus();
}

void PtldWindow::buildControls() {
    QWidget* c = client();
    auto* plain = new StripDrawing(drawings::stripPlanBeforeCalculation(), c);
    plain->setObjectName(QStringLiteral("Image3"));
    plain->setGeometry(kDrawing);
    // Until a calculation draws its strip, the dimensioned plan is that of
    // the typical one.
    drawings::StripPlan typical = drawings::stripPlanBeforeCalculation();
    typical.sectionDimensions = true;
    auto* dimensioned = new StripDrawing(std::move(typical), c);
    dimensioned->setObjectName(QStringLiteral("Image1"));
    dimensioned->setGeometry(kDrawing);
    dimensioned->hide();
    const drawings::StripLayout layout = dimensioned->layout();
    const QPoint at = kDrawing.topLeft();
    const auto onDrawing = [at](const QRectF& box) { return box.toRect().translated(at); };
    // clang-format off
    createControls(c, {
        {Kind::Picture,  "Image2",  ":/logo.svg", {204, 8, 413, 68}},
        {Kind::Label,    "txtE1",   {}, onDrawing(layout.leftEndText)},
        {Kind::Label,    "txtE",    {}, onDrawing(layout.middleText)},
        {Kind::Label,    "txtE2",   {}, onDrawing(layout.rightEndText)},
        {Kind::LineEdit, "txtL",    "0", onDrawing(layout.overallText)},
        {Kind::Label,    "Label3",  "ИСХОДНЫЕ ДАННЫЕ", {24, 246, 200, 17}, {0, true}},
        {Kind::Label,    "Label1",  "Размер строительного проема по горизонтали , мм", {24, 270, 290, 17}},
        {Kind::Label,    "txtP",    {}, {320, 270, 90, 17}},
        {Kind::Label,    "Label2",  "Размер строительного проема  по вертикали, мм", {24, 296, 290, 17}},
        {Kind::ComboBox, "txtB",    {}, {320, 293, 65, 21}},
        {Kind::Label,    "Label5",  "Расход воздуха (Q), м3/ч", {24, 322, 290, 17}},
        {Kind::LineEdit, "txtQ",    "0", {320, 320, 65, 19}},
        {Kind::Button,   "btnpodb", "ПОДОБРАТЬ РЕШЕТКИ", {500, 262, 193, 25}},
        {Kind::Button,   "btn2",    "ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТОК", {460, 296, 273, 33}},
        {Kind::Button,   "btn4",    "Выход", {556, 338, 81, 25}, {14.25, true}},
        {Kind::Label,    "Label4",  "Необходимо заказать:", {16, 374, 290, 17}, {0, false, true}, false},
        {Kind::Label,    "Label9",  "Площадь свободного сечения одного изделия, м.кв", {330, 366, 160, 30}, {}, false},
        {Kind::Label,    "Label11", "Масса одного изделия, кг", {500, 366, 110, 30}, {}, false},
        {Kind::Label,    "txtG",    {}, {16, 404, 310, 17}},
        {Kind::Label,    "txtS",    {}, {330, 404, 160, 17}},
        {Kind::Label,    "txtM",    {}, {500, 404, 110, 17}},
        {Kind::Label,    "txtG1",   {}, {16, 428, 310, 17}},
        {Kind::Label,    "txtS1",   {}, {330, 428, 160, 17}},
        {Kind::Label,    "txtM1",   {}, {500, 428, 110, 17}},
        {Kind::Label,    "txtG2",   {}, {16, 452, 310, 17}},
        {Kind::Label,    "txtS2",   {}, {330, 452, 160, 17}},
        {Kind::Label,    "txtM2",   {}, {500, 452, 110, 17}},
        {Kind::Label,    "Label10", "Общая площадь свободного сечения, м.кв", {620, 366, 190, 30}, {}, false},
        {Kind::Label,    "txtSob",  {}, {620, 398, 190, 17}},
        {Kind::Label,    "Label6",  "Падение давления, Па :", {620, 422, 190, 17}, {}, false},
        {Kind::Label,    "Label7",  "Δ", {620, 442, 10, 17}, {}, false},
        {Kind::Label,    "txtP1",   {}, {628, 442, 170, 17}, {}, false},
        {Kind::Label,    "Label8",  "Дальнобойность струи, м :", {620, 466, 190, 17}, {}, false},
        {Kind::Label,    "txtL02",  {}, {620, 486, 190, 17}, {}, false},
    });
    // clang-format on
    for (const char* name : kWidths)
        control<QLabel>(QString::fromLatin1(name))->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    control<QLineEdit>(QStringLiteral("txtL"))->setAlignment(Qt::AlignCenter);

    auto* heights = control<QComboBox>(QStringLiteral("txtB"));
    heights->setEditable(true);
    heights->setInsertPolicy(QComboBox::NoInsert);
    // A typed height stays as typed: no completion to a standard opening
    // that begins with the same digits ("20" is not "205").
    heights->setCompleter(nullptr);
    heights->addItems(openingHeights());
    heights->setCurrentIndex(0);

    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Помощь"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    menu->addAction(QStringLiteral("Справка"), this, &PtldWindow::mnuSpr_Click)
        ->setObjectName(QStringLiteral("mnuSpr"));
    menu->addAction(QStringLiteral("О программе"), this, &PtldWindow::mnuOpr_Click)
        ->setObjectName(QStringLiteral("mnuOpr"));

    setTabOrderOf(c, {"txtL", "txtB", "txtQ", "btnpodb", "btn2", "btn4"});
}

void PtldWindow::connectHandlers() {
    connect(control<QPushButton>(QStringLiteral("btnpodb")), &QPushButton::clicked, this,
            &PtldWindow::btnpodb_Click);
    connect(control<QPushButton>(QStringLiteral("btn2")), &QPushButton::clicked, this,
            &PtldWindow::btn2_Click);
    connect(control<QPushButton>(QStringLiteral("btn4")), &QPushButton::clicked, this,
            &PtldWindow::btn4_Click);
    connect(control<SelectAllLineEdit>(QStringLiteral("txtL")), &SelectAllLineEdit::gotFocus, this,
            &PtldWindow::txtL_GotFocus);
    connect(control<SelectAllLineEdit>(QStringLiteral("txtQ")), &SelectAllLineEdit::gotFocus, this,
            &PtldWindow::txtQ_GotFocus);
}

void PtldWindow::setShown(std::initializer_list<const char*> names, bool shown) {
    for (const char* name : names)
        control(QString::fromLatin1(name))->setVisible(shown);
}

void PtldWindow::btnpodb_Click() {
    const auto calculate = calculators::calculatorFor(QStringLiteral("PTLD"));
    if (!calculate)
        return; // the strip cannot be calculated yet
    calculators::Input input;
    input.a = control<QLineEdit>(QStringLiteral("txtL"))->text();
    input.b = control<QComboBox>(QStringLiteral("txtB"))->currentText();
    input.q = control<QLineEdit>(QStringLiteral("txtQ"))->text();
    input.locale = QLocale();
    applyResult(calculate(input));
}

void PtldWindow::applyResult(const core::Result& result) {
    const bool composite = result.outcome == core::Outcome::Composite;
    setShown(kFlowRows, composite && result.flowShown);
    setShown(kHeadings, composite);
    if (composite && result.strip)
        control<StripDrawing>(QStringLiteral("Image1"))->setStrip(*result.strip);
    control(QStringLiteral("Image1"))->setVisible(composite);
    control(QStringLiteral("Image3"))->setVisible(!composite);
    if (composite)
        setShown(kWidths, true);
    for (const auto& [name, text] : result.texts) {
        if (auto* label = control<QLabel>(name)) {
            label->setText(text);
            fitText(label);
        }
    }
    placeWidths();
}

// Each width stands centred over the dimension line of its sections,
// wherever the strip just drawn puts it, and inside the drawing.
void PtldWindow::placeWidths() {
    const auto* drawing = control<StripDrawing>(QStringLiteral("Image1"));
    const drawings::StripLayout layout = drawing->layout();
    const QRect bounds = drawing->geometry();
    for (const auto& [name, box] :
         {std::pair{"txtE1", layout.leftEndText}, std::pair{"txtE", layout.middleText},
          std::pair{"txtE2", layout.rightEndText}}) {
        auto* label = control<QLabel>(QString::fromLatin1(name));
        const QFontMetrics metrics(label->font());
        const int width =
            std::min(bounds.width(),
                     std::max(qRound(box.width()), metrics.horizontalAdvance(label->text()) + 2));
        const int left = std::clamp(qRound(box.center().x() - width / 2.0) + bounds.left(),
                                    bounds.left(), bounds.right() + 1 - width);
        label->setGeometry(left, qRound(box.top()) + bounds.top(), width,
                           std::max(qRound(box.height()), metrics.height()));
    }
}

void PtldWindow::btn2_Click() {
    registry().hide(objectName());
    registry().show(QStringLiteral("Start"));
    control<QLineEdit>(QStringLiteral("txtL"))->setText(QString());
    control<QComboBox>(QStringLiteral("txtB"))->setCurrentText(QStringLiteral("30"));
    control<QLineEdit>(QStringLiteral("txtQ"))->setText(QStringLiteral("0"));
    setShown(kWidths, false);
    for (const char* name : {"txtP", "txtG", "txtG1", "txtG2", "txtS", "txtS1", "txtS2", "txtM",
                             "txtM1", "txtM2", "txtSob"})
        control<QLabel>(QString::fromLatin1(name))->clear();
    setShown(kFlowRows, false);
    setShown(kHeadings, false);
    control(QStringLiteral("Image1"))->hide();
    control(QStringLiteral("Image3"))->show();
}

void PtldWindow::btn4_Click() {
    askToExit();
}
void PtldWindow::mnuSpr_Click() {
    openHelp(QStringLiteral("Help"));
}
void PtldWindow::mnuOpr_Click() {
    openAbout();
}

void PtldWindow::txtL_GotFocus() {
    control<SelectAllLineEdit>(QStringLiteral("txtL"))->selectWhole();
}
void PtldWindow::txtQ_GotFocus() {
    control<SelectAllLineEdit>(QStringLiteral("txtQ"))->selectWhole();
}

} // namespace talir::calcwin
