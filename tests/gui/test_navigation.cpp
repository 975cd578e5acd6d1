#include "guitest.h"

#include "app/application.h"
#include "app/startwindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>

using namespace guitest;

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerOnce(); }
    void init() {
        closeEverything();
        registry().show(QStringLiteral("Start"));
    }

    void startUp();
    void dispatch_data();
    void dispatch();
    void nothingSelected();
    void typedEntryText();
    void typedEntrySelectsIt_data();
    void typedEntrySelectsIt();
    void pickingByKeys();
    void returnKeepsSelection();
    void exitAnswerNo();
    void exitAnswerYes();
    void exitRightAfterStartUp();
    void windowManagerCloseAsksToExit();
    void yesEndsTheEventLoop();
};

void TestNavigation::startUp() {
    auto* start = window(QStringLiteral("Start"));
    QCOMPARE(start->windowTitle(), QStringLiteral("ПОДБОР СОСТАВНЫХ РЕШЕТОК"));
    QCOMPARE(start->client()->size(), QSize(497, 200));
    QVERIFY(!(start->windowFlags() & Qt::WindowCloseButtonHint));
    auto* list = control<QComboBox>(QStringLiteral("Start"), QStringLiteral("Spis1"));
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->count(), 9);
    QCOMPARE(list->itemText(0), QStringLiteral("ПТ-Л"));
    QCOMPARE(list->itemText(8), QStringLiteral("ПТ-Ж"));
    QCOMPARE(start->focusWidget(), list);
    QCOMPARE(text(QStringLiteral("Start"), QStringLiteral("Label1")),
             QStringLiteral("Выберите тип вентиляционной  решетки"));
    auto* menu = start->findChild<QMenu*>(QStringLiteral("mnuHelp"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("&Помощь"));
    QCOMPARE(visibleWindows(), QStringList{"Start"});
}

void TestNavigation::dispatch_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("opened");
    for (const auto& [entry, window] : talir::app::StartWindow::types())
        QTest::newRow(qPrintable(window)) << entry << window;
}

void TestNavigation::dispatch() {
    QFETCH(QString, entry);
    QFETCH(QString, opened);
    auto* list = control<QComboBox>(QStringLiteral("Start"), QStringLiteral("Spis1"));
    list->setCurrentIndex(list->findText(entry));
    click(QStringLiteral("Start"), QStringLiteral("Command1"));
    // Exactly the chosen window is on screen ("ПТ-Л" is not "ПТ-ЛД"), and all
    // nine windows of the list exist from now on.
    QCOMPARE(visibleWindows(), QStringList{opened});
    for (const auto& [other, name] : talir::app::StartWindow::types())
        QVERIFY(registry().exists(name));
    QVERIFY(!registry().exists(QStringLiteral("PTD6set")));
}

void TestNavigation::nothingSelected() {
    click(QStringLiteral("Start"), QStringLiteral("Command1"));
    QCOMPARE(visibleWindows(), QStringList{"Start"});
    QVERIFY(!registry().exists(QStringLiteral("PTL")));
}

void TestNavigation::typedEntryText() {
    // The dispatch compares whatever the list holds, exactly.
    auto* list = control<QComboBox>(QStringLiteral("Start"), QStringLiteral("Spis1"));
    list->setEditable(true);
    list->setEditText(QStringLiteral("пт-д5"));
    click(QStringLiteral("Start"), QStringLiteral("Command1"));
    QCOMPARE(visibleWindows(), QStringList{"Start"});
    list->setEditText(QStringLiteral("ПТ-Д5"));
    click(QStringLiteral("Start"), QStringLiteral("Command1"));
    QCOMPARE(visibleWindows(), QStringList{"PTD5"});
}

void TestNavigation::typedEntrySelectsIt_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("opened");
    const auto& types = talir::app::StartWindow::types();
    for (int before = -1; before < static_cast<int>(types.size()); ++before)
        for (const auto& [entry, window] : types)
            QTest::addRow("%s from %s", qPrintable(window),
                          before < 0 ? "none" : qPrintable(types[before].second))
                << before << entry << window;
}

// Typed quickly into the closed list, an entry's whole text selects that
// entry, whatever was selected before: "ПТ-Л" is neither "ПТ-ЛД" nor "ПТ-ЛШ".
void TestNavigation::typedEntrySelectsIt() {
    QFETCH(int, before);
    QFETCH(QString, entry);
    QFETCH(QString, opened);
    auto* list = control<QComboBox>(QStringLiteral("Start"), QStringLiteral("Spis1"));
    list->setCurrentIndex(before);
    typeKeys(list, entry);
    QCOMPARE(list->currentText(), entry);
    click(QStringLiteral("Start"), QStringLiteral("Command1"));
    QCOMPARE(visibleWindows(), QStringList{opened});
}

// The list still picks as a drop-down list does: arrows, Home and End, and
// a first letter pressed again and again steps through the entries with it.
void TestNavigation::pickingByKeys() {
    auto* list = control<QComboBox>(QStringLiteral("Start"), QStringLiteral("Spis1"));
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), QStringLiteral("ПТ-Л"));
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), QStringLiteral("ПТ-ЛШ"));
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->currentText(), QStringLiteral("ПТ-Ж"));
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->currentText(), QStringLiteral("ПТ-Ф"));
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(list->currentText(), QStringLiteral("ПТ-Л"));
    typeKeys(list, QStringLiteral("ППП"));
    QCOMPARE(list->currentText(), QStringLiteral("ПТ-МШ"));
    // A text no entry starts with changes nothing.
    typeKeys(list, QStringLiteral("Х"));
    QCOMPARE(list->currentText(), QStringLiteral("ПТ-МШ"));
}

