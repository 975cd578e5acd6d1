// Moving between the windows and their help pages, and the About window.

#include "guitest.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QScreen>

using namespace guitest;

namespace {

void trigger(const QString& window, const QString& action) {
    auto* item = guitest::window(window)->findChild<QAction*>(action);
    if (!item)
        qFatal("no menu item %s in %s", qPrintable(action), qPrintable(window));
    item->trigger();
}

// Everything a user can see of a window: each named control with its
// visibility and its text.
QStringList snapshot(const QString& name) {
    QStringList lines;
    for (const QWidget* widget : window(name)->client()->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty())
            continue;
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            text = label->text();
        else if (const auto* box = qobject_cast<const QLineEdit*>(widget))
            text = box->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            text = button->text() + (button->isChecked() ? "[x]" : "");
        else if (const auto* list = qobject_cast<const QComboBox*>(widget))
            text = list->currentText();
        lines << widget->objectName() +
                     (widget->isVisibleTo(window(name)) ? " shown " : " hidden ") + text;
    }
    return lines;
}

void type(const QString& window, const QString& a, const QString& b, const QString& q) {
    control<QLineEdit>(window, QStringLiteral("txtA"))->setText(a);
    control<QLineEdit>(window, QStringLiteral("txtB"))->setText(b);
    control<QLineEdit>(window, QStringLiteral("txtQ"))->setText(q);
}

} // namespace

class TestHelpNavigation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerOnce(); }
    void init() {
        closeEverything();
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        registry().show(QStringLiteral("Start"));
    }

    void everyWindowHasAFactory();
    void pageTurns_data();
    void pageTurns();
    void menuItems_data();
    void menuItems();
    void meshTwinStaysBehindItsHelp();
    void mainWindowHelpKeepsSelection();
    void stripHelpReturnsToStripWindow();
    void aboutOpenedTwiceIsOneWindow();
    void aboutCloseBoxDestroysOnlyIt();
    void aboutFrame();
};

void TestHelpNavigation::everyWindowHasAFactory() {
    QStringList missing;
    for (const QString& name : registry().shutdownOrder())
        if (!registry().knows(name))
            missing << name;
    QCOMPARE(missing, QStringList());
}

void TestHelpNavigation::pageTurns_data() {
    QTest::addColumn<QString>("calc");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    const auto row = [](const char* calc, const char* help, const char* first, const char* second) {
        QTest::newRow(calc) << QString(calc) << QString(help) << QString(first) << QString(second);
    };
    row("PTD5", "mnuSprD5", "HelpD5", "HelpD51");
    row("PTD6", "mnuSprD6", "HelpD6", "HelpD61");
    row("PTL", "mnuSpr", "HelpL", "HelpL1");
    row("PTLW", "mnuSprLW", "HelpLW", "HelpLW1");
    row("PTM", "mnuSpr", "HelpM", "HelpM1");
    row("PTMW", "mnuSprMW", "HelpMW", "HelpMW1");
    row("PTF", "mnuSpr", "HelpF", "HelpF1");
    row("PTJ", "mnuSpr", "HelpJ", "HelpJ1");
}

// "Справка", "Далее>>>", "<<<Назад", "Далее>>>", "ВЕРНУТЬСЯ В ПРОГРАММУ":
// one window on screen at each step, and the calculation window comes back
// exactly as it was left, though its pages photographed a window of the same
// type filled with another example.
void TestHelpNavigation::pageTurns() {
    QFETCH(QString, calc);
    QFETCH(QString, help);
    QFETCH(QString, first);
    QFETCH(QString, second);
    registry().hide(QStringLiteral("Start"));
    registry().show(calc);
    type(calc, QStringLiteral("3100"), QStringLiteral("700"), QStringLiteral("150"));
    click(calc, QStringLiteral("btn1"));
    const QStringList before = snapshot(calc);
    QVERIFY(!registry().exists(first));
    const int topLevels = QApplication::topLevelWidgets().size();

    trigger(calc, help);
    QCOMPARE(visibleWindows(), QStringList{first});
    // The page and nothing else is new: the window photographed for its
    // picture is gone again.
    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels + 1);
    click(first, QStringLiteral("btn2"));
    QCOMPARE(visibleWindows(), QStringList{second});
    click(second, QStringLiteral("btn2"));
    QCOMPARE(visibleWindows(), QStringList{first});
    click(first, QStringLiteral("btn2"));
    QCOMPARE(visibleWindows(), QStringList{second});
    click(second, QStringLiteral("btn1"));
    QCOMPARE(visibleWindows(), QStringList{calc});
    QCOMPARE(snapshot(calc), before);

    // The first page leads back as well, and a second visit reuses the pages.
    QWidget* page = registry().existing(first);
    trigger(calc, help);
    QCOMPARE(registry().existing(first), page);
    QCOMPARE(visibleWindows(), QStringList{first});
    click(first, QStringLiteral("btn1"));
    QCOMPARE(visibleWindows(), QStringList{calc});
    QCOMPARE(snapshot(calc), before);
}

