// The 22 sketch windows: frame, texts, where the four sizes stand on the
// drawing, and the way back to the calculation window.
#include "calcwin/lineshape.h"
#include "calcwin/sketchdrawing.h"
#include "calcwin/sketchwindow.h"
#include "calcwin/windowregistry.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace talir::calcwin;

namespace {

const char* const mountingHolesNote =
    "Количество и расположение монтажных отверстий приведены для ознакомления и может не совпадать "
    "с количеством и расположением отверстий на изделии конкретного размера";

struct Expected {
    const char* name;
    const char* caption;
    const char* note;
    const char* returnTo;
};

const Expected sketches[] = {
    {"EskizD5", "Эскиз решетки ТАЛИР ПТ-Д5", mountingHolesNote, "PTD5"},
    {"EskizD5_1", "Эскиз решетки ТАЛИР ПТ-Д5", mountingHolesNote, "PTD5"},
    {"EskizD5_2", "Эскиз решетки ТАЛИР ПТ-Д5", mountingHolesNote, "PTD5"},
    {"EskizD6", "Эскиз решетки ТАЛИР ПТ-Д6", mountingHolesNote, "PTD6"},
    {"EskizD6_1", "Эскиз решетки ТАЛИР ПТ-Д6", mountingHolesNote, "PTD6"},
    {"EskizL", "Эскиз решетки ТАЛИР ПТ-Л", mountingHolesNote, "PTL"},
    {"EskizL1", "Эскиз решетки ТАЛИР ПТ-Л", mountingHolesNote, "PTL"},
    {"EskizL2", "Эскиз решетки ТАЛИР ПТ-Л", mountingHolesNote, "PTL"},
    {"EskizLW", "Эскиз решетки ТАЛИР ПТ-ЛШ",
     "Изображение решетки ТАЛИР ПТ-ЛШ приведено СХЕМАТИЧНО.", "PTLW"},
    {"EskizLW_1", "Эскиз решетки ТАЛИР ПТ-ЛШ",
     "Изображение решетки ТАЛИР ПТ-ЛШ приведено СХЕМАТИЧНО.", "PTLW"},
    {"EskizLW_2", "Эскиз решетки ТАЛИР ПТ-ЛШ",
     "Изображение решетки ТАЛИР ПТ-ЛШ приведено СХЕМАТИЧНО.", "PTLW"},
    {"EskizM", "Эскиз решетки ТАЛИР ПТ-М", "Изображение решетки ТАЛИР ПТ-М приведено СХЕМАТИЧНО.",
     "PTM"},
    {"EskizM_1", "Эскиз решетки ТАЛИР ПТ-М", "Изображение решетки ТАЛИР ПТ-М приведено СХЕМАТИЧНО.",
     "PTM"},
    {"EskizMW", "Эскиз решетки ТАЛИР ПТ-МШ",
     "Изображение решетки ТАЛИР ПТ-МШ приведено СХЕМАТИЧНО.", "PTMW"},
    {"EskizMW_1", "Эскиз решетки ТАЛИР ПТ-МШ",
     "Изображение решетки ТАЛИР ПТ-МШ приведено СХЕМАТИЧНО.", "PTMW"},
    {"EskizMW_2", "Эскиз решетки ТАЛИР ПТ-МШ",
     "Изображение решетки ТАЛИР ПТ-МШ приведено СХЕМАТИЧНО.", "PTMW"},
    {"EskizJ", "Эскиз решетки ТАЛИР ПТ-Ж", "Изображение решетки ТАЛИР ПТ-Ж приведено СХЕМАТИЧНО.",
     "PTJ"},
    {"EskizJ_1", "Эскиз решетки ТАЛИР ПТ-Ж", "Изображение решетки ТАЛИР ПТ-Ж приведено СХЕМАТИЧНО.",
     "PTJ"},
    {"EskizJ_2", "Эскиз решетки ТАЛИР ПТ-Ж", "Изображение решетки ТАЛИР ПТ-Ж приведено СХЕМАТИЧНО.",
     "PTJ"},
    {"EskizF", "Эскиз решетки ТАЛИР ПТ-Ф", "Изображение решетки ТАЛИР ПТ-Ф  приведено СХЕМАТИЧНО.",
     "PTF"},
    {"EskizF_1", "Эскиз решетки ТАЛИР ПТ-Ф",
     "Изображение решетки ТАЛИР ПТ-Ф  приведено СХЕМАТИЧНО.", "PTF"},
    {"EskizF_2", "Эскиз решетки ТАЛИР ПТ-Ф",
     "Изображение решетки ТАЛИР ПТ-Ф  приведено СХЕМАТИЧНО.", "PTF"},
};

// The ПТ-Д6 sketches are larger; two windows open where the system puts them;
// one spells its size labels with a capital R.
QSize clientOf(const QString& name) {
    return name.startsWith(QLatin1String("EskizD6")) ? QSize(804, 672) : QSize(840, 603);
}
bool centredOf(const QString& name) {
    return name != QLatin1String("EskizLW_2") && name != QLatin1String("EskizD6_1");
}
QString prefixOf(const QString& name) {
    return name == QLatin1String("EskizD6_1") ? QStringLiteral("Razm") : QStringLiteral("razm");
}

const QStringList calculationWindows = {"PTD5", "PTD6", "PTL", "PTLW", "PTM", "PTMW", "PTJ", "PTF"};

QRectF inClient(const QWidget* widget) {
    return QRectF(widget->geometry());
}

// Distance between two rectangles, 0 when they touch or overlap.
double gap(const QRectF& a, const QRectF& b) {
    const double dx = std::max({0.0, b.left() - a.right(), a.left() - b.right()});
    const double dy = std::max({0.0, b.top() - a.bottom(), a.top() - b.bottom()});
    return std::hypot(dx, dy);
}

// Strict overlap: rectangles that only touch do not count.
bool overlap(const QRectF& a, const QRectF& b) {
    return a.intersected(b).width() > 0.5 && a.intersected(b).height() > 0.5;
}

} // namespace

