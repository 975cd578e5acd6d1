// A sketch written to a file, read back by readers of the format: an XML
// parser for SVG, pdftotext for PDF, Qt's image reader for PNG.
#include "drawings/sketchexport.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace talir::drawings;

namespace {

SketchSheet sheetFor(const char* name, double a1, double b1, double a, double b) {
    SketchSheet sheet;
    sheet.sketch = findSketch(QString::fromLatin1(name));
    sheet.section = {.overallWidth = a1,
                     .overallHeight = b1,
                     .width = a1 - 54.5,
                     .height = b1 - 54.5,
                     .partWidth = a,
                     .partHeight = b,
                     .columns = 2,
                     .rows = 1};
    const auto text = [](double x) { return QString::number(x, 'f', 1); };
    sheet.texts = {" " + text(a1), " " + text(b1), text(a), text(b)};
    return sheet;
}

} // namespace

class TestSketchExport : public QObject {
    Q_OBJECT

private slots:
    void files_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("A1");
        QTest::addColumn<double>("B1");
        QTest::newRow("wide") << "EskizD5" << 1277.5 << 654.5;
        QTest::newRow("very flat") << "EskizD5" << 2054.5 << 154.5;
        QTest::newRow("very tall") << "EskizD5_1" << 154.5 << 2054.5;
        QTest::newRow("small") << "EskizJ_2" << 300.0 << 300.0;
    }
    void files() {
        QFETCH(QString, name);
        QFETCH(double, A1);
        QFETCH(double, B1);
        const SketchSheet sheet =
            sheetFor(name.toLatin1().constData(), A1, B1, A1 - 57.5, B1 - 57.5);
        QVERIFY(sheet.sketch);
        QTemporaryDir dir;
        QString error;

        // SVG: well-formed XML, its size in millimetres.
        const QString svg = dir.filePath("sketch.svg");
        QVERIFY2(writeSketch(svg, sheet, &error), qPrintable(error));
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svgFile);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
        const QString width = xml.attributes().value("width").toString();
        const QString height = xml.attributes().value("height").toString();
        QVERIFY2(width.endsWith("mm") && height.endsWith("mm"), qPrintable(width));
        QVERIFY(width.chopped(2).toDouble() > 100);
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

        // PDF: the four sizes and the scale as text.
        const QString pdf = dir.filePath("sketch.pdf");
        QVERIFY2(writeSketch(pdf, sheet, &error), qPrintable(error));
        QProcess reader;
        reader.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(reader.waitForFinished(20000));
        QCOMPARE(reader.exitCode(), 0);
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        for (const QString& size : sheet.texts)
            QVERIFY2(text.contains(size.trimmed()), qPrintable(size + " missing in\n" + text));
        const int scale = standardScale(sheet);
        QVERIFY(text.contains(QStringLiteral("1:%1").arg(scale)));
        // The drawing fits on the page at the scale: A1 / scale under 277 mm.
        QVERIFY(A1 / scale < 277 && B1 / scale < 170);

        // PNG: 300 dpi.
        const QString png = dir.filePath("sketch.png");
        QVERIFY2(writeSketch(png, sheet, &error), qPrintable(error));
        const QImage image(png);
        QVERIFY(!image.isNull());
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 300);
        QCOMPARE(image.width(), qRound(824 * 300 / 96.0)); // the 824 px sheet at 300 dpi
    }

    void errors() {
        const SketchSheet sheet = sheetFor("EskizD5", 1277.5, 654.5, 1220, 597);
        QString error;
        QVERIFY(!writeSketch(QStringLiteral("/tmp/sketch.doc"), sheet, &error));
        QVERIFY(error.contains("unknown"));
        QVERIFY(!writeSketch(QStringLiteral("/nonexistent-dir/sketch.pdf"), sheet, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(QStringLiteral("/nonexistent-dir/sketch.pdf")));
    }
};

QTEST_MAIN(TestSketchExport)
#include "test_sketchexport.moc"
