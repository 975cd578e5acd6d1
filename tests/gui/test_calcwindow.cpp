#include "guitest.h"

#include "calculators/calculator.h"
#include "calcwin/sketchwindow.h"

#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>

using namespace guitest;

namespace {

const QString kWin = QStringLiteral("PTD5");
const QStringList kPanel = {"Label5", "txtD5", "txt1", "txt2", "txt3", "txt4", "txt5", "txtFcc",
                            "txt6",   "txtm",  "txt7", "txt8", "txtP", "txt9", "txtSo"};

void type(const QString& a, const QString& b, const QString& q) {
    control<QLineEdit>(kWin, QStringLiteral("txtA"))->setText(a);
    control<QLineEdit>(kWin, QStringLiteral("txtB"))->setText(b);
    control<QLineEdit>(kWin, QStringLiteral("txtQ"))->setText(q);
}

void calculate(const QString& a, const QString& b, const QString& q) {
    type(a, b, q);
    click(kWin, QStringLiteral("btn1"));
}

QStringList shownPanel() {
    QStringList names;
    for (const QString& name : kPanel + QStringList{"btn2", "txtNo"})
        if (shown(kWin, name))
            names << name;
    return names;
}

} // namespace

class TestCalcWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerOnce(); }
    void init() {
        closeEverything();
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        registry().show(kWin);
        QVERIFY(QTest::qWaitForWindowExposed(window(kWin)));
    }

    void freshWindow();
    void outcomes_data();
    void outcomes();
    void compositeThenNotComposite();
    void zeroFlowHidesPressureRow();
    void resetAndReturn();
    void enterCalculates();
    void escapeLeavesWindowOpen();
    void selectAllOnFocus();
    void sketchPerShape_data();
    void sketchPerShape();
    void sketchAndBackKeepsEverything();
    void russianLocale();
    void windowsOfTheLayout_data();
    void windowsOfTheLayout();
};

void TestCalcWindow::freshWindow() {
    for (const char* box : {"txtA", "txtB", "txtQ"})
        QCOMPARE(control<QLineEdit>(kWin, box)->text(), QStringLiteral("0"));
    QVERIFY(shownPanel().isEmpty());
    QCOMPARE(window(kWin)->focusWidget()->objectName(), QStringLiteral("txtA"));
    QCOMPARE(window(kWin)->client()->size(), QSize(761, 524));
}

void TestCalcWindow::outcomes_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("q");
    QTest::addColumn<QString>("message"); // empty: composite
    const QString invalid = QStringLiteral("НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ. A, B, Q не являются "
                                           "числом. Размер A или B<100 мм, либо Q<0");
    QTest::newRow("composite") << "2500"
                               << "600"
                               << "200"
                               << "";
    QTest::newRow("not composite") << "2000"
                                   << "1000"
                                   << "0"
                                   << "Данная решетка не является составной";
    QTest::newRow("empty") << ""
                           << "600"
                           << "0" << invalid;
    QTest::newRow("letters") << "2500"
                             << "abc"
                             << "0" << invalid;
    QTest::newRow("lone sign") << "-"
                               << "600"
                               << "0" << invalid;
    QTest::newRow("inf") << "2500"
                         << "600"
                         << "inf" << invalid;
    QTest::newRow("nan") << "nan"
                         << "600"
                         << "0" << invalid;
    QTest::newRow("1e308")
        << "1e308"
        << "600"
        << "0"
        << "НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ. Размер A или B>100000 мм, либо Q>1000000 м3/ч";
}

void TestCalcWindow::outcomes() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, q);
    QFETCH(QString, message);
    calculate(a, b, q);
    if (message.isEmpty()) {
        QCOMPARE(shownPanel(), kPanel + QStringList{"btn2"});
        QCOMPARE(text(kWin, QStringLiteral("txtD5")),
                 QStringLiteral("Решетка ТАЛИР ПТ-Д5 1223x 600 - 2 шт."));
        QCOMPARE(text(kWin, QStringLiteral("txtm")), QStringLiteral("m=  4.6739"));
        QCOMPARE(text(kWin, QStringLiteral("txtP")), QStringLiteral("p= 0.0083"));
        QCOMPARE(text(kWin, QStringLiteral("txt8")), QStringLiteral("Δ"));
        QCOMPARE(text(kWin, QStringLiteral("Label8")), QStringLiteral("1220"));
        QVERIFY(!shown(kWin, QStringLiteral("Label6")));
    } else {
        QCOMPARE(shownPanel(), QStringList{"txtNo"});
        QCOMPARE(text(kWin, QStringLiteral("txtNo")), message);
    }
}

