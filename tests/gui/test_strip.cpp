// The ПТ-ЛД plan: the sections a calculated strip draws, to scale along the
// strip, the break of a long run, and the places of the widths.
#include "stripscan.h"

#include "calculators/ptld.h"
#include "drawings/strip.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace talir;
using drawings::StripPart;

namespace {

const QSize kWindowSize(740, 150); // as the window shows it

core::StripGeometry strip(const char* length) {
    const core::Result result =
        calculators::calculatePtld({QString::fromLatin1(length), QStringLiteral("305"),
                                    QStringLiteral("1000"), false, QLocale::c()});
    if (!result.strip)
        qFatal("no strip for %s", length);
    return *result.strip;
}

QImage painted(const drawings::StripPlan& plan, QSize size = kWindowSize,
               const drawings::StripTexts* texts = nullptr) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray); // the drawing must paint its own white
    {
        QPainter painter(&image);
        if (texts)
            drawings::paintStrip(painter, plan, QRectF(QPointF(0, 0), QSizeF(size)), *texts);
        else
            drawings::paintStrip(painter, plan, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return image;
}

int darkIn(const QImage& image, const QRect& area, int below = 128) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += qGray(image.pixel(x, y)) < below;
    return count;
}

} // namespace

class TestStrip : public QObject {
    Q_OBJECT
private slots:
    void sections_data();
    void sections();
    void wholeRunToScale_data();
    void wholeRunToScale();
    void brokenRun_data();
    void brokenRun();
    void widthBoxes_data();
    void widthBoxes();
    void textsForFiles();
    void planBeforeCalculation();
};

void TestStrip::sections_data() {
    QTest::addColumn<QByteArray>("length");
    QTest::addColumn<qint64>("middles");
    QTest::addColumn<bool>("broken");
    QTest::newRow("m2 = 1") << QByteArray("2030") << qint64(1) << false;
    QTest::newRow("m2 = 2") << QByteArray("2505") << qint64(2) << false;
    QTest::newRow("m2 = 5") << QByteArray("5555") << qint64(5) << false;
    QTest::newRow("m2 = 6, the most drawn whole") << QByteArray("7028") << qint64(6) << false;
    QTest::newRow("m2 = 7, the first broken") << QByteArray("7529") << qint64(7) << true;
    QTest::newRow("m2 = 39") << QByteArray("40000") << qint64(39) << true;
    QTest::newRow("m2 = 99, the longest strip") << QByteArray("100000") << qint64(99) << true;
}

// A strip draws its end sections at the ends and every middle section, or,
// beyond the number that fits, a few of them at each end of a broken run.
void TestStrip::sections() {
    QFETCH(QByteArray, length);
    QFETCH(qint64, middles);
    QFETCH(bool, broken);
    const core::StripGeometry geometry = strip(length.constData());
    QCOMPARE(geometry.middles, middles);
    const drawings::StripPlan plan = drawings::stripPlan(geometry);
    QCOMPARE(plan.middles, middles);
    QCOMPARE(plan.cut.has_value(), broken);
    QCOMPARE(plan.sections.front().part, StripPart::LeftEnd);
    QCOMPARE(plan.sections.back().part, StripPart::RightEnd);
    QCOMPARE(plan.sections.front().span.length(), geometry.leftEnd);
    QCOMPARE(plan.sections.back().span.length(), geometry.rightEnd);
    QCOMPARE(plan.wholeMiddles(), broken ? qint64(4) : middles);
    for (const auto& s : plan.sections)
        QCOMPARE(s.supports,
                 s.part == StripPart::Middle ? geometry.middleSupports : geometry.endSupports);

    // The painted frames: one edge more than the sections drawn whole.
    const QImage image = painted(plan);
    const QList<double> edges = stripscan::sectionEdges(image, layOutStrip(plan, image.rect()));
    if (!broken)
        QCOMPARE(edges.size(), middles + 3);
    else // two ends, two whole sections each side, the one across the break, its two lines
        QCOMPARE(edges.size(), qsizetype(2 * 2 + 2 * 2 + 2));
}