void TestHelpNavigation::menuItems_data() {
    QTest::addColumn<QString>("calc");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("about");
    QTest::addColumn<QStringList>("shownByHelp");
    const auto row = [](const char* calc, const char* help, const char* about, QStringList shown) {
        QTest::newRow(calc) << QString(calc) << QString(help) << QString(about) << shown;
    };
    row("Start", "mnuSpravka", "mnuProg", {"HelpStart"});
    row("PTD5", "mnuSprD5", "mnuProgD5", {"HelpD5"});
    row("PTD6", "mnuSprD6", "mnuProgD6", {"HelpD6"});
    row("PTD6set", "mnuSprD6", "mnuProgD6", {"HelpD6", "PTD6set"});
    row("PTL", "mnuSpr", "mnuProg", {"HelpL"});
    row("PTLW", "mnuSprLW", "mnuProgLW", {"HelpLW"});
    row("PTM", "mnuSpr", "mnuProg", {"HelpM"});
    row("PTMW", "mnuSprMW", "mnuProgMW", {"HelpMW"});
    row("PTF", "mnuSpr", "mnuProg", {"HelpF"});
    row("PTJ", "mnuSpr", "mnuProg", {"HelpJ"});
}

// "О программе" opens the About window in front of the window it was chosen
// in; "Справка" shows the window's first help page and hides the window.
void TestHelpNavigation::menuItems() {
    QFETCH(QString, calc);
    QFETCH(QString, help);
    QFETCH(QString, about);
    QFETCH(QStringList, shownByHelp);
    registry().hide(QStringLiteral("Start"));
    registry().show(calc);
    trigger(calc, about);
    QCOMPARE(visibleWindows(), (QStringList{"Prog", calc}));
    registry().close(QStringLiteral("Prog"));
    trigger(calc, help);
    QCOMPARE(visibleWindows(), shownByHelp);
}

// The mesh twin of ПТ-Д6 stays on screen behind its help; the help leads to
// the plain ПТ-Д6 window from either page, so both twins are then on screen.
void TestHelpNavigation::meshTwinStaysBehindItsHelp() {
    for (const QString& page : {QStringLiteral("HelpD6"), QStringLiteral("HelpD61")}) {
        closeEverything();
        registry().show(QStringLiteral("PTD6set"));
        type(QStringLiteral("PTD6set"), QStringLiteral("2600"), QStringLiteral("900"),
             QStringLiteral("0"));
        const QStringList before = snapshot(QStringLiteral("PTD6set"));
        trigger(QStringLiteral("PTD6set"), QStringLiteral("mnuSprD6"));
        QCOMPARE(visibleWindows(), (QStringList{"HelpD6", "PTD6set"}));
        if (page == QStringLiteral("HelpD61")) {
            click(QStringLiteral("HelpD6"), QStringLiteral("btn2"));
            QCOMPARE(visibleWindows(), (QStringList{"HelpD61", "PTD6set"}));
        }
        click(page, QStringLiteral("btn1"));
        QCOMPARE(visibleWindows(), (QStringList{"PTD6", "PTD6set"}));
        QCOMPARE(snapshot(QStringLiteral("PTD6set")), before);
    }
}

void TestHelpNavigation::mainWindowHelpKeepsSelection() {
    auto* list = control<QComboBox>(QStringLiteral("Start"), QStringLiteral("Spis1"));
    list->setCurrentIndex(list->findText(QStringLiteral("ПТ-МШ")));
    trigger(QStringLiteral("Start"), QStringLiteral("mnuSpravka"));
    QCOMPARE(visibleWindows(), QStringList{"HelpStart"});
    click(QStringLiteral("HelpStart"), QStringLiteral("btn1"));
    QCOMPARE(visibleWindows(), QStringList{"Start"});
    QCOMPARE(list->currentText(), QStringLiteral("ПТ-МШ"));
    click(QStringLiteral("Start"), QStringLiteral("Command1"));
    QCOMPARE(visibleWindows(), QStringList{"PTMW"});
}

void TestHelpNavigation::stripHelpReturnsToStripWindow() {
    registry().hide(QStringLiteral("Start"));
    registry().show(QStringLiteral("Help"));
    QCOMPARE(visibleWindows(), QStringList{"Help"});
    QVERIFY(!window(QStringLiteral("Help"))->control(QStringLiteral("btn2")));
    click(QStringLiteral("Help"), QStringLiteral("btn1"));
    QCOMPARE(visibleWindows(), QStringList{"PTLD"});
}

