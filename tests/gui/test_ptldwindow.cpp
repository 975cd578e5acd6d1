// The ПТ-ЛД window: its outcomes, what each shows, and the return.
#include "guitest.h"

#include "stripscan.h"

#include "calcwin/ptldwindow.h"
#include "calcwin/stripdrawing.h"

#include <QComboBox>
#include <QFontMetrics>

using namespace guitest;

namespace {

const QString kWin = QStringLiteral("PTLD");
const QStringList kOnlyWithResult = {"Label4", "Label9", "Label10", "Label11", "Image1"};
const QStringList kFlowRows = {"Label6", "Label7", "txtP1", "Label8", "txtL02"};

void calculate(const QString& l, const QString& b, const QString& q) {
    control<QLineEdit>(kWin, QStringLiteral("txtL"))->setText(l);
    control<QComboBox>(kWin, QStringLiteral("txtB"))->setCurrentText(b);
    control<QLineEdit>(kWin, QStringLiteral("txtQ"))->setText(q);
    click(kWin, QStringLiteral("btnpodb"));
}

QStringList shownOf(const QStringList& names) {
    QStringList result;
    for (const QString& name : names)
        if (shown(kWin, name))
            result << name;
    return result;
}

} // namespace

class TestPtldWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerOnce(); }
    void init() {
        closeEverything();
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        registry().show(kWin);
    }

    void freshWindow();
    void unequalEnds();
    void equalEndsWithoutFlow();
    void invalidOutcomes_data();
    void invalidOutcomes();
    void typedHeightKeptAsTyped_data();
    void typedHeightKeptAsTyped();
    void returnResets();
    void widthsOverTheirSections_data();
    void widthsOverTheirSections();
    void plainPlanBeforeAndAfterInvalid();
};

void TestPtldWindow::freshWindow() {
    QCOMPARE(window(kWin)->windowTitle(), QStringLiteral("ПОДБОР СОСТАВНЫХ РЕШЕТОК ТАЛИР ПТ-ЛД"));
    auto* heights = control<QComboBox>(kWin, QStringLiteral("txtB"));
    QCOMPARE(heights->count(), 20);
    QCOMPARE(heights->itemText(0), QStringLiteral("30"));
    QCOMPARE(heights->itemText(19), QStringLiteral("505"));
    QCOMPARE(control<QLineEdit>(kWin, QStringLiteral("txtL"))->text(), QStringLiteral("0"));
    QCOMPARE(control<QLineEdit>(kWin, QStringLiteral("txtQ"))->text(), QStringLiteral("0"));
    QVERIFY(shown(kWin, QStringLiteral("Image3")));
    QVERIFY(shownOf(kOnlyWithResult + kFlowRows).isEmpty());
    QVERIFY(text(kWin, QStringLiteral("txtG")).isEmpty());
}

void TestPtldWindow::unequalEnds() {
    calculate(QStringLiteral("2030"), QStringLiteral("305"), QStringLiteral("1000"));
    QCOMPARE(shownOf(kOnlyWithResult + kFlowRows), kOnlyWithResult + kFlowRows);
    QVERIFY(!shown(kWin, QStringLiteral("Image3")));
    const QList<std::pair<const char*, const char*>> expected = {
        {"txtG", "Решетка ТАЛИР ПТ-ЛД2 1000x 300 -  1 шт."},
        {"txtG1", "Решетка ТАЛИР ПТ-ЛД1 500x 300 -  1 шт."},
        {"txtG2", "Решетка ТАЛИР ПТ-ЛД1 525x 300 -  1 шт."},
        {"txtS", "Fс.с.= 0.2352"},
        {"txtS1", "Fс.с.= 0.1164"},
        {"txtS2", "Fс.с.= 0.1224"},
        {"txtM", "m=  3.5165"},
        {"txtM1", "m=  1.8927"},
        {"txtM2", "m=  1.9687"},
        {"txtSob", "Fс.с.об.=0.474"},
        {"txtP1", "p= 0.2205"},
        {"txtL02", "L0,2= 5.5353"},
        {"txtE1", "500"},
        {"txtE", " 1x1000 мм"},
        {"txtE2", "525"},
        {"txtP", "2030"}};
    for (const auto& [name, value] : expected)
        QCOMPARE(text(kWin, QString::fromLatin1(name)), QString::fromUtf8(value));
    for (const char* name : {"txtE1", "txtE", "txtE2"})
        QVERIFY(shown(kWin, QString::fromLatin1(name)));
}