class TestSketchWindows : public QObject {
    Q_OBJECT

private:
    SketchWindow* open(const QString& name) { return registry().windowAs<SketchWindow>(name); }

    void addRows() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("returnTo");
        for (const Expected& e : sketches)
            QTest::newRow(e.name) << QString::fromUtf8(e.name) << QString::fromUtf8(e.caption)
                                  << QString::fromUtf8(e.note) << QString::fromUtf8(e.returnTo);
    }

    // Checks that a width stands centred at its dimension line, which lies
    // outside `view` and spans `span` horizontally.
    void checkWidth(const QLabel* label, QLineF line, const QRectF& view, double spanLeft,
                    double spanRight) {
        QCOMPARE(line.y1(), line.y2());
        QVERIFY2(line.y1() < view.top() || line.y1() > view.bottom(),
                 "a width dimension lies off its view");
        QVERIFY(qAbs(std::min(line.x1(), line.x2()) - spanLeft) <= 1);
        QVERIFY(qAbs(std::max(line.x1(), line.x2()) - spanRight) <= 1);
        const QRectF text = inClient(label);
        QVERIFY2(text.center().x() > spanLeft && text.center().x() < spanRight,
                 qPrintable(label->objectName() + " is not over its dimension line"));
        const bool above = text.bottom() <= line.y1() + 0.5 && line.y1() - text.bottom() <= 6;
        const bool below = text.top() >= line.y1() - 0.5 && text.top() - line.y1() <= 6;
        QVERIFY2(above || below,
                 qPrintable(label->objectName() + " does not stand at its dimension line"));
        QVERIFY2(!overlap(text, view), qPrintable(label->objectName() + " covers its view"));
    }

    // Checks that a height sits on the shelf of a two-segment leader that
    // starts on its vertical dimension line.
    void checkHeight(const QLabel* label, QLineF line, const LineShape* slant,
                     const LineShape* shelf) {
        QCOMPARE(line.x1(), line.x2());
        const double top = std::min(line.y1(), line.y2());
        const double bottom = std::max(line.y1(), line.y2());
        const QPointF start = slant->line().p1();
        QVERIFY2(qAbs(start.x() - line.x1()) <= 0.5 && start.y() > top && start.y() < bottom,
                 qPrintable(slant->objectName() + " does not start on the dimension line"));
        QCOMPARE(shelf->line().p1(), slant->line().p2());
        QCOMPARE(shelf->line().y1(), shelf->line().y2());
        const double shelfLeft = std::min(shelf->line().x1(), shelf->line().x2());
        const double shelfRight = std::max(shelf->line().x1(), shelf->line().x2());
        const QRectF text = inClient(label);
        QVERIFY2(text.bottom() <= shelf->line().y1() + 0.5 &&
                     shelf->line().y1() - text.bottom() <= 4,
                 qPrintable(label->objectName() + " does not stand on its shelf"));
        QVERIFY2(text.left() >= shelfLeft - 0.5 && text.right() <= shelfRight + 0.5,
                 qPrintable(label->objectName() + " is longer than its shelf"));
        // The shelf leads away from the dimension line.
        QVERIFY(qAbs(shelfLeft - line.x1()) > 4 && qAbs(shelfRight - line.x1()) > 4);
    }

