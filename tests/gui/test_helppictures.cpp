// The pictures of the help pages: photographs of the tool's windows with red
// marks that sit on the controls the page's text names.

#include "guitest.h"

#include "app/helppicture.h"
#include "calculators/calculator.h"

#include <cmath>

using namespace guitest;
using talir::app::HelpPicture;
using talir::app::Mark;
using talir::app::PlacedMark;

namespace {

// A group of controls that one red mark surrounds, written as
// "ellipse:txtA,txtB" or "frame:…"; a "*" after the shape marks a group that
// is only on screen after a calculation.
struct Group {
    Mark::Shape shape;
    QStringList names;
    bool afterResult;
};

Group parse(const QString& text) {
    const QString shape = text.section(QLatin1Char(':'), 0, 0);
    return {shape.startsWith(QStringLiteral("ellipse")) ? Mark::Shape::Ellipse : Mark::Shape::Frame,
            text.section(QLatin1Char(':'), 1).split(QLatin1Char(',')),
            shape.endsWith(QLatin1Char('*'))};
}

const QString kPanel = QStringLiteral("Label5,txtD5,txt1,txt2,txt3,txt4,txt5,txtFcc,txt6,txtm,txt7,"
                                      "txt8,txtP,txt9,txtSo,Label10,txtL02");

// The rectangle a control of the user's own window takes in a photograph
// whose window corner is at origin.
QRectF inShot(QWidget* window, const QString& name, QPoint origin) {
    const QWidget* control = window->findChild<QWidget*>(name);
    return QRectF(QRect(control->mapTo(window, QPoint(0, 0)), control->size()).translated(origin));
}

bool insideEllipse(const QRectF& ellipse, QPointF point) {
    const QPointF d = point - ellipse.center();
    const double a = ellipse.width() / 2;
    const double b = ellipse.height() / 2;
    return (d.x() * d.x()) / (a * a) + (d.y() * d.y()) / (b * b) <= 1.0;
}

// Whether the drawn picture shows red within a pixel of a point.
bool redNear(const QImage& image, QPointF at) {
    const QPoint centre = at.toPoint();
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (!image.rect().contains(p))
                continue;
            const QColor c = image.pixelColor(p);
            if (c.red() > 150 && c.green() < 110 && c.blue() < 110)
                return true;
        }
    return false;
}

// The same picture but for the last shades of the font smoothing, which a
// window drawn off screen may render a level or two apart.
bool alike(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > 12 || std::abs(p.green() - q.green()) > 12 ||
                std::abs(p.blue() - q.blue()) > 12)
                return false;
        }
    return true;
}

} // namespace

class TestHelpPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerOnce(); }
    void init() { closeEverything(); }

    void marksSitOnTheNamedControls_data();
    void marksSitOnTheNamedControls();
};

void TestHelpPictures::marksSitOnTheNamedControls_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QString>("unmarked"); // a control no mark covers, to compare with the window
    const auto row = [](const QString& page, const QString& picture, const QString& window,
                        const QStringList& groups, const QString& unmarked) {
        QTest::addRow("%s %s", qPrintable(page), qPrintable(picture))
            << page << picture << window << groups << unmarked;
    };
    row("HelpStart", "Image1", "Start", {"ellipse:Command1", "ellipse:btn4"}, "Image1");
    row("Help", "Image1", "PTLD", {"ellipse:txtL", "ellipse:txtB,txtQ"}, {});
    row("Help", "Image2", "PTLD",
        {"frame:Image1,Image3,txtE1,txtE,txtE2,txtL",
         "frame*:Label4,txtG,txtG1,txtG2,Label9,txtS,txtS1,txtS2,Label11,txtM,txtM1,txtM2,Label10,"
         "txtSob,"
         "Label6,Label7,txtP1,Label8,txtL02"},
        {});
    const QStringList types[] = {
        {"HelpD5", "HelpD51", "PTD5", "Image1"}, {"HelpD6", "HelpD61", "PTD6", "Image2"},
        {"HelpL", "HelpL1", "PTL", "Image1"},    {"HelpLW", "HelpLW1", "PTLW", "Image1"},
        {"HelpM", "HelpM1", "PTM", "Image1"},    {"HelpMW", "HelpMW1", "PTMW", "Image1"},
        {"HelpF", "HelpF1", "PTF", "Image1"},    {"HelpJ", "HelpJ1", "PTJ", "Image1"}};
    for (const QStringList& type : types) {
        row(type[0], "Image1", type[2], {"ellipse:txtA,txtB", "ellipse:txtQ", "ellipse:btn1"},
            "Image1");
        row(type[1], type[3], type[2], {"ellipse:btn3", "ellipse*:btn2", "frame*:" + kPanel},
            "Image1");
    }
}

