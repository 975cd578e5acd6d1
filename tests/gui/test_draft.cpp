// The drawing vocabulary: dimensions, break lines, face fields, louvres and
// the layout of a section sketch on its sheet.
#include "drawings/draft.h"
#include "drawings/faces.h"
#include "drawings/sketchlayout.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace talir::drawings;

Q_DECLARE_METATYPE(talir::drawings::Divider)
Q_DECLARE_METATYPE(talir::drawings::FaceKind)

namespace {

bool finite(const QRectF& r) {
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) &&
           std::isfinite(r.height());
}

bool overlap(const QRectF& a, const QRectF& b) {
    const QRectF common = a.intersected(b);
    return common.width() > 0.01 && common.height() > 0.01;
}

SketchSubject subject(QSizeF overall, FaceKind kind, Divider divider, bool holes) {
    return {{overall, 40, 12, 110}, {kind, divider}, holes};
}

} // namespace

class TestDraft : public QObject {
    Q_OBJECT

private slots:
    void dimensionLine_data() {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<double>("at");
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<bool>("outside");
        QTest::newRow("width above") << QPointF(10, 50) << QPointF(210, 50) << int(Qt::Horizontal)
                                     << 30.0 << QLineF(10, 30, 210, 30) << false;
        QTest::newRow("width below, points at other heights")
            << QPointF(10, 50) << QPointF(110, 80) << int(Qt::Horizontal) << 95.0
            << QLineF(10, 95, 110, 95) << false;
        QTest::newRow("height left") << QPointF(40, 10) << QPointF(40, 90) << int(Qt::Vertical)
                                     << 20.0 << QLineF(20, 10, 20, 90) << false;
        QTest::newRow("too short for arrows inside")
            << QPointF(0, 0) << QPointF(15, 0) << int(Qt::Horizontal) << -10.0
            << QLineF(0, -10, 15, -10) << true;
    }
    void dimensionLine() {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(int, orientation);
        QFETCH(double, at);
        QFETCH(QLineF, line);
        QFETCH(bool, outside);
        const Dimension dimension{from, to, Qt::Orientation(orientation), at};
        QCOMPARE(dimension.line(), line);
        QCOMPARE(dimension.middle(), line.center());
        QCOMPARE(dimension.arrowsOutside(), outside);
    }

