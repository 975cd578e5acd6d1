// The calculation windows of every grille type: sketch choice by shape, the
// ПТ-Д6 pair switching to each other, the sub-type check boxes and the
// jet-throw row.
#include "guitest.h"

#include "calculators/calculator.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QRegularExpression>

using namespace guitest;

namespace {

void calculate(const QString& window, const QString& a, const QString& b, const QString& q) {
    control<QLineEdit>(window, QStringLiteral("txtA"))->setText(a);
    control<QLineEdit>(window, QStringLiteral("txtB"))->setText(b);
    control<QLineEdit>(window, QStringLiteral("txtQ"))->setText(q);
    click(window, QStringLiteral("btn1"));
}

QString input(const QString& window, const char* box) {
    return control<QLineEdit>(window, QString::fromLatin1(box))->text();
}

bool checked(const QString& window, const char* name) {
    return control<QAbstractButton>(window, QString::fromLatin1(name))->isChecked();
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void trigger(const QString& window, const QString& action) {
    auto* item = guitest::window(window)->findChild<QAction*>(action);
    if (!item)
        qFatal("no menu item %s in %s", qPrintable(action), qPrintable(window));
    item->trigger();
}

} // namespace

class TestTypes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerOnce(); }
    void init() {
        closeEverything();
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void sketchByShape_data();
    void sketchByShape();
    void meshSwitchBothWays();
    void meshWindowKeptWhileHidden();
    void sketchOfMeshTwinReturnsToPlainWindow();
    void oneD6SketchWithBothWindowsShown_data();
    void oneD6SketchWithBothWindowsShown();
    void subTypeReadAtCalculation_data();
    void subTypeReadAtCalculation();
    void jetThrowRowFollowsFlow();
};

void TestTypes::sketchByShape_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("sketch");
    QTest::addColumn<QString>("returnsTo");
    const auto row = [](const char* window, const char* a, const char* b, const char* sketch,
                        const char* returnsTo) {
        QTest::addRow("%s %s x %s", window, a, b) << window << a << b << sketch << returnsTo;
    };
    row("PTD6", "2500", "600", "EskizD6", "PTD6");
    row("PTD6", "600", "2500", "EskizD6_1", "PTD6");
    row("PTL", "2500", "600", "EskizL", "PTL");
    row("PTL", "600", "2500", "EskizL1", "PTL");
    row("PTL", "2483", "2473", "EskizL2", "PTL");
    row("PTLW", "600", "2500", "EskizLW", "PTLW");
    row("PTLW", "2500", "600", "EskizLW_1", "PTLW");
    row("PTLW", "2483", "459", "EskizLW_2", "PTLW");
    row("PTM", "2500", "600", "EskizM", "PTM");
    row("PTM", "600", "2500", "EskizM_1", "PTM");
    // A square ПТ-М section has no sketch of its own: the wide one serves,
    // rather than a button that does nothing.
    row("PTM", "2000", "2000", "EskizM", "PTM");
    row("PTMW", "600", "2500", "EskizMW", "PTMW");
    row("PTMW", "2500", "600", "EskizMW_1", "PTMW");
    row("PTMW", "2483", "459", "EskizMW_2", "PTMW");
    row("PTF", "2500", "600", "EskizF", "PTF");
    row("PTF", "600", "2500", "EskizF_1", "PTF");
    row("PTF", "2000", "2000", "EskizF_2", "PTF");
    row("PTJ", "2500", "600", "EskizJ", "PTJ");
    row("PTJ", "300", "671", "EskizJ_1", "PTJ");
    row("PTJ", "1100", "1100", "EskizJ_2", "PTJ");
}

void TestTypes::sketchByShape() {
    QFETCH(QString, window);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, sketch);
    QFETCH(QString, returnsTo);
    registry().show(window);
    calculate(window, a, b, QStringLiteral("500"));
    QVERIFY(shown(window, QStringLiteral("btn2")));
    click(window, QStringLiteral("btn2"));
    QCOMPARE(visibleWindows(), QStringList{sketch});
    // The four sizes arrive as the calculation wrote them.
    const QStringList stores = {"Label6", "Label7", "Label8", "Label9"};
    QStringList handed;
    for (const QString& store : stores)
        handed << text(window, store);
    QStringList labels;
    for (auto* label : guitest::window(sketch)->client()->findChildren<QLabel*>(
             QRegularExpression(QStringLiteral("^[rR]azm(A1|B1|A|B)$"))))
        labels << label->text();
    for (const QString& size : handed)
        QVERIFY2(labels.contains(size), qPrintable(size));
    click(sketch, QStringLiteral("btn3"));
    QCOMPARE(visibleWindows(), QStringList{returnsTo});
    QCOMPARE(input(window, "txtA"), a);
}