void TestStrip::wholeRunToScale_data() {
    QTest::addColumn<QByteArray>("length");
    QTest::addColumn<QSize>("size");
    QTest::newRow("m2 = 1, unequal ends") << QByteArray("2030") << kWindowSize;
    QTest::newRow("m2 = 2, narrowest ends") << QByteArray("2505") << kWindowSize;
    QTest::newRow("m2 = 3") << QByteArray("3600") << kWindowSize;
    QTest::newRow("m2 = 5") << QByteArray("5555") << kWindowSize;
    QTest::newRow("m2 = 6, widest ends") << QByteArray("7504") << kWindowSize;
    QTest::newRow("m2 = 3 on a page") << QByteArray("3600") << QSize(2400, 300);
}

// Drawn whole, the sections keep the proportions of their widths: measured
// on the painted frames, end : middle equals w : 1000 within a pixel.
void TestStrip::wholeRunToScale() {
    QFETCH(QByteArray, length);
    QFETCH(QSize, size);
    const core::StripGeometry geometry = strip(length.constData());
    const drawings::StripPlan plan = drawings::stripPlan(geometry);
    const QImage image = painted(plan, size);
    const QList<double> edges = stripscan::sectionEdges(image, layOutStrip(plan, image.rect()));
    QCOMPARE(edges.size(), geometry.middles + 3);
    const double middle = edges[2] - edges[1];
    for (qsizetype i = 2; i < edges.size() - 1; ++i)
        QVERIFY(std::abs(edges[i] - edges[i - 1] - middle) <= 1.0);
    const double left = edges[1] - edges[0];
    const double right = edges.last() - edges[edges.size() - 2];
    QVERIFY2(std::abs(left - middle * geometry.leftEnd / geometry.middleWidth) <= 1.0,
             qPrintable(QStringLiteral("left %1, middle %2").arg(left).arg(middle)));
    QVERIFY2(std::abs(right - middle * geometry.rightEnd / geometry.middleWidth) <= 1.0,
             qPrintable(QStringLiteral("right %1, middle %2").arg(right).arg(middle)));
    // The strip fills the opening between the walls but for the few
    // millimetres the sections leave free.
    const auto layout = layOutStrip(plan, image.rect());
    const double perMm = middle / geometry.middleWidth;
    QVERIFY(edges.first() - layout.overallLine.x1() < 15 * perMm + 1.5);
    QVERIFY(layout.overallLine.x2() - edges.last() < 15 * perMm + 1.5);
}

void TestStrip::brokenRun_data() {
    QTest::addColumn<QByteArray>("length");
    QTest::newRow("m2 = 7") << QByteArray("7529");
    QTest::newRow("m2 = 39") << QByteArray("40000");
    QTest::newRow("m2 = 99") << QByteArray("100000");
}

// A long run is broken: the part between the two break lines is left
// empty, the lines cross the strip inside the run, the sections either side
// keep the scale of the ends, and the run's dimension spans all of it.
void TestStrip::brokenRun() {
    QFETCH(QByteArray, length);
    const core::StripGeometry geometry = strip(length.constData());
    const drawings::StripPlan plan = drawings::stripPlan(geometry);
    QVERIFY(plan.cut);
    const QImage image = painted(plan);
    const auto layout = layOutStrip(plan, image.rect());

    QCOMPARE(layout.breakLines.size(), 2);
    const QRectF first = layout.breakLines[0].boundingRect();
    const QRectF second = layout.breakLines[1].boundingRect();
    QVERIFY(first.right() < second.left());
    QVERIFY(first.top() < layout.band.top() && first.bottom() > layout.band.bottom());
    QVERIFY(first.left() > layout.middleLine.x1() && second.right() < layout.middleLine.x2());
    const int gapX = qRound((first.right() + second.left()) / 2);
    QCOMPARE(darkIn(image,
                    QRect(gapX - 1, int(layout.band.top()) + 1, 3, int(layout.band.height()) - 2),
                    224),
             0);

    // The middle dimension runs from the left end to the right end.
    QCOMPARE(layout.middleLine.x1(), layout.leftEndLine.x2());
    QCOMPARE(layout.middleLine.x2(), layout.rightEndLine.x1());

    // Proportion: the whole middle sections next to the ends on the same
    // scale as the ends.
    const QRectF leftEnd = layout.sections.front();
    const QRectF firstMiddle = layout.sections[1];
    QVERIFY(std::abs(leftEnd.width() -
                     firstMiddle.width() * geometry.leftEnd / geometry.middleWidth) <= 1.0);
    const QList<double> edges = stripscan::sectionEdges(image, layout);
    QVERIFY(std::abs((edges[1] - edges[0]) - leftEnd.width()) <= 1.0);
    QVERIFY(std::abs((edges[2] - edges[1]) - firstMiddle.width()) <= 1.0);
}