private slots:
    void initTestCase() {
        for (const QString& name : calculationWindows)
            registry().addFactory(name, [] { return new QWidget; });
        for (const QString& name : sketchWindowNames())
            registry().addFactory(name, [name] { return new SketchWindow(name); });
    }

    void names() {
        QStringList expected;
        for (const Expected& e : sketches)
            expected << QString::fromUtf8(e.name);
        QCOMPARE(sketchWindowNames(), expected);
    }

    void frame_data() { addRows(); }
    void frame() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, note);
        QFETCH(QString, returnTo);
        SketchWindow* window = open(name);
        QVERIFY(window);
        QCOMPARE(window->objectName(), name);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->returnWindow(), returnTo);
        QCOMPARE(window->client()->size(), clientOf(name));
        QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));

        const QWidget* client = window->client();
        const QRectF area(QPointF(0, 0), QSizeF(client->size()));
        const auto* drawing = window->control<SketchDrawing>(QStringLiteral("Image1"));
        const auto* text = window->control<QLabel>(QStringLiteral("Label1"));
        const auto* back = window->control<QPushButton>(QStringLiteral("btn3"));
        QVERIFY(drawing && text && back);

        // The note, in full, in at most two lines under the drawing.
        QCOMPARE(text->text(), note);
        QVERIFY(area.contains(inClient(text)));
        QVERIFY(inClient(text).top() >= inClient(drawing).bottom());
        const int needed = text->heightForWidth(text->width());
        QVERIFY2(needed <= text->height(), "the note is cut off");
        QVERIFY(needed <= 2 * QFontMetrics(text->font()).lineSpacing() + 4);

        // The return button, centred under the note.
        QCOMPARE(back->text(), QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ"));
        QCOMPARE(back->font().pointSizeF(), 8.25);
        QVERIFY(back->font().bold());
        QVERIFY(qAbs(inClient(back).center().x() - area.center().x()) <= 1);
        QVERIFY(inClient(back).top() >= inClient(text).bottom());
        QVERIFY(area.contains(inClient(back)));
        QVERIFY(back->fontMetrics().horizontalAdvance(back->text()) < back->width());

        // Labels of the other spelling do not exist.
        const QString other = prefixOf(name) == QLatin1String("razm") ? "Razm" : "razm";
        QVERIFY(!window->control<QLabel>(other + "A1"));
        QVERIFY(!window->control<QLabel>(other + "B"));
    }

    void placement_data() { addRows(); }
    void placement() {
        QFETCH(QString, name);
        SketchWindow* window = open(name);
        registry().show(name);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QPoint screenCentre = window->screen()->availableGeometry().center();
        const QPoint windowCentre = window->frameGeometry().center();
        const bool centred = (windowCentre - screenCentre).manhattanLength() <= 2;
        QCOMPARE(centred, centredOf(name));
        registry().hide(name);
    }

    void sizes_data() { addRows(); }
    void sizes() {
        QFETCH(QString, name);
        SketchWindow* window = open(name);
        const QString prefix = prefixOf(name);
        auto* overallWidth = window->control<QLabel>(prefix + "A1");
        auto* overallHeight = window->control<QLabel>(prefix + "B1");
        auto* partWidth = window->control<QLabel>(prefix + "A");
        auto* partHeight = window->control<QLabel>(prefix + "B");
        QVERIFY(overallWidth && overallHeight && partWidth && partHeight);

        window->setDimensionTexts(" 2079.5", " 1039.5", "1997", "957");
        QCOMPARE(overallWidth->text(), QStringLiteral(" 2079.5"));
        QCOMPARE(overallHeight->text(), QStringLiteral(" 1039.5"));
        QCOMPARE(partWidth->text(), QStringLiteral("1997"));
        QCOMPARE(partHeight->text(), QStringLiteral("957"));
        checkSketch(window);
    }

    // A calculated section is drawn to scale: the front view in the
    // proportion A1 : B1, the part that enters the opening in its own, the
    // four sizes at their lines, even for the flattest and tallest sections.
    void toScale_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("A1");
        QTest::addColumn<double>("B1");
        QTest::addColumn<double>("partA");
        QTest::addColumn<double>("partB");
        QTest::newRow("ПТ-Д5 wide") << "EskizD5" << 1277.5 << 654.5 << 1220.0 << 597.0;
        QTest::newRow("ПТ-Д5 very flat") << "EskizD5" << 2054.5 << 154.5 << 1997.0 << 97.0;
        QTest::newRow("ПТ-Д5 very tall") << "EskizD5_1" << 154.5 << 2054.5 << 97.0 << 1997.0;
        QTest::newRow("ПТ-Д5 square") << "EskizD5_2" << 954.5 << 954.5 << 897.0 << 897.0;
        QTest::newRow("ПТ-Д6 tall") << "EskizD6_1" << 654.5 << 1554.5 << 597.0 << 1497.0;
        QTest::newRow("ПТ-Л very flat") << "EskizL" << 2047.5 << 160.0 << 1987.4 << 112.6;
        QTest::newRow("ПТ-ЛШ square") << "EskizLW_2" << 747.5 << 747.5 << 687.4 << 687.4;
        QTest::newRow("ПТ-МШ very tall") << "EskizMW_1" << 160.0 << 2047.5 << 112.6 << 1987.4;
        QTest::newRow("ПТ-Ж wide") << "EskizJ" << 1500.0 << 300.0 << 1450.0 << 250.0;
        QTest::newRow("ПТ-Ф tall") << "EskizF_1" << 400.0 << 1800.0 << 350.0 << 1750.0;
    }
    void toScale() {
        QFETCH(QString, name);
        QFETCH(double, A1);
        QFETCH(double, B1);
        QFETCH(double, partA);
        QFETCH(double, partB);
        SketchWindow* window = open(name);
        talir::core::SectionGeometry section;
        section.overallWidth = A1;
        section.overallHeight = B1;
        section.partWidth = partA;
        section.partHeight = partB;
        window->setSection(section);
        const auto number = [](double x) { return QString::number(x, 'f', 1); };
        window->setDimensionTexts(" " + number(A1), " " + number(B1), number(partA), number(partB));

        const auto* drawing = window->control<SketchDrawing>(QStringLiteral("Image1"));
        const QRectF front = drawing->frontView();
        // Within a pixel: the drawn height is A1 : B1 of the drawn width.
        QVERIFY2(
            qAbs(front.height() - front.width() * B1 / A1) <= 1,
            qPrintable(QStringLiteral("front %1 x %2").arg(front.width()).arg(front.height())));
        const QRectF partFront = drawing->sheetToWidget().mapRect(drawing->layout().front.field);
        QVERIFY(qAbs(partFront.height() - partFront.width() * partB / partA) <= 1);
        QVERIFY(qAbs(partFront.width() / front.width() - partA / A1) <= 0.01);
        QVERIFY(qAbs(drawing->bottomView().width() - front.width()) <= 1);
        checkSketch(window);
    }