void TestTypes::meshSwitchBothWays() {
    registry().show(QStringLiteral("PTD6"));
    calculate(QStringLiteral("PTD6"), QStringLiteral("2500"), QStringLiteral("600"),
              QStringLiteral("100"));
    QVERIFY(checked("PTD6", "Option1"));

    // "С сеткой": the plain window is unloaded, the mesh twin comes up new.
    click(QStringLiteral("PTD6"), QStringLiteral("Option2"));
    settle();
    QVERIFY(!registry().exists(QStringLiteral("PTD6")));
    QCOMPARE(visibleWindows(), QStringList{"PTD6set"});
    QVERIFY(checked("PTD6set", "Option1"));
    QVERIFY(!checked("PTD6set", "Bezset"));
    QCOMPARE(input("PTD6set", "txtA"), QStringLiteral("0"));
    calculate(QStringLiteral("PTD6set"), QStringLiteral("3000"), QStringLiteral("1500"),
              QStringLiteral("5000"));
    QCOMPARE(text(QStringLiteral("PTD6set"), QStringLiteral("txtD5")),
             QStringLiteral("Решетка ТАЛИР ПТ-Д6 1460x 710 - 4 шт."));

    // "Без сетки": the twin is unloaded, the plain window comes up as new,
    // with "Без сетки" selected and nothing typed.
    click(QStringLiteral("PTD6set"), QStringLiteral("Bezset"));
    settle();
    QVERIFY(!registry().exists(QStringLiteral("PTD6set")));
    QCOMPARE(visibleWindows(), QStringList{"PTD6"});
    QVERIFY(checked("PTD6", "Option1"));
    QVERIFY(!checked("PTD6", "Option2"));
    QCOMPARE(input("PTD6", "txtA"), QStringLiteral("0"));
    QVERIFY(!shown(QStringLiteral("PTD6"), QStringLiteral("txtD5")));
}

void TestTypes::meshWindowKeptWhileHidden() {
    // Hidden, not closed, by the return to the type list: "С сеткой" in the
    // plain window brings it back as it was; "Без сетки" in the plain window
    // unloads it and leaves the plain window's inputs alone.
    registry().show(QStringLiteral("PTD6"));
    click(QStringLiteral("PTD6"), QStringLiteral("Option2"));
    settle();
    control<QLineEdit>(QStringLiteral("PTD6set"), QStringLiteral("txtA"))
        ->setText(QStringLiteral("1234"));
    registry().hide(QStringLiteral("PTD6set"));
    registry().show(QStringLiteral("PTD6"));
    control<QLineEdit>(QStringLiteral("PTD6"), QStringLiteral("txtA"))
        ->setText(QStringLiteral("777"));
    click(QStringLiteral("PTD6"), QStringLiteral("Option2"));
    settle();
    QCOMPARE(input("PTD6set", "txtA"), QStringLiteral("1234"));

    registry().show(QStringLiteral("PTD6"));
    control<QLineEdit>(QStringLiteral("PTD6"), QStringLiteral("txtA"))
        ->setText(QStringLiteral("777"));
    click(QStringLiteral("PTD6"), QStringLiteral("Option1"));
    settle();
    QVERIFY(!registry().exists(QStringLiteral("PTD6set")));
    QCOMPARE(input("PTD6", "txtA"), QStringLiteral("777"));
    QVERIFY(visibleWindows().contains(QStringLiteral("PTD6")));
}

void TestTypes::sketchOfMeshTwinReturnsToPlainWindow() {
    registry().show(QStringLiteral("PTD6"));
    click(QStringLiteral("PTD6"), QStringLiteral("Option2"));
    settle();
    calculate(QStringLiteral("PTD6set"), QStringLiteral("3000"), QStringLiteral("1500"),
              QStringLiteral("0"));
    click(QStringLiteral("PTD6set"), QStringLiteral("btn2"));
    QCOMPARE(visibleWindows(), QStringList{"EskizD6"});
    click(QStringLiteral("EskizD6"), QStringLiteral("btn3"));
    // The plain window comes back in its first state; the twin stays hidden
    // with its result.
    QCOMPARE(visibleWindows(), QStringList{"PTD6"});
    QCOMPARE(input("PTD6", "txtA"), QStringLiteral("0"));
    QCOMPARE(input("PTD6set", "txtA"), QStringLiteral("3000"));
    QCOMPARE(text(QStringLiteral("PTD6set"), QStringLiteral("txtD5")),
             QStringLiteral("Решетка ТАЛИР ПТ-Д6 1460x 710 - 4 шт."));
}