void TestStrip::widthBoxes_data() {
    QTest::addColumn<QByteArray>("length");
    QTest::newRow("m2 = 1") << QByteArray("2030");
    QTest::newRow("m2 = 6, narrowest ends drawn whole") << QByteArray("6530");
    QTest::newRow("m2 = 39") << QByteArray("40000");
}

// Each width's box stands over its own dimension line, above the strip,
// inside the drawing; the opening's box sits on the overall line.
void TestStrip::widthBoxes() {
    QFETCH(QByteArray, length);
    const drawings::StripPlan plan = drawings::stripPlan(strip(length.constData()));
    const QRectF target(QPointF(0, 0), QSizeF(kWindowSize));
    const auto layout = layOutStrip(plan, target);
    const QList<std::pair<QRectF, QLineF>> boxes = {{layout.leftEndText, layout.leftEndLine},
                                                    {layout.middleText, layout.middleLine},
                                                    {layout.rightEndText, layout.rightEndLine}};
    for (const auto& [box, line] : boxes) {
        QVERIFY(target.contains(box));
        QVERIFY(box.bottom() < line.y1());
        QVERIFY(std::abs(box.center().x() - line.center().x()) < 0.5);
        QVERIFY(box.width() >= 20); // room for "250"
    }
    QVERIFY(layout.leftEndText.right() <= layout.middleText.left() + 0.01);
    QVERIFY(layout.middleText.right() <= layout.rightEndText.left() + 0.01);
    QVERIFY(layout.leftEndLine.y1() < layout.band.top());
    QVERIFY(target.contains(layout.overallText));
    QVERIFY(layout.overallText.contains(layout.overallLine.center()));
    QVERIFY(layout.overallLine.y1() > layout.band.bottom());
}

// With texts, for a drawing that leaves the window, the widths are written
// in their boxes and the opening's length on its line.
void TestStrip::textsForFiles() {
    const core::Result result =
        calculators::calculatePtld({QStringLiteral("2030"), QStringLiteral("305"),
                                    QStringLiteral("1000"), false, QLocale::c()});
    const drawings::StripTexts texts = drawings::StripTexts::of(result);
    QCOMPARE(texts.leftEnd, QStringLiteral("500"));
    QCOMPARE(texts.middles, QStringLiteral(" 1x1000 мм"));
    QCOMPARE(texts.rightEnd, QStringLiteral("525"));
    QCOMPARE(texts.overall, QStringLiteral("2030"));
    const drawings::StripPlan plan = drawings::stripPlan(*result.strip);
    for (const QSize size : {kWindowSize, QSize(1480, 300)}) {
        const QImage bare = painted(plan, size);
        const QImage written = painted(plan, size, &texts);
        const auto layout = layOutStrip(plan, bare.rect());
        for (const QRectF& box :
             {layout.leftEndText, layout.middleText, layout.rightEndText, layout.overallText}) {
            const QRect area = box.toAlignedRect();
            QVERIFY(darkIn(written, area) > darkIn(bare, area) + 10);
        }
    }
}

// Before a calculation: the plan of a typical strip with the overall
// dimension line and no dimension over the sections.
void TestStrip::planBeforeCalculation() {
    const drawings::StripPlan plan = drawings::stripPlanBeforeCalculation();
    QVERIFY(!plan.sectionDimensions);
    QVERIFY(plan.wholeMiddles() > 0);
    const QImage image = painted(plan);
    const auto layout = layOutStrip(plan, image.rect());
    const int dimensionRow = qRound(layout.middleLine.y1());
    QCOMPARE(darkIn(image, QRect(0, dimensionRow - 1, image.width(), 3), 224), 0);
    const int overallRow = qRound(layout.overallLine.y1());
    QVERIFY(darkIn(image, QRect(0, overallRow - 1, image.width(), 3), 224) > image.width() / 2);
    // Between the ends, every middle section.
    QCOMPARE(stripscan::sectionEdges(image, layout, false).size(), plan.middles + 1);
}

QTEST_MAIN(TestStrip)
#include "test_strip.moc"