    // A painted dimension really shows its line and its arrowheads.
    void dimensionPainted() {
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        drawDimension(painter, {QPointF(20, 80), QPointF(180, 80), Qt::Horizontal, 40});
        painter.end();
        const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 160; };
        QVERIFY(dark(100, 40));                // the dimension line
        QVERIFY(dark(20, 60));                 // an extension line
        QVERIFY(dark(23, 41) || dark(23, 39)); // the body of the left arrowhead
        QVERIFY(!dark(100, 60));               // nothing between the line and the object
        QVERIFY(!dark(100, 20));
    }

    void breakLine_data() {
        QTest::addColumn<QPolygonF>("course");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("straight") << QPolygonF({QPointF(0, 0), QPointF(100, 0)}) << true;
        QTest::newRow("bent") << QPolygonF({QPointF(0, 0), QPointF(50, 30), QPointF(60, 90)})
                              << true;
        QTest::newRow("one point") << QPolygonF({QPointF(5, 5)}) << false;
        QTest::newRow("no length") << QPolygonF({QPointF(5, 5), QPointF(5, 5)}) << false;
    }
    void breakLine() {
        QFETCH(QPolygonF, course);
        QFETCH(bool, drawn);
        const QPainterPath path = talir::drawings::breakLine(course, 3, 4);
        QCOMPARE(!path.isEmpty(), drawn);
        if (!drawn)
            return;
        // It meets the ends of its course and keeps within its amplitude.
        QVERIFY(QLineF(path.pointAtPercent(0), course.first()).length() < 0.01);
        QVERIFY(QLineF(path.pointAtPercent(1), course.last()).length() < 0.01);
        QVERIFY(
            course.boundingRect().adjusted(-3.01, -3.01, 3.01, 3.01).contains(path.boundingRect()));
    }

    void faceFields_data() {
        QTest::addColumn<Divider>("divider");
        QTest::addColumn<int>("fields");
        QTest::newRow("none") << Divider::None << 1;
        QTest::newRow("upright bar") << Divider::Vertical << 2;
        QTest::newRow("lying bar") << Divider::Horizontal << 2;
    }
    void faceFields() {
        QFETCH(Divider, divider);
        QFETCH(int, fields);
        const QRectF face(10, 20, 300, 160);
        const QRectF bar = dividerBar(face, divider, 12);
        const QList<QRectF> parts = talir::drawings::faceFields(face, divider, 12);
        QCOMPARE(parts.size(), fields);
        // The fields and the bar tile the face: nothing lost, nothing twice.
        double area = bar.width() * bar.height();
        for (const QRectF& part : parts) {
            QVERIFY(face.contains(part));
            QVERIFY(!overlap(part, bar));
            area += part.width() * part.height();
        }
        if (parts.size() == 2) {
            QVERIFY(!overlap(parts[0], parts[1]));
            QCOMPARE(parts[0].size(), parts[1].size());
        }
        QCOMPARE(area, face.width() * face.height());
    }

    void louvres_data() {
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("pitch");
        QTest::addColumn<int>("count");
        QTest::newRow("even") << 200.0 << 20.0 << 10;
        QTest::newRow("uneven") << 205.0 << 20.0 << 10;
        QTest::newRow("lower than a pitch") << 8.0 << 20.0 << 1;
    }
    void louvres() {
        QFETCH(double, height);
        QFETCH(double, pitch);
        QFETCH(int, count);
        const QRectF field(0, 50, 100, height);
        const QList<LouvreBlade> blades = louvreBlades(field, pitch);
        QCOMPARE(blades.size(), count);
        double previous = field.top();
        for (const LouvreBlade& blade : blades) {
            QVERIFY(blade.edge > previous && blade.lip > blade.edge);
            QVERIFY(blade.lip < field.bottom());
            previous = blade.lip;
        }
    }

    void facePitch() {
        // The real pitch at a large scale, never denser than legible.
        QCOMPARE(talir::drawings::facePitch(FaceKind::WideBlades, 1.0), 50.0);
        QVERIFY(talir::drawings::facePitch(FaceKind::NarrowBlades, 0.01) >= 4.0);
    }

    void layout_data() {
        QTest::addColumn<QSizeF>("overall");
        QTest::addColumn<FaceKind>("face");
        QTest::addColumn<Divider>("divider");
        QTest::addColumn<QSizeF>("sheet");
        const QSizeF window(824, 494);
        QTest::newRow("wide") << QSizeF(1250, 650) << FaceKind::WideBlades << Divider::None
                              << window;
        QTest::newRow("tall") << QSizeF(650, 1250) << FaceKind::NarrowBlades << Divider::Horizontal
                              << window;
        QTest::newRow("square") << QSizeF(900, 900) << FaceKind::CrossedBlades << Divider::Vertical
                                << window;
        QTest::newRow("long strip")
            << QSizeF(3000, 300) << FaceKind::Mesh << Divider::None << window;
        QTest::newRow("large sheet")
            << QSizeF(1250, 650) << FaceKind::Perforation << Divider::None << QSizeF(2400, 1600);
    }
    void layout() {
        QFETCH(QSizeF, overall);
        QFETCH(FaceKind, face);
        QFETCH(Divider, divider);
        QFETCH(QSizeF, sheet);
        const QSizeF textRoom(48, 16);
        const SketchLayout sketch =
            layOutSketch(subject(overall, face, divider, true), sheet, textRoom);

        // Everything on the sheet, with room for the shelved texts.
        const QRectF page(QPointF(0, 0), sheet);
        QVERIFY(page.contains(sketch.bounds()));
        QVERIFY(page.contains(sketch.overallHeightLeader.shelf().p2()));
        QVERIFY(page.contains(sketch.partHeightLeader.shelf().p2()));
        QVERIFY(std::abs(sketch.overallHeightLeader.shelfLength) >= textRoom.width());

        // The views keep the section's proportions and stay apart.
        const QRectF front = sketch.front.outline;
        QVERIFY(qAbs(front.width() / front.height() - overall.width() / overall.height()) < 1e-9);
        QVERIFY(!overlap(front, sketch.side.bounds()));
        QVERIFY(!overlap(front, sketch.bottom.bounds()));
        QVERIFY(!overlap(sketch.side.bounds(), sketch.bottom.bounds()));
        QVERIFY(front.contains(sketch.front.field));
        QCOMPARE(sketch.side.flange.height(), front.height());
        QCOMPARE(sketch.side.body.height(), sketch.front.field.height());
        QCOMPARE(sketch.bottom.body.width(), sketch.front.field.width());
        for (const QPointF& hole : sketch.front.holes) {
            QVERIFY(front.contains(hole));
            QVERIFY(!sketch.front.field.contains(hole));
        }

        // The dimensions measure what they name.
        QCOMPARE(sketch.overallWidth.line().length(), front.width());
        QCOMPARE(sketch.overallHeight.line().length(), front.height());
        QCOMPARE(sketch.partWidth.line().length(), sketch.bottom.body.width());
        QCOMPARE(sketch.partHeight.line().length(), sketch.side.body.height());
    }

    // A sheet too small for anything still gives finite geometry.
    void tinySheet_data() {
        QTest::addColumn<QSizeF>("sheet");
        QTest::newRow("small") << QSizeF(20, 10);
        QTest::newRow("empty") << QSizeF(0, 0);
    }
    void tinySheet() {
        QFETCH(QSizeF, sheet);
        const SketchLayout sketch = layOutSketch(
            subject({900, 900}, FaceKind::Perforation, Divider::None, true), sheet, {48, 16});
        QVERIFY(finite(sketch.bounds()));
        QVERIFY(sketch.front.outline.width() > 0);
        QImage image(40, 40, QImage::Format_RGB32);
        QPainter painter(&image);
        paintSketch(painter, sketch);
    }
};

QTEST_MAIN(TestDraft)
#include "test_draft.moc"