void TestPtldWindow::equalEndsWithoutFlow() {
    calculate(QStringLiteral("5555"), QStringLiteral("405"), QStringLiteral("0"));
    QCOMPARE(shownOf(kOnlyWithResult + kFlowRows), kOnlyWithResult);
    QCOMPARE(text(kWin, QStringLiteral("txtG1")),
             QStringLiteral("Решетка ТАЛИР ПТ-ЛД1 275x 400 -  2 шт."));
    QCOMPARE(text(kWin, QStringLiteral("txtG2")), QStringLiteral(" "));
    QCOMPARE(text(kWin, QStringLiteral("txtS2")), QString());
    QCOMPARE(text(kWin, QStringLiteral("txtSob")), QStringLiteral("Fс.с.об.= 1.7576"));
}

void TestPtldWindow::invalidOutcomes_data() {
    QTest::addColumn<QString>("l");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("q");
    QTest::addColumn<QStringList>("lines");
    const QStringList notNumber = {"НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ",
                                   "Введите число A1, B1 или число Q ", ""};
    const QStringList outOfRange = {"НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ", "Размер A1<2030",
                                    "Размер B1 вне интервала 24<B1<=500"};
    QTest::newRow("empty width") << ""
                                 << "305"
                                 << "0" << notNumber;
    QTest::newRow("letters") << "abc"
                             << "305"
                             << "0" << notNumber;
    QTest::newRow("typed height not a number") << "3000"
                                               << "x"
                                               << "0" << notNumber;
    QTest::newRow("narrow") << "2029"
                            << "305"
                            << "0" << outOfRange;
    QTest::newRow("low") << "3000"
                         << "29"
                         << "0" << outOfRange;
    QTest::newRow("negative flow") << "3000"
                                   << "305"
                                   << "-1" << outOfRange;
}

void TestPtldWindow::invalidOutcomes() {
    QFETCH(QString, l);
    QFETCH(QString, b);
    QFETCH(QString, q);
    QFETCH(QStringList, lines);
    calculate(QStringLiteral("2030"), QStringLiteral("305"),
              QStringLiteral("1000")); // a result first
    calculate(l, b, q);
    QCOMPARE(text(kWin, QStringLiteral("txtG")), lines[0]);
    QCOMPARE(text(kWin, QStringLiteral("txtG1")), lines[1]);
    QCOMPARE(text(kWin, QStringLiteral("txtG2")), lines[2]);
    for (const char* name : {"txtS", "txtS1", "txtS2", "txtM", "txtM1", "txtM2", "txtE1", "txtE",
                             "txtE2", "txtP", "txtP1", "txtL02", "txtSob"})
        QVERIFY2(text(kWin, QString::fromLatin1(name)).isEmpty(), name);
    QVERIFY(shownOf(kOnlyWithResult + kFlowRows).isEmpty());
    QVERIFY(shown(kWin, QStringLiteral("Image3")));
}

void TestPtldWindow::typedHeightKeptAsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("lines");
    const QStringList outOfRange = {"НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ", "Размер A1<2030",
                                    "Размер B1 вне интервала 24<B1<=500"};
    // Each of these begins like a standard opening ("205", "105", "55", "30").
    QTest::newRow("20") << "20" << outOfRange;
    QTest::newRow("10") << "10" << outOfRange;
    QTest::newRow("5") << "5" << outOfRange;
    QTest::newRow("31") << "31"
                        << QStringList{"Решетка ТАЛИР ПТ-ЛД2 1000x 26 -  2 шт.",
                                       "Решетка ТАЛИР ПТ-ЛД1 475x 26 -  1 шт.",
                                       "Решетка ТАЛИР ПТ-ЛД1 500x 26 -  1 шт."};
}

// A height typed key by key into the list's box stays as typed: the
// calculation reads that text, not a standard opening that begins with it.
void TestPtldWindow::typedHeightKeptAsTyped() {
    QFETCH(QString, typed);
    QFETCH(QStringList, lines);
    control<QLineEdit>(kWin, QStringLiteral("txtL"))->setText(QStringLiteral("3000"));
    auto* heights = control<QComboBox>(kWin, QStringLiteral("txtB"));
    QApplication::setActiveWindow(window(kWin));
    QVERIFY(QTest::qWaitForWindowActive(window(kWin)));
    heights->setFocus();
    QVERIFY(heights->lineEdit()->hasFocus());
    heights->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QCOMPARE(heights->currentText(), typed);
    click(kWin, QStringLiteral("btnpodb"));
    QCOMPARE(heights->currentText(), typed);
    QCOMPARE(text(kWin, QStringLiteral("txtG")), lines[0]);
    QCOMPARE(text(kWin, QStringLiteral("txtG1")), lines[1]);
    QCOMPARE(text(kWin, QStringLiteral("txtG2")), lines[2]);
}

