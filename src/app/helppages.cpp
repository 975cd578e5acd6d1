#include "helppages.h"

#include "helptexts.h"

#include <cmath>

namespace talir::app {
namespace {

using namespace helptext;
using Shape = Mark::Shape;

const QString kQuestionIcon = QStringLiteral(":/question.svg");
constexpr calcwin::FontSpec kTitleFont{14.25};
constexpr calcwin::FontSpec kBodyFont{12};
constexpr calcwin::FontSpec kCaptionFont{9.75};
constexpr calcwin::FontSpec kFootnoteFont{8.25};

// A type with a first and a second page and the example its pictures show.
struct TypeHelp {
    QString first;
    QString second;
    QString window; // the calculation window the pages explain and return to
    QSize firstSize;
    QSize secondSize;
    bool questionIcon;
    bool secondCentred;
    QString title;
    QString instruction;
    bool jetThrow;
    QString secondPicture; // the picture's name on the second page
    QString a, b, q;       // the worked example
};

const std::vector<TypeHelp>& typeHelp() {
    // clang-format off
    static const std::vector<TypeHelp> types = {
        {"HelpD5", "HelpD51", "PTD5", {761, 543}, {759, 595}, true, true, kTitleD5, kEnterOpening, false, "Image1", "2500", "600", "200"},
        {"HelpD6", "HelpD61", "PTD6", {761, 543}, {759, 596}, true, true, kTitleD6, kEnterOpening, false, "Image2", "2500", "600", "200"},
        {"HelpL", "HelpL1", "PTL", {840, 603}, {840, 603}, true, true, kTitleL, kEnterMounting, true, "Image1", "2500", "1200", "1500"},
        {"HelpLW", "HelpLW1", "PTLW", {838, 601}, {838, 601}, false, true, kTitleLW, kEnterMountingLW, true, "Image1", "2400", "800", "1200"},
        {"HelpM", "HelpM1", "PTM", {838, 601}, {838, 601}, false, false, kTitleM, kEnterNominal, true, "Image1", "2000", "1200", "1500"},
        {"HelpMW", "HelpMW1", "PTMW", {838, 601}, {856, 601}, false, true, kTitleMW, kEnterNominal, true, "Image1", "1200", "900", "800"},
        {"HelpF", "HelpF1", "PTF", {838, 601}, {838, 601}, false, true, kTitleF, kEnterMesh, true, "Image1", "1800", "900", "1000"},
        {"HelpJ", "HelpJ1", "PTJ", {838, 601}, {838, 601}, false, true, kTitleJ, kEnterPerforated, true, "Image1", "1600", "900", "1000"},
    };
    // clang-format on
    return types;
}

// The pages of a type share the arrangement of the ПТ-Д5 pages, stretched to
// their own window.
const QSize kFirstBase(761, 543);
const QSize kSecondBase(759, 595);

QRect stretched(const QRect& rect, QSize base, QSize size) {
    const double sx = double(size.width()) / base.width();
    const double sy = double(size.height()) / base.height();
    const auto r = [](double v) { return static_cast<int>(std::lround(v)); };
    return QRect(r(rect.x() * sx), r(rect.y() * sy), r(rect.width() * sx), r(rect.height() * sy));
}

const QStringList kResultPanel = {"Label5", "txtD5",  "txt1", "txt2",    "txt3",  "txt4",
                                  "txt5",   "txtFcc", "txt9", "txtSo",   "txt6",  "txtm",
                                  "txt7",   "txt8",   "txtP", "Label10", "txtL02"};

ShotRecipe beforeCalculation(const TypeHelp& type) {
    return {type.window,
            {{"txtA", type.a}, {"txtB", type.b}, {"txtQ", type.q}},
            {},
            {},
            {{Shape::Ellipse, {"txtA", "txtB"}},
             {Shape::Ellipse, {"txtQ"}},
             {Shape::Ellipse, {"btn1"}}}};
}

ShotRecipe afterCalculation(const TypeHelp& type) {
    return {type.window,
            {{"txtA", type.a}, {"txtB", type.b}, {"txtQ", type.q}},
            "btn1",
            {},
            {{Shape::Ellipse, {"btn3"}}, {Shape::Ellipse, {"btn2"}}, {Shape::Frame, kResultPanel}}};
}

HelpPageSpec firstPage(const TypeHelp& type) {
    const QSize size = type.firstSize;
    const auto at = [size](const QRect& rect) { return stretched(rect, kFirstBase, size); };
    HelpPageSpec page{type.first, size, type.questionIcon ? kQuestionIcon : QString(), true, {}, {},
                      {},         {}};
    page.texts = {
        {"Label1", type.title, at({16, 24, 728, 33}), kTitleFont, true},
        {"Label2", type.instruction, at({24, 64, 705, 57}), kBodyFont},
        {"Label4", kFigure1, QRect(at({348, 464, 0, 0}).topLeft(), QSize()), kCaptionFont},
    };
    if (type.jetThrow)
        page.texts.push_back({"Label6", kJetThrowFootnote, at({24, 481, 705, 14}), kFootnoteFont});
    page.pictures = {{"Image1", at({150, 120, 461, 342}), beforeCalculation(type)}};
    page.back = {"btn1", kBackToProgram, at({276, 496, 209, 25}), type.window};
    page.turn = HelpButton{"btn2", kNext, at({648, 496, 81, 25}), type.second};
    return page;
}

HelpPageSpec secondPage(const TypeHelp& type) {
    const QSize size = type.secondSize;
    const auto at = [size](const QRect& rect) { return stretched(rect, kSecondBase, size); };
    HelpPageSpec page{type.second,
                      size,
                      type.questionIcon ? kQuestionIcon : QString(),
                      type.secondCentred,
                      {},
                      {},
                      {},
                      {}};
    page.texts = {
        {"Label3", type.jetThrow ? kResultsWithThrow : kResults, at({16, 0, 729, 73}), kBodyFont},
        {"Label5", kOtherType, at({16, 72, 729, 41}), kBodyFont},
        {"Label6", kSketch, at({8, 112, 737, 81}), kBodyFont},
        {"Label7", kFigure2, QRect(at({368, 528, 0, 0}).topLeft(), QSize()), kCaptionFont},
    };
    page.pictures = {{type.secondPicture, at({149, 184, 460, 341}), afterCalculation(type)}};
    page.back = {"btn1", kBackToProgram, at({275, 560, 209, 25}), type.window};
    page.turn = HelpButton{"btn2", kPrevious, at({16, 560, 81, 25}), type.first};
    return page;
}

HelpPageSpec startPage() {
    HelpPageSpec page{"HelpStart", {886, 494}, kQuestionIcon, true, {}, {}, {}, {}};
    page.texts = {
        {"Label1", kStartTitle, {67, 24, 753, 33}, kTitleFont, true},
        {"Label2", kStartInstruction, {24, 88, 801, 57}, kBodyFont},
    };
    page.pictures = {{"Image1",
                      {192, 160, 491, 238},
                      {"Start",
                       {{"Spis1", QStringLiteral("ПТ-Д5")}},
                       {},
                       "Spis1",
                       {{Shape::Ellipse, {"Command1"}}, {Shape::Ellipse, {"btn4"}}}}}};
    page.back = {"btn1", kBackToProgram, {335, 432, 217, 33}, "Start"};
    return page;
}

HelpPageSpec stripPage() {
    const std::vector<std::pair<QString, QString>> example = {
        {"txtL", "3200"}, {"txtB", "205"}, {"txtQ", "1200"}};
    const QStringList drawing = {"Image1", "Image3", "txtE1", "txtE", "txtE2", "txtL"};
    const QStringList results = {"Label4", "txtG",  "txtG1",   "txtG2",   "Label9",
                                 "txtS",   "txtS1", "txtS2",   "Label11", "txtM",
                                 "txtM1",  "txtM2", "Label10", "txtSob",  "Label6",
                                 "Label7", "txtP1", "Label8",  "txtL02"};
    HelpPageSpec page{"Help", {1009, 716}, kQuestionIcon, true, {}, {}, {}, {}};
    page.texts = {
        {"Label1", kStripTitle, {116, 24, 777, 17}, {12, true}, true},
        {"Label2", kStripInstruction, {24, 56, 969, 113}, kBodyFont},
        {"Label3", kFigure1, {232, 520, 0, 0}, kCaptionFont},
        {"Label4", kFigure2, {736, 520, 0, 0}, kCaptionFont},
        {"Label5", kStripWidths, {32, 552, 969, 41}, kBodyFont},
        {"Label7", kStripHeights, {24, 656, 953, 33}, {}},
        {"Label6", kStripFootnote, {24, 688, 737, 17}, kFootnoteFont},
    };
    page.pictures = {
        {"Image1",
         {24, 216, 476, 299},
         {"PTLD",
          example,
          {},
          {},
          {{Shape::Ellipse, {"txtL"}}, {Shape::Ellipse, {"txtB", "txtQ"}}}}},
        {"Image2",
         {520, 216, 476, 299},
         {"PTLD", example, "btnpodb", {}, {{Shape::Frame, drawing}, {Shape::Frame, results}}}},
    };
    page.back = {"btn1", kBackToProgram, {416, 608, 201, 33}, "PTLD"};
    return page;
}

std::vector<HelpPageSpec> makeHelpPages() {
    std::vector<HelpPageSpec> pages = {startPage(), stripPage()};
    for (const TypeHelp& type : typeHelp()) {
        pages.push_back(firstPage(type));
        pages.push_back(secondPage(type));
    }
    return pages;
}

} // namespace

const std::vector<HelpPageSpec>& helpPages() {
    static const std::vector<HelpPageSpec> pages = makeHelpPages();
    return pages;
}

const HelpPageSpec* findHelpPage(QStringView name) {
    for (const HelpPageSpec& page : helpPages())
        if (page.name == name)
            return &page;
    return nullptr;
}

} // namespace talir::app
