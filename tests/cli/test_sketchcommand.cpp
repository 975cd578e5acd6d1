// talir-calc --sketch: the sketch of the calculation written to a file and
// read back by a reader of its format, beside the unchanged output.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
struct Run {
    int status;
    QString out;
    QString err;
};

Run talirCalc(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TALIR_CALC_BINARY), arguments);
    if (!process.waitForFinished(60000))
        return {-1, {}, QStringLiteral("did not finish")};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// ПТ-Д5 2500 x 600: A1 1277.5, B1 654.5, the part 1220 x 597.
const QStringList kExample = {"PTD5", "2500", "600", "200"};
const QStringList kSizes = {"1277.5", "654.5", "1220", "597"};
} // namespace

class TestSketchCommand : public QObject {
    Q_OBJECT
private slots:
    void pdf();
    void svg();
    void png();
    void outputUnchanged();
    void nothingWritten_data();
    void nothingWritten();
};

void TestSketchCommand::pdf() {
    QTemporaryDir dir;
    const QString file = dir.filePath("ПТ-Д5 1223x600.pdf");
    const Run run = talirCalc(QStringList{"--sketch", file} + kExample);
    QCOMPARE(run.status, 0);
    QProcess reader;
    reader.start("pdftotext", {"-layout", file, "-"});
    QVERIFY(reader.waitForFinished(20000));
    QCOMPARE(reader.exitCode(), 0);
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    for (const QString& size : kSizes)
        QVERIFY2(text.contains(size), qPrintable(size + " missing in\n" + text));
    QVERIFY(text.contains(QRegularExpression("1:\\d+")));
}

void TestSketchCommand::svg() {
    QTemporaryDir dir;
    const QString file = dir.filePath("sketch.svg");
    QCOMPARE(talirCalc(QStringList{"--sketch", file} + kExample).status, 0);
    QFile svg(file);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
    QVERIFY(xml.attributes().value("width").endsWith(QLatin1String("mm")));
    QVERIFY(xml.attributes().value("height").endsWith(QLatin1String("mm")));
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void TestSketchCommand::png() {
    QTemporaryDir dir;
    const QString file = dir.filePath("sketch.png");
    QCOMPARE(talirCalc(QStringList{"--sketch", file} + kExample).status, 0);
    const QImage image(file);
    QVERIFY(!image.isNull());
    QVERIFY(qAbs(image.dotsPerMeterX() - 11811) <= 1); // 300 dpi
}

// The plain and JSON outputs stay what they are without --sketch.
void TestSketchCommand::outputUnchanged() {
    QTemporaryDir dir;
    for (const QStringList& options : {QStringList{}, QStringList{"--json"}}) {
        const Run plain = talirCalc(options + kExample);
        const Run withSketch =
            talirCalc(options + QStringList{"--sketch", dir.filePath("a.pdf")} + kExample);
        QCOMPARE(withSketch.status, 0);
        QCOMPARE(withSketch.out, plain.out);
    }
}

void TestSketchCommand::nothingWritten_data() {
    QTest::addColumn<QStringList>("call");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("not composite") << QStringList{"PTD5", "1000", "1000", "0"} << 1 << "no sketch";
    QTest::newRow("invalid") << QStringList{"PTD5", "abc", "1000", "0"} << 1 << "no sketch";
    QTest::newRow("ПТ-ЛД has no sketch window")
        << QStringList{"PTLD", "2030", "305", "0"} << 1 << "no sketch";
}

void TestSketchCommand::nothingWritten() {
    QFETCH(QStringList, call);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath(status == 2 ? "sketch.dwg" : "sketch.pdf");
    const Run run = talirCalc(QStringList{"--sketch", file} + call);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFile::exists(file));
    if (status == 1)
        QVERIFY(!run.out.isEmpty()); // the outcome is still printed
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

QTEST_GUILESS_MAIN(TestSketchCommand)
#include "test_sketchcommand.moc"