void TestHelpNavigation::aboutOpenedTwiceIsOneWindow() {
    trigger(QStringLiteral("Start"), QStringLiteral("mnuProg"));
    QWidget* about = registry().existing(QStringLiteral("Prog"));
    QVERIFY(about);
    trigger(QStringLiteral("Start"), QStringLiteral("mnuProg"));
    QCOMPARE(registry().existing(QStringLiteral("Prog")), about);
    // From a calculation window it is still the same one.
    registry().show(QStringLiteral("PTD5"));
    trigger(QStringLiteral("PTD5"), QStringLiteral("mnuProgD5"));
    QCOMPARE(registry().existing(QStringLiteral("Prog")), about);
    int abouts = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        abouts += widget->windowTitle() == QStringLiteral("О программе");
    QCOMPARE(abouts, 1);
    QCOMPARE(visibleWindows(), (QStringList{"Prog", "Start", "PTD5"}));
}

// The close box destroys the About window, and only it: the exit question is
// not asked and every other window stays as it was.
void TestHelpNavigation::aboutCloseBoxDestroysOnlyIt() {
    auto* list = control<QComboBox>(QStringLiteral("Start"), QStringLiteral("Spis1"));
    list->setCurrentIndex(4);
    registry().show(QStringLiteral("PTD5"));
    type(QStringLiteral("PTD5"), QStringLiteral("2500"), QStringLiteral("600"),
         QStringLiteral("200"));
    click(QStringLiteral("PTD5"), QStringLiteral("btn1"));
    const QStringList start = snapshot(QStringLiteral("Start"));
    const QStringList calc = snapshot(QStringLiteral("PTD5"));
    trigger(QStringLiteral("PTD5"), QStringLiteral("mnuProgD5"));
    QSignalSpy closing(&registry(), &talir::calcwin::WindowRegistry::closing);

    QCloseEvent event;
    QApplication::sendEvent(window(QStringLiteral("Prog")), &event);
    QVERIFY(event.isAccepted());
    QCOMPARE(closing.size(), 1);
    QCOMPARE(closing.at(0).at(0).toString(), QStringLiteral("Prog"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!registry().exists(QStringLiteral("Prog")));
    QVERIFY(!registry().exists(QStringLiteral("Eksit")));
    QCOMPARE(visibleWindows(), (QStringList{"Start", "PTD5"}));
    QCOMPARE(snapshot(QStringLiteral("Start")), start);
    QCOMPARE(snapshot(QStringLiteral("PTD5")), calc);

    // The next "О программе" builds it afresh.
    trigger(QStringLiteral("Start"), QStringLiteral("mnuProg"));
    QVERIFY(registry().existing(QStringLiteral("Prog"))->isVisible());
}

void TestHelpNavigation::aboutFrame() {
    registry().show(QStringLiteral("Prog"));
    auto* about = window(QStringLiteral("Prog"));
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->windowTitle(), QStringLiteral("О программе"));
    QCOMPARE(about->client()->size(), QSize(391, 106));
    QVERIFY(about->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(
        !(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(about->windowIcon().pixmap(32).toImage(),
             QIcon(QStringLiteral(":/info.svg")).pixmap(32).toImage());
    QVERIFY(about->findChildren<QPushButton*>().isEmpty());
    const QPoint centre = about->frameGeometry().center();
    QVERIFY((centre - about->screen()->availableGeometry().center()).manhattanLength() <= 2);

    // Four one-line credits, centred one under the other, the year among them.
    struct Credit {
        const char* name;
        QRect rect;
    };
    const Credit credits[] = {{"Label1", {39, 8, 313, 17}},
                              {"Label4", {115, 32, 161, 17}},
                              {"Label2", {143, 56, 105, 17}},
                              {"Label3", {135, 80, 121, 17}}};
    for (const Credit& credit : credits) {
        auto* label = control<QLabel>(QStringLiteral("Prog"), QString::fromLatin1(credit.name));
        QVERIFY2(!label->text().trimmed().isEmpty(), credit.name);
        QVERIFY(!label->wordWrap());
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(label->y(), credit.rect.y());
        QVERIFY(qAbs(label->geometry().center().x() - credit.rect.center().x()) <= 1);
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                 credit.name);
        QVERIFY(about->client()->rect().contains(label->geometry()));
    }
    QVERIFY(
        text(QStringLiteral("Prog"), QStringLiteral("Label1")).contains(QStringLiteral("2007")));
    QVERIFY(text(QStringLiteral("Prog"), QStringLiteral("Label3")).contains(QLatin1Char('@')));
}

QTEST_MAIN(TestHelpNavigation)
#include "test_helpnavigation.moc"