void TestCalcWindow::compositeThenNotComposite() {
    calculate(QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("200"));
    calculate(QStringLiteral("1000"), QStringLiteral("1000"), QStringLiteral("200"));
    QCOMPARE(shownPanel(), QStringList{"txtNo"});
    QCOMPARE(text(kWin, QStringLiteral("txtNo")),
             QStringLiteral("Данная решетка не является составной"));
    calculate(QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("200"));
    QVERIFY(!shown(kWin, QStringLiteral("txtNo")));
}

void TestCalcWindow::zeroFlowHidesPressureRow() {
    calculate(QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("0"));
    QStringList withoutFlow = kPanel + QStringList{"btn2"};
    for (const char* name : {"txt7", "txt8", "txtP"})
        withoutFlow.removeOne(QString::fromLatin1(name));
    QCOMPARE(shownPanel(), withoutFlow);
    calculate(QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("200"));
    QCOMPARE(shownPanel(), kPanel + QStringList{"btn2"});
}

void TestCalcWindow::resetAndReturn() {
    calculate(QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("200"));
    click(kWin, QStringLiteral("btn3"));
    QCOMPARE(visibleWindows(), QStringList{"Start"});
    registry().show(kWin);
    for (const char* box : {"txtA", "txtB", "txtQ"})
        QCOMPARE(control<QLineEdit>(kWin, box)->text(), QStringLiteral("0"));
    QVERIFY(shownPanel().isEmpty());
}

void TestCalcWindow::enterCalculates() {
    QVERIFY(QTest::qWaitForWindowActive(window(kWin)));
    for (const char* box : {"txtA", "txtB", "txtQ"}) {
        calculate(QStringLiteral("1000"), QStringLiteral("1000"), QStringLiteral("0"));
        type(QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("200"));
        auto* edit = control<QLineEdit>(kWin, box);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY2(shown(kWin, QStringLiteral("txtD5")), box);
    }
    // The keypad's Enter too.
    calculate(QStringLiteral("1000"), QStringLiteral("1000"), QStringLiteral("0"));
    type(QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("200"));
    QTest::keyClick(control<QLineEdit>(kWin, QStringLiteral("txtB")), Qt::Key_Enter,
                    Qt::KeypadModifier);
    QVERIFY(shown(kWin, QStringLiteral("txtD5")));
}

void TestCalcWindow::escapeLeavesWindowOpen() {
    QVERIFY(QTest::qWaitForWindowActive(window(kWin)));
    QTest::keyClick(control<QLineEdit>(kWin, QStringLiteral("txtA")), Qt::Key_Escape);
    QCOMPARE(visibleWindows(), QStringList{kWin});
}

void TestCalcWindow::selectAllOnFocus() {
    QVERIFY(QTest::qWaitForWindowActive(window(kWin)));
    type(QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("200,5"));
    auto* a = control<QLineEdit>(kWin, QStringLiteral("txtA"));
    auto* b = control<QLineEdit>(kWin, QStringLiteral("txtB"));
    auto* q = control<QLineEdit>(kWin, QStringLiteral("txtQ"));
    a->setFocus();
    a->deselect();
    QTest::keyClick(a, Qt::Key_Tab); // by keyboard
    QTRY_COMPARE(b->selectedText(), QStringLiteral("600"));
    QTest::mouseClick(q, Qt::LeftButton, {}, QPoint(4, 5)); // by mouse
    QTRY_COMPARE(q->selectedText(), QStringLiteral("200,5"));
    QCOMPARE(q->selectionStart(), 0);
    // Typing replaces the old value.
    QTest::keyClicks(q, QStringLiteral("7"));
    QCOMPARE(q->text(), QStringLiteral("7"));
}