void TestHelpPictures::marksSitOnTheNamedControls() {
    QFETCH(QString, page);
    QFETCH(QString, picture);
    QFETCH(QString, window);
    QFETCH(QStringList, groups);
    QFETCH(QString, unmarked);

    // The user's own window of the type gives the geometry to check against.
    registry().show(window);
    QWidget* real = registry().window(window);
    const bool calculates = talir::calculators::calculatorFor(window) != nullptr;

    registry().show(page);
    auto* shown = control<HelpPicture>(page, picture);
    const auto& shot = shown->shot();
    QVERIFY(!shot.image.isNull());
    const QPoint origin = shot.windowOrigin;

    // The photograph is the window itself, put where the picture says.
    if (!unmarked.isEmpty()) {
        const QRect area = inShot(real, unmarked, QPoint(0, 0)).toRect();
        const QImage own = real->grab().toImage().copy(area).convertToFormat(QImage::Format_ARGB32);
        const QImage photographed =
            shot.image.copy(area.translated(origin)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(alike(photographed, own));
    }

    // Each mark surrounds exactly the named controls it lists, closely.
    for (const PlacedMark& mark : shot.marks) {
        QRectF united;
        for (const QString& name : mark.controls)
            united |= inShot(real, name, origin);
        QCOMPARE(mark.around, united);
        const QRectF& outline = mark.outline;
        QVERIFY(std::abs(outline.center().x() - united.center().x()) <= 1);
        QVERIFY(std::abs(outline.center().y() - united.center().y()) <= 1);
        QVERIFY(outline.width() <= 1.5 * united.width() + 24);
        QVERIFY(outline.height() <= 2.6 * united.height() + 24);
        for (const QPointF corner :
             {united.topLeft(), united.topRight(), united.bottomLeft(), united.bottomRight()})
            QVERIFY(mark.shape == Mark::Shape::Ellipse ? insideEllipse(outline, corner)
                                                       : outline.contains(corner));
        QVERIFY(QRectF(QPointF(0, 0), shot.logicalSize()).contains(outline));
    }

    // The marks are the ones the page's text speaks of.
    QStringList unexpected;
    for (const PlacedMark& mark : shot.marks)
        unexpected << mark.controls.join(QLatin1Char(','));
    for (const QString& text : groups) {
        const Group group = parse(text);
        QStringList existing;
        for (const QString& name : group.names)
            if (real->findChild<QWidget*>(name))
                existing << name;
        const auto found =
            std::find_if(shot.marks.begin(), shot.marks.end(), [&](const PlacedMark& mark) {
                return mark.shape == group.shape && !mark.controls.isEmpty() &&
                       std::all_of(mark.controls.begin(), mark.controls.end(),
                                   [&](const QString& name) { return existing.contains(name); });
            });
        const bool expected = !existing.isEmpty() && (!group.afterResult || calculates);
        QVERIFY2((found != shot.marks.end()) == expected, qPrintable(text));
        if (found != shot.marks.end())
            unexpected.removeOne(found->controls.join(QLatin1Char(',')));
    }
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1String(" / "))));

    // And they are drawn where they are said to be once the photograph is
    // scaled into the page, proportions kept and centred.
    const QSizeF source = shot.logicalSize();
    const double scale =
        std::min(shown->width() / source.width(), shown->height() / source.height());
    const QPointF offset((shown->width() - source.width() * scale) / 2,
                         (shown->height() - source.height() * scale) / 2);
    QCOMPARE(shown->imageRect(), QRectF(offset, source * scale));
    const QImage drawn = shown->grab().toImage();
    for (const PlacedMark& mark : shot.marks) {
        const QRectF o = mark.outline;
        for (const QPointF point :
             {QPointF(o.center().x(), o.top()), QPointF(o.center().x(), o.bottom()),
              QPointF(o.left(), o.center().y()), QPointF(o.right(), o.center().y())})
            QVERIFY2(redNear(drawn, offset + point * scale),
                     qPrintable(mark.controls.join(QLatin1Char(','))));
    }
}

QTEST_MAIN(TestHelpPictures)
#include "test_helppictures.moc"