void TestPtldWindow::returnResets() {
    calculate(QStringLiteral("2030"), QStringLiteral("305"), QStringLiteral("1000"));
    click(kWin, QStringLiteral("btn2"));
    QCOMPARE(visibleWindows(), QStringList{"Start"});
    registry().show(kWin);
    QCOMPARE(control<QLineEdit>(kWin, QStringLiteral("txtL"))->text(), QString());
    QCOMPARE(control<QComboBox>(kWin, QStringLiteral("txtB"))->currentText(), QStringLiteral("30"));
    QCOMPARE(control<QLineEdit>(kWin, QStringLiteral("txtQ"))->text(), QStringLiteral("0"));
    QVERIFY(shownOf(kOnlyWithResult + kFlowRows).isEmpty());
    for (const char* name : {"txtE1", "txtE", "txtE2"})
        QVERIFY(!shown(kWin, QString::fromLatin1(name)));
    QVERIFY(text(kWin, QStringLiteral("txtG")).isEmpty());
    // A new calculation shows the widths on the drawing again.
    calculate(QStringLiteral("3000"), QStringLiteral("505"), QStringLiteral("0"));
    for (const char* name : {"txtE1", "txtE", "txtE2"})
        QVERIFY(shown(kWin, QString::fromLatin1(name)));
    QCOMPARE(text(kWin, QStringLiteral("txtSob")), QStringLiteral("Fс.с.об.= 1.1823"));
}

void TestPtldWindow::widthsOverTheirSections_data() {
    QTest::addColumn<QString>("length");
    QTest::addColumn<int>("edges"); // of the sections drawn
    QTest::newRow("m2 = 1") << "2030" << 1 + 3;
    QTest::newRow("m2 = 3") << "3600" << 3 + 3;
    QTest::newRow("m2 = 5") << "5555" << 5 + 3;
    // Two ends, two whole sections each side, the one across the break and
    // the two break lines.
    QTest::newRow("m2 = 39, broken") << "40000" << 2 * 2 + 2 * 2 + 2;
}

// After a calculation the drawing shows the strip just calculated, and each
// width stands centred over its sections as they are painted, above the
// strip and inside the drawing, without touching its neighbour; the typed
// length stays on the overall dimension line.
void TestPtldWindow::widthsOverTheirSections() {
    QFETCH(QString, length);
    QFETCH(int, edges);
    calculate(length, QStringLiteral("305"), QStringLiteral("1000"));
    auto* drawing = control<talir::calcwin::StripDrawing>(kWin, QStringLiteral("Image1"));
    QVERIFY(drawing->isVisible());
    const QImage image = drawing->grab().toImage();
    const auto layout = drawing->layout();
    const QList<double> x = stripscan::sectionEdges(image, layout);
    QCOMPARE(x.size(), edges);

    struct Over {
        const char* label;
        double from;
        double to;
    };
    const QList<Over> widths = {{"txtE1", x[0], x[1]},
                                {"txtE", x[1], x[x.size() - 2]},
                                {"txtE2", x[x.size() - 2], x.last()}};
    double textRightOfPrevious = -1;
    for (const Over& over : widths) {
        auto* label = control<QLabel>(kWin, QString::fromLatin1(over.label));
        QVERIFY(label->isVisible());
        const QRect box = label->geometry().translated(-drawing->pos());
        QVERIFY2(QRect(QPoint(0, 0), drawing->size()).contains(box), over.label);
        QVERIFY2(box.bottom() < layout.band.top(), over.label);
        const double centre = box.left() + box.width() / 2.0;
        QVERIFY2(std::abs(centre - (over.from + over.to) / 2) <= 1.5,
                 qPrintable(QStringLiteral("%1 at %2 over %3..%4")
                                .arg(over.label)
                                .arg(centre)
                                .arg(over.from)
                                .arg(over.to)));
        const double half = QFontMetrics(label->font()).horizontalAdvance(label->text()) / 2.0;
        QVERIFY2(centre - half > textRightOfPrevious, over.label);
        QVERIFY2(centre + half < over.to + 1 || over.to - over.from < 2 * half, over.label);
        textRightOfPrevious = centre + half;
    }
    const QRect typed =
        control(kWin, QStringLiteral("txtL"))->geometry().translated(-drawing->pos());
    QVERIFY(typed.contains(layout.overallLine.center().toPoint()));
}

// Before a calculation and after an invalid one the window shows the same
// plain plan, whatever strip was calculated in between.
void TestPtldWindow::plainPlanBeforeAndAfterInvalid() {
    auto* plain = control(kWin, QStringLiteral("Image3"));
    QVERIFY(plain->isVisible());
    const QImage before = plain->grab().toImage();
    calculate(QStringLiteral("40000"), QStringLiteral("305"), QStringLiteral("1000"));
    QVERIFY(!plain->isVisible());
    calculate(QStringLiteral("2029"), QStringLiteral("305"), QStringLiteral("1000"));
    QVERIFY(plain->isVisible());
    QVERIFY(!shown(kWin, QStringLiteral("Image1")));
    QCOMPARE(plain->grab().toImage(), before);
}

QTEST_MAIN(TestPtldWindow)
#include "test_ptldwindow.moc"