void TestCalcWindow::sketchPerShape_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("sketch");
    QTest::addColumn<QStringList>("dimensions");
    QTest::newRow("wider") << "2500"
                           << "600"
                           << "EskizD5" << QStringList{" 1277.5", " 654.5", "1220", "597"};
    QTest::newRow("taller") << "500"
                            << "3000"
                            << "EskizD5_1" << QStringList{" 554.5", " 1527.5", "497", "1470"};
    QTest::newRow("square") << "3054.5"
                            << "1500"
                            << "EskizD5_2" << QStringList{" 1554.5", " 1554.5", "1497", "1497"};
}

void TestCalcWindow::sketchPerShape() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, sketch);
    QFETCH(QStringList, dimensions);
    calculate(a, b, QStringLiteral("100"));
    click(kWin, QStringLiteral("btn2"));
    QCOMPARE(visibleWindows(), QStringList{sketch});
    const QStringList labels = {"razmA1", "razmB1", "razmA", "razmB"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(text(sketch, labels[i]), dimensions[i]);
}

void TestCalcWindow::sketchAndBackKeepsEverything() {
    calculate(QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("200"));
    const QStringList before = shownPanel();
    click(kWin, QStringLiteral("btn2"));
    click(QStringLiteral("EskizD5"), QStringLiteral("btn3"));
    QCOMPARE(visibleWindows(), QStringList{kWin});
    QCOMPARE(shownPanel(), before);
    QCOMPARE(control<QLineEdit>(kWin, QStringLiteral("txtA"))->text(), QStringLiteral("2500"));
    QCOMPARE(text(kWin, QStringLiteral("txtP")), QStringLiteral("p= 0.0083"));
    // Opening it twice shows the same texts; a new shape opens the other sketch.
    click(kWin, QStringLiteral("btn2"));
    QCOMPARE(text(QStringLiteral("EskizD5"), QStringLiteral("razmA1")), QStringLiteral(" 1277.5"));
    click(QStringLiteral("EskizD5"), QStringLiteral("btn3"));
    calculate(QStringLiteral("500"), QStringLiteral("3000"), QStringLiteral("0"));
    click(kWin, QStringLiteral("btn2"));
    QCOMPARE(visibleWindows(), QStringList{"EskizD5_1"});
}

void TestCalcWindow::russianLocale() {
    QLocale::setDefault(QLocale(QStringLiteral("ru_RU")));
    calculate(QStringLiteral("1500,5"), QStringLiteral("1600"), QStringLiteral("500"));
    QVERIFY(shown(kWin, QStringLiteral("txtD5")));
    calculate(QStringLiteral("1500.5"), QStringLiteral("1600"), QStringLiteral("500"));
    QCOMPARE(shownPanel(), QStringList{"txtNo"});
}

void TestCalcWindow::windowsOfTheLayout_data() {
    QTest::addColumn<QString>("name");
    for (const auto& descriptor : talir::calculators::patternWindows())
        QTest::newRow(qPrintable(descriptor.name)) << descriptor.name;
}

void TestCalcWindow::windowsOfTheLayout() {
    QFETCH(QString, name);
    const auto* descriptor = talir::calculators::findPatternWindow(name);
    auto* calc = window(name);
    QCOMPARE(calc->windowTitle(), descriptor->caption);
    QCOMPARE(text(name, QStringLiteral("Label1")), descriptor->label1);
    QCOMPARE(text(name, QStringLiteral("Label2")), descriptor->label2);
    QCOMPARE(text(name, QStringLiteral("Label3")), QStringLiteral("Расход воздуха (Q), м3/ч"));
    QCOMPARE(calc->findChild<QObject*>(QStringLiteral("txtL02")) != nullptr, descriptor->jetThrow);
    QCOMPARE(calc->windowIcon().isNull(), !descriptor->emblemIcon);
    auto* menu = calc->findChild<QMenu*>(descriptor->menu);
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 2);
    QCOMPARE(menu->actions()[0]->objectName(), descriptor->menuHelp);
    QCOMPARE(menu->actions()[1]->objectName(), descriptor->menuAbout);
    for (const auto& extra : descriptor->extras) {
        auto* button = calc->findChild<QAbstractButton*>(extra.name);
        QVERIFY(button);
        QCOMPARE(button->text(), extra.text);
        QCOMPARE(button->isChecked(), extra.checked);
    }
}

QTEST_MAIN(TestCalcWindow)
#include "test_calcwindow.moc"