void TestTypes::oneD6SketchWithBothWindowsShown_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstSketch");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondSketch");
    // 3000 x 1500 makes a wide section with the mesh, a tall one without.
    QTest::newRow("mesh twin first") << "PTD6set"
                                     << "EskizD6"
                                     << "PTD6"
                                     << "EskizD6_1";
    QTest::newRow("plain window first") << "PTD6"
                                        << "EskizD6_1"
                                        << "PTD6set"
                                        << "EskizD6";
}

// Both ПТ-Д6 windows are on screen after the mesh twin's help; the sketch
// opened from the second one replaces the one opened from the first.
void TestTypes::oneD6SketchWithBothWindowsShown() {
    QFETCH(QString, first);
    QFETCH(QString, firstSketch);
    QFETCH(QString, second);
    QFETCH(QString, secondSketch);
    registry().show(QStringLiteral("PTD6"));
    click(QStringLiteral("PTD6"), QStringLiteral("Option2"));
    settle();
    trigger(QStringLiteral("PTD6set"), QStringLiteral("mnuSprD6"));
    click(QStringLiteral("HelpD6"), QStringLiteral("btn1"));
    QCOMPARE(visibleWindows(), (QStringList{"PTD6", "PTD6set"}));

    calculate(first, QStringLiteral("3000"), QStringLiteral("1500"), QStringLiteral("5000"));
    click(first, QStringLiteral("btn2"));
    QStringList both = visibleWindows();
    both.sort();
    QStringList expected = {second, firstSketch};
    expected.sort();
    QCOMPARE(both, expected);
    calculate(second, QStringLiteral("3000"), QStringLiteral("1500"), QStringLiteral("5000"));
    click(second, QStringLiteral("btn2"));
    QCOMPARE(visibleWindows(), QStringList{secondSketch});
    click(secondSketch, QStringLiteral("btn3"));
    QCOMPARE(visibleWindows(), QStringList{"PTD6"});
}

void TestTypes::subTypeReadAtCalculation_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::newRow("ПТ-Ф1") << "PTF"
                           << "F1";
    QTest::newRow("ПТ-Ж1") << "PTJ"
                           << "J1";
}

void TestTypes::subTypeReadAtCalculation() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    const auto calculator = talir::calculators::calculatorFor(window);
    const auto expected = [&](bool sub) {
        return calculator({QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("500"),
                           sub, QLocale(QStringLiteral("en_US"))})
            .text(QStringLiteral("txtD5"));
    };
    QVERIFY(expected(false) != expected(true));

    registry().show(window);
    auto* check = control<QCheckBox>(window, box);
    QVERIFY(!check->isChecked());
    calculate(window, QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("500"));
    QCOMPARE(text(window, QStringLiteral("txtD5")), expected(false));
    // Ticking changes nothing until the next calculation.
    check->setChecked(true);
    QCOMPARE(text(window, QStringLiteral("txtD5")), expected(false));
    click(window, QStringLiteral("btn1"));
    QCOMPARE(text(window, QStringLiteral("txtD5")), expected(true));
    // The return to the type list keeps the box ticked.
    click(window, QStringLiteral("btn3"));
    QVERIFY(check->isChecked());
}

void TestTypes::jetThrowRowFollowsFlow() {
    for (const auto& descriptor : talir::calculators::patternWindows()) {
        if (!descriptor.jetThrow)
            continue;
        const QString& window = descriptor.name;
        registry().show(window);
        calculate(window, QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("0"));
        QVERIFY2(shown(window, QStringLiteral("txtSo")), qPrintable(window));
        for (const char* name : {"Label10", "txtL02", "txtP", "txt7", "txt8"})
            QVERIFY2(!shown(window, QString::fromLatin1(name)), name);
        calculate(window, QStringLiteral("2500"), QStringLiteral("600"), QStringLiteral("500"));
        for (const char* name : {"Label10", "txtL02", "txtP", "txt7", "txt8"})
            QVERIFY2(shown(window, QString::fromLatin1(name)), name);
        QVERIFY(text(window, QStringLiteral("txtL02")).startsWith(QStringLiteral("L02=")));
        registry().hide(window);
    }
}

QTEST_MAIN(TestTypes)
#include "test_types.moc"