void TestNavigation::returnKeepsSelection() {
    auto* list = control<QComboBox>(QStringLiteral("Start"), QStringLiteral("Spis1"));
    list->setCurrentIndex(list->findText(QStringLiteral("ПТ-М")));
    click(QStringLiteral("Start"), QStringLiteral("Command1"));
    QCOMPARE(visibleWindows(), QStringList{"PTM"});
    click(QStringLiteral("PTM"), QStringLiteral("btn3"));
    QCOMPARE(visibleWindows(), QStringList{"Start"});
    QCOMPARE(list->currentText(), QStringLiteral("ПТ-М"));
    click(QStringLiteral("Start"), QStringLiteral("Command1"));
    QCOMPARE(visibleWindows(), QStringList{"PTM"});
}

void TestNavigation::exitAnswerNo() {
    auto* list = control<QComboBox>(QStringLiteral("Start"), QStringLiteral("Spis1"));
    list->setCurrentIndex(2);
    click(QStringLiteral("Start"), QStringLiteral("btn4"));
    QCOMPARE(visibleWindows(), (QStringList{"Eksit", "Start"}));
    auto* eksit = window(QStringLiteral("Eksit"));
    QCOMPARE(eksit->windowTitle(), QStringLiteral(" "));
    QCOMPARE(text(QStringLiteral("Eksit"), QStringLiteral("Label1")),
             QStringLiteral("Вы уверены что хотите выйти из программы?"));
    QCOMPARE(eksit->focusWidget()->objectName(), QStringLiteral("btn2"));
    // "Выход" again while the question is open keeps one question.
    click(QStringLiteral("Start"), QStringLiteral("btn4"));
    QCOMPARE(registry().existing(QStringLiteral("Eksit")), eksit);

    QSignalSpy closing(&registry(), &talir::calcwin::WindowRegistry::closing);
    click(QStringLiteral("Eksit"), QStringLiteral("btn2"));
    QCOMPARE(closing.size(), 1);
    QCOMPARE(closing.at(0).at(0).toString(), QStringLiteral("Eksit"));
    QVERIFY(!registry().exists(QStringLiteral("Eksit")));
    QCOMPARE(visibleWindows(), QStringList{"Start"});
    QCOMPARE(list->currentIndex(), 2);
}

void TestNavigation::exitAnswerYes() {
    // Visit every kind of window that exists so far, then answer "ДА".
    for (const QString& name : registry().shutdownOrder())
        if (registry().knows(name))
            registry().window(name);
    registry().show(QStringLiteral("PTD5"));
    click(QStringLiteral("Start"), QStringLiteral("btn4"));

    QSignalSpy closing(&registry(), &talir::calcwin::WindowRegistry::closing);
    QSignalSpy allClosed(&registry(), &talir::calcwin::WindowRegistry::allClosed);
    click(QStringLiteral("Eksit"), QStringLiteral("btn1"));
    QStringList order;
    for (const auto& arguments : closing)
        order << arguments.at(0).toString();
    QStringList expected;
    for (const QString& name : registry().shutdownOrder())
        if (registry().knows(name))
            expected << name;
    QCOMPARE(order, expected);
    QCOMPARE(allClosed.size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<ToolWindow*>(widget), qPrintable(widget->objectName()));
}

void TestNavigation::exitRightAfterStartUp() {
    QSignalSpy closing(&registry(), &talir::calcwin::WindowRegistry::closing);
    click(QStringLiteral("Start"), QStringLiteral("btn4"));
    click(QStringLiteral("Eksit"), QStringLiteral("btn1"));
    QCOMPARE(closing.size(), 2);
    QCOMPARE(closing.at(0).at(0).toString(), QStringLiteral("Eksit"));
    QCOMPARE(closing.at(1).at(0).toString(), QStringLiteral("Start"));
    QVERIFY(visibleWindows().isEmpty());
}

void TestNavigation::windowManagerCloseAsksToExit() {
    // Alt+F4 never leaves the process running without a window.
    for (const QString& name : {QStringLiteral("Start"), QStringLiteral("PTD5")}) {
        registry().show(name);
        QCloseEvent event;
        QApplication::sendEvent(window(name), &event);
        QVERIFY(!event.isAccepted());
        QVERIFY(window(name)->isVisible());
        QVERIFY(registry().existing(QStringLiteral("Eksit"))->isVisible());
        registry().close(QStringLiteral("Eksit"));
    }
}

void TestNavigation::yesEndsTheEventLoop() {
    // The program's own start, then "Выход" and "ДА" from inside the event
    // loop: the loop ends with status 0 and no window is left.
    closeEverything();
    talir::app::startTool();
    QTimer::singleShot(0, [] {
        click(QStringLiteral("PTD5"), QStringLiteral("btn4")); // creates PTD5 on the way
        click(QStringLiteral("Eksit"), QStringLiteral("btn1"));
    });
    QTimer hang; // a hang fails the test
    hang.setSingleShot(true);
    QObject::connect(&hang, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    hang.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(visibleWindows().isEmpty());
    QVERIFY(!registry().exists(QStringLiteral("Start")));
}

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