private:
    void checkSketch(SketchWindow* window) {
        const QString prefix = prefixOf(window->objectName());
        auto* overallWidth = window->control<QLabel>(prefix + "A1");
        auto* overallHeight = window->control<QLabel>(prefix + "B1");
        auto* partWidth = window->control<QLabel>(prefix + "A");
        auto* partHeight = window->control<QLabel>(prefix + "B");

        const auto* drawing = window->control<SketchDrawing>(QStringLiteral("Image1"));
        const QPointF origin = drawing->pos();
        const QRectF front = drawing->frontView().translated(origin);
        const QRectF side = drawing->sideView().translated(origin);
        const QRectF bottom = drawing->bottomView().translated(origin);
        const QRectF body = drawing->layout().bottom.body.translated(origin);
        const auto line = [&](SketchDimension which) {
            return drawing->dimensionLine(which).translated(origin);
        };

        // Three views: the side view to the right, the view from below under
        // the front view, the rear part narrower than the front.
        QVERIFY(side.left() > front.right());
        QVERIFY(side.top() < front.center().y() && side.bottom() > front.center().y());
        QVERIFY(bottom.top() > front.bottom());
        QVERIFY(qAbs(bottom.center().x() - front.center().x()) <= 1);
        QVERIFY(body.width() < front.width());
        QVERIFY(inClient(drawing).contains(front.united(side).united(bottom)));

        // The drawing shows the lines it reports.
        const QImage picture =
            window->control<SketchDrawing>(QStringLiteral("Image1"))->grab().toImage();
        for (const auto which : {SketchDimension::OverallWidth, SketchDimension::OverallHeight,
                                 SketchDimension::PartWidth, SketchDimension::PartHeight}) {
            const QPoint probe = drawing->dimensionLine(which).pointAt(0.3).toPoint();
            int darkest = 255;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    darkest = std::min(darkest, qGray(picture.pixel(probe + QPoint(dx, dy))));
            QVERIFY2(darkest < 160, "no dimension line where the drawing reports one");
        }

        checkWidth(overallWidth, line(SketchDimension::OverallWidth), front, front.left(),
                   front.right());
        checkWidth(partWidth, line(SketchDimension::PartWidth), bottom, body.left(), body.right());
        QVERIFY(line(SketchDimension::PartWidth).y1() > bottom.bottom());

        const QLineF heightLine = line(SketchDimension::OverallHeight);
        QVERIFY(qAbs(std::abs(heightLine.dy()) - front.height()) <= 1);
        QVERIFY(heightLine.x1() < front.left() || heightLine.x1() > front.right());
        checkHeight(overallHeight, heightLine, window->control<LineShape>("Line1"),
                    window->control<LineShape>("Line2"));

        const QLineF partLine = line(SketchDimension::PartHeight);
        QVERIFY(std::abs(partLine.dy()) < front.height());
        QVERIFY(std::min(partLine.y1(), partLine.y2()) >= side.top());
        QVERIFY(std::max(partLine.y1(), partLine.y2()) <= side.bottom());
        QVERIFY(gap(QRectF(partLine.p1(), partLine.p2()).normalized(), side) <= 30);
        checkHeight(partHeight, partLine, window->control<LineShape>("Line3"),
                    window->control<LineShape>("Line4"));
        QVERIFY2(gap(inClient(partHeight), side) <= 80, "razmB is out of reach of the side view");
        QVERIFY2(gap(inClient(overallHeight), front) <= 80,
                 "razmB1 is out of reach of the front view");

        // Every size readable in full, inside the window, clear of the views,
        // of each other and of the note and the button.
        const QRectF area(QPointF(0, 0), QSizeF(window->client()->size()));
        const QList<QLabel*> labels = {overallWidth, overallHeight, partWidth, partHeight};
        const QList<QRectF> keepClear = {front, side, bottom,
                                         inClient(window->control<QWidget>("Label1")),
                                         inClient(window->control<QWidget>("btn3"))};
        for (const QLabel* label : labels) {
            const QRectF text = inClient(label);
            QVERIFY(label->isVisibleTo(window));
            QVERIFY(area.contains(text));
            QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
            for (const QRectF& other : keepClear)
                QVERIFY2(!overlap(text, other),
                         qPrintable(label->objectName() + " covers part of the window"));
            for (const QLabel* another : labels)
                QVERIFY(another == label || !overlap(text, inClient(another)));
        }
    }

private slots:
    // The sizes follow their texts: a longer text keeps its place at the line
    // and lengthens the shelf; empty texts and odd ones do no harm.
    void textLengths_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        for (const char* name : {"EskizD5", "EskizL1", "EskizD6_1", "EskizMW_2"}) {
            for (const char* text : {"", "5", " 2079.5", " 123456789.125", "abc"})
                QTest::addRow("%s '%s'", name, text)
                    << QString::fromUtf8(name) << QString::fromUtf8(text);
        }
    }
    void textLengths() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        SketchWindow* window = open(name);
        window->setDimensionTexts(text, text, text, text);
        const QString prefix = prefixOf(name);
        const auto* drawing = window->control<SketchDrawing>(QStringLiteral("Image1"));
        const QPointF origin = drawing->pos();
        const QRectF front = drawing->frontView().translated(origin);
        const QRectF bottom = drawing->bottomView().translated(origin);
        const QRectF body = drawing->layout().bottom.body.translated(origin);
        for (const char* suffix : {"A1", "B1", "A", "B"}) {
            const auto* label = window->control<QLabel>(prefix + suffix);
            QCOMPARE(label->text(), text);
            QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
        }
        checkWidth(window->control<QLabel>(prefix + "A1"),
                   drawing->dimensionLine(SketchDimension::OverallWidth).translated(origin), front,
                   front.left(), front.right());
        checkWidth(window->control<QLabel>(prefix + "A"),
                   drawing->dimensionLine(SketchDimension::PartWidth).translated(origin), bottom,
                   body.left(), body.right());
        checkHeight(window->control<QLabel>(prefix + "B1"),
                    drawing->dimensionLine(SketchDimension::OverallHeight).translated(origin),
                    window->control<LineShape>("Line1"), window->control<LineShape>("Line2"));
        checkHeight(window->control<QLabel>(prefix + "B"),
                    drawing->dimensionLine(SketchDimension::PartHeight).translated(origin),
                    window->control<LineShape>("Line3"), window->control<LineShape>("Line4"));
    }

    void returnButton_data() { addRows(); }
    void returnButton() {
        QFETCH(QString, name);
        QFETCH(QString, returnTo);
        for (const QString& other : calculationWindows)
            registry().hide(other);
        registry().show(name);
        SketchWindow* window = open(name);
        QVERIFY(window->isVisible());

        QTest::mouseClick(window->control<QPushButton>(QStringLiteral("btn3")), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        for (const QString& other : calculationWindows)
            QCOMPARE(registry().window(other)->isVisible(), other == returnTo);
    }

    // A name that is no sketch window still makes a usable window that
    // returns nowhere.
    void unknownName() {
        SketchWindow window(QStringLiteral("EskizX"));
        QCOMPARE(window.returnWindow(), QString());
        window.setDimensionTexts("1", "2", "3", "4");
        window.show();
        window.btn3_Click();
        QVERIFY(!window.isVisible());
    }

    void cleanupTestCase() { registry().closeAll(); }
};

QTEST_MAIN(TestSketchWindows)
#include "test_sketchwindows.moc"
