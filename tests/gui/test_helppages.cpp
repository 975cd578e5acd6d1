// The help pages as the user reads them: frames, texts word for word, and a
// layout in which every text fits and nothing covers anything else.

#include "guitest.h"

#include "app/helppicture.h"

#include <QMenuBar>
#include <QScreen>

using namespace guitest;
using talir::app::HelpPicture;

namespace {

using Texts = QList<QPair<QString, QString>>;

const QStringList& allPages() {
    static const QStringList pages = {"HelpStart", "Help",   "HelpD5", "HelpD51", "HelpD6",
                                      "HelpD61",   "HelpL",  "HelpL1", "HelpLW",  "HelpLW1",
                                      "HelpM",     "HelpM1", "HelpMW", "HelpMW1", "HelpF",
                                      "HelpF1",    "HelpJ",  "HelpJ1"};
    return pages;
}

// What a part of the page takes up: a text as far as its lines reach, a
// picture where its photograph is drawn, a button its whole rectangle.
QRect usedArea(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap())
            return QRect(label->pos(),
                         QSize(label->width(), label->heightForWidth(label->width())));
        return label->geometry();
    }
    if (const auto* picture = qobject_cast<const HelpPicture*>(widget))
        return picture->imageRect().translated(picture->pos()).toAlignedRect();
    return widget->geometry();
}

} // namespace

Q_DECLARE_METATYPE(Texts)

class TestHelpPages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerOnce(); }
    void init() { closeEverything(); }

    void texts_data();
    void texts();
    void frames_data();
    void frames();
    void textsFitWithoutOverlap_data();
    void textsFitWithoutOverlap();
    void statedPositions_data();
    void statedPositions();
};

void TestHelpPages::texts_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<Texts>("texts");
    // clang-format off
    QTest::newRow("HelpStart") << QStringLiteral("HelpStart") << Texts{
          {"Label1", QStringLiteral("Данная программа предназначена для подбора составных вентиляционных решеток.")},
          {"Label2", QStringLiteral("Для подбора нужной решетки необходимо выбрать эту решетку в раскрывающемся списке и нажать кнопку \"ВЫБРАТЬ\". Для выхода из программы необходимо нажать кнопку \"ВЫХОД\" (см. рисунок).")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")}};
    QTest::newRow("Help") << QStringLiteral("Help") << Texts{
          {"Label1", QStringLiteral("   Настоящая программа предназначена для подбора составных решеток серии ТАЛИР ПТ-ЛД")},
          {"Label2", QStringLiteral("Для расчета геометрических размеров решеток необходимо ввести горизонтальный (А1) и вертикальный* (В1) размер строительного проема, а для определения падения давления и дальнобойности струи** еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1). Если все данные введены правильно, в верхней части появится эскиз на котором показываются все размеры, а в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки, падение давления и дальнобойность струи  данной составной  решетки (рисунок 2)")},
          {"Label3", QStringLiteral("Рисунок 1")},
          {"Label4", QStringLiteral("Рисунок 2")},
          {"Label5", QStringLiteral("Стандартные горизонтальные размеры решеток ТАЛИР ПТ-ЛД1  от 250 мм до 750 мм с шагом 25 мм. Решетки ТАЛИР ПТ-ЛД2 изготавливаются одного стандартного горизонтального типоразмера равного 1000мм.")},
          {"Label7", QStringLiteral("*Вертикальный размер строительного проема можно задать при помощи выпадающего списка (в нем указаны размеры проема для стандартных размеров решеток, т.е. проем больше размера решетки на 5 мм). ")},
          {"Label6", QStringLiteral("**Дальнобойность струи - это расстояние от выходного сечения решетки до сечения, в котором максимальная скорость составляет 0,2 м/с.")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")}};
    QTest::newRow("HelpD5") << QStringLiteral("HelpD5") << Texts{
          {"Label1", QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-Д5")},
          {"Label2", QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести горизонтальный (А) и вертикальный (В) размер строительного проема, а для определения падения давления  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1).")},
          {"Label4", QStringLiteral("Рисунок 1")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")},
          {"btn2", QStringLiteral("Далее>>>")}};
    QTest::newRow("HelpD51") << QStringLiteral("HelpD51") << Texts{
          {"Label3", QStringLiteral("        Если все данные введены правильно, то в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки. Падение давления данной составной  решетки показывается только в том случае если значение расхода воздуха Q> 0 м3/ч  (рисунок 2).")},
          {"Label5", QStringLiteral("       Если необходимо выбрать другой тип решетки, надо нажать на кнопку \"ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТКИ\" (рисунок 2)")},
          {"Label6", QStringLiteral("       Если все данные введены корректно и решетка является составной, то ниже кнопки \"ПОДОБРАТЬ РЕШЕТКИ\"  появляется кнопка  \"ПОКАЗАТЬ ЭСКИЗ\" (рисунок 2),  при нажатии на которую появляется окно с эскизом решетки и указанием размеров . Для возврата в программу необходимо нажать кнопку  \"ВЕРНУТЬСЯ В ПРОГРАММУ\".")},
          {"Label7", QStringLiteral("Рисунок 2")},
          {"btn2", QStringLiteral("<<<Назад")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")}};
    QTest::newRow("HelpD6") << QStringLiteral("HelpD6") << Texts{
          {"Label1", QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-Д6")},
          {"Label2", QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести горизонтальный (А) и вертикальный (В) размер строительного проема, а для определения падения давления  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1).")},
          {"Label4", QStringLiteral("Рисунок 1")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")},
          {"btn2", QStringLiteral("Далее>>>")}};
    QTest::newRow("HelpD61") << QStringLiteral("HelpD61") << Texts{
          {"Label3", QStringLiteral("        Если все данные введены правильно, то в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки. Падение давления данной составной  решетки показывается только в том случае если значение расхода воздуха Q> 0 м3/ч  (рисунок 2).")},
          {"Label5", QStringLiteral("       Если необходимо выбрать другой тип решетки, надо нажать на кнопку \"ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТКИ\" (рисунок 2)")},
          {"Label6", QStringLiteral("       Если все данные введены корректно и решетка является составной, то ниже кнопки \"ПОДОБРАТЬ РЕШЕТКИ\"  появляется кнопка  \"ПОКАЗАТЬ ЭСКИЗ\" (рисунок 2),  при нажатии на которую появляется окно с эскизом решетки и указанием размеров . Для возврата в программу необходимо нажать кнопку  \"ВЕРНУТЬСЯ В ПРОГРАММУ\".")},
          {"Label7", QStringLiteral("Рисунок 2")},
          {"btn2", QStringLiteral("<<<Назад")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")}};
    QTest::newRow("HelpL") << QStringLiteral("HelpL") << Texts{
          {"Label1", QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-Л")},
          {"Label2", QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести посадочный горизонтальный (А) и вертикальный (В) размеры решетки, а для определения падения давления и дальнобойности струи*  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1).")},
          {"Label4", QStringLiteral("Рисунок 1")},
          {"Label6", QStringLiteral("*Дальнобойность струи - это расстояние от выходного сечения решетки до сечения, в котором максимальная скорость составляет 0,2 м/с.")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")},
          {"btn2", QStringLiteral("Далее>>>")}};
    QTest::newRow("HelpL1") << QStringLiteral("HelpL1") << Texts{
          {"Label3", QStringLiteral("        Если все данные введены правильно, то в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки. Падение давления данной составной  решетки и дальнобойность струи показывается только в том случае если значение расхода воздуха Q> 0 м3/ч  (рисунок 2).")},
          {"Label5", QStringLiteral("       Если необходимо выбрать другой тип решетки, надо нажать на кнопку \"ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТКИ\" (рисунок 2)")},
          {"Label6", QStringLiteral("       Если все данные введены корректно и решетка является составной, то ниже кнопки \"ПОДОБРАТЬ РЕШЕТКИ\"  появляется кнопка  \"ПОКАЗАТЬ ЭСКИЗ\" (рисунок 2),  при нажатии на которую появляется окно с эскизом решетки и указанием размеров . Для возврата в программу необходимо нажать кнопку  \"ВЕРНУТЬСЯ В ПРОГРАММУ\".")},
          {"Label7", QStringLiteral("Рисунок 2")},
          {"btn2", QStringLiteral("<<<Назад")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")}};
    QTest::newRow("HelpLW") << QStringLiteral("HelpLW") << Texts{
          {"Label1", QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-ЛШ")},
          {"Label2", QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести посадочный  горизонтальный (А) и вертикальный (В) размеры решетки, а для определения падения давления и дальнобойности струи*  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1).")},
          {"Label4", QStringLiteral("Рисунок 1")},
          {"Label6", QStringLiteral("*Дальнобойность струи - это расстояние от выходного сечения решетки до сечения, в котором максимальная скорость составляет 0,2 м/с.")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")},
          {"btn2", QStringLiteral("Далее>>>")}};
    QTest::newRow("HelpLW1") << QStringLiteral("HelpLW1") << Texts{
          {"Label3", QStringLiteral("        Если все данные введены правильно, то в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки. Падение давления данной составной  решетки и дальнобойность струи показывается только в том случае если значение расхода воздуха Q> 0 м3/ч  (рисунок 2).")},
          {"Label5", QStringLiteral("       Если необходимо выбрать другой тип решетки, надо нажать на кнопку \"ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТКИ\" (рисунок 2)")},
          {"Label6", QStringLiteral("       Если все данные введены корректно и решетка является составной, то ниже кнопки \"ПОДОБРАТЬ РЕШЕТКИ\"  появляется кнопка  \"ПОКАЗАТЬ ЭСКИЗ\" (рисунок 2),  при нажатии на которую появляется окно с эскизом решетки и указанием размеров . Для возврата в программу необходимо нажать кнопку  \"ВЕРНУТЬСЯ В ПРОГРАММУ\".")},
          {"Label7", QStringLiteral("Рисунок 2")},
          {"btn2", QStringLiteral("<<<Назад")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")}};
    QTest::newRow("HelpM") << QStringLiteral("HelpM") << Texts{
          {"Label1", QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-М")},
          {"Label2", QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести условный горизонтальный (А) и вертикальный (В) размеры , а для определения падения давления и дальнобойности струи*  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1).")},
          {"Label4", QStringLiteral("Рисунок 1")},
          {"Label6", QStringLiteral("*Дальнобойность струи - это расстояние от выходного сечения решетки до сечения, в котором максимальная скорость составляет 0,2 м/с.")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")},
          {"btn2", QStringLiteral("Далее>>>")}};
    QTest::newRow("HelpM1") << QStringLiteral("HelpM1") << Texts{
          {"Label3", QStringLiteral("        Если все данные введены правильно, то в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки. Падение давления данной составной  решетки и дальнобойность струи показывается только в том случае если значение расхода воздуха Q> 0 м3/ч  (рисунок 2).")},
          {"Label5", QStringLiteral("       Если необходимо выбрать другой тип решетки, надо нажать на кнопку \"ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТКИ\" (рисунок 2)")},
          {"Label6", QStringLiteral("       Если все данные введены корректно и решетка является составной, то ниже кнопки \"ПОДОБРАТЬ РЕШЕТКИ\"  появляется кнопка  \"ПОКАЗАТЬ ЭСКИЗ\" (рисунок 2),  при нажатии на которую появляется окно с эскизом решетки и указанием размеров . Для возврата в программу необходимо нажать кнопку  \"ВЕРНУТЬСЯ В ПРОГРАММУ\".")},
          {"Label7", QStringLiteral("Рисунок 2")},
          {"btn2", QStringLiteral("<<<Назад")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")}};
    QTest::newRow("HelpMW") << QStringLiteral("HelpMW") << Texts{
          {"Label1", QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-МШ")},
          {"Label2", QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести условный горизонтальный (А) и вертикальный (В) размеры , а для определения падения давления и дальнобойности струи*  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1).")},
          {"Label4", QStringLiteral("Рисунок 1")},
          {"Label6", QStringLiteral("*Дальнобойность струи - это расстояние от выходного сечения решетки до сечения, в котором максимальная скорость составляет 0,2 м/с.")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")},
          {"btn2", QStringLiteral("Далее>>>")}};
    QTest::newRow("HelpMW1") << QStringLiteral("HelpMW1") << Texts{
          {"Label3", QStringLiteral("        Если все данные введены правильно, то в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки. Падение давления данной составной  решетки и дальнобойность струи показывается только в том случае если значение расхода воздуха Q> 0 м3/ч  (рисунок 2).")},
          {"Label5", QStringLiteral("       Если необходимо выбрать другой тип решетки, надо нажать на кнопку \"ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТКИ\" (рисунок 2)")},
          {"Label6", QStringLiteral("       Если все данные введены корректно и решетка является составной, то ниже кнопки \"ПОДОБРАТЬ РЕШЕТКИ\"  появляется кнопка  \"ПОКАЗАТЬ ЭСКИЗ\" (рисунок 2),  при нажатии на которую появляется окно с эскизом решетки и указанием размеров . Для возврата в программу необходимо нажать кнопку  \"ВЕРНУТЬСЯ В ПРОГРАММУ\".")},
          {"Label7", QStringLiteral("Рисунок 2")},
          {"btn2", QStringLiteral("<<<Назад")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")}};
    QTest::newRow("HelpJ") << QStringLiteral("HelpJ") << Texts{
          {"Label1", QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-Ж")},
          {"Label2", QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести горизонтальный (А) и вертикальный (В) размеры строительного проема, а для определения падения давления и дальнобойности струи*  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1). Для подбора решеток ТАЛИР ПТ-Ж1 необходимо поставить галочку напротив \"Решетка ПТ-Ж1\".")},
          {"Label4", QStringLiteral("Рисунок 1")},
          {"Label6", QStringLiteral("*Дальнобойность струи - это расстояние от выходного сечения решетки до сечения, в котором максимальная скорость составляет 0,2 м/с.")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")},
          {"btn2", QStringLiteral("Далее>>>")}};
    QTest::newRow("HelpJ1") << QStringLiteral("HelpJ1") << Texts{
          {"Label3", QStringLiteral("        Если все данные введены правильно, то в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки. Падение давления данной составной  решетки и дальнобойность струи показывается только в том случае если значение расхода воздуха Q> 0 м3/ч  (рисунок 2).")},
          {"Label5", QStringLiteral("       Если необходимо выбрать другой тип решетки, надо нажать на кнопку \"ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТКИ\" (рисунок 2)")},
          {"Label6", QStringLiteral("       Если все данные введены корректно и решетка является составной, то ниже кнопки \"ПОДОБРАТЬ РЕШЕТКИ\"  появляется кнопка  \"ПОКАЗАТЬ ЭСКИЗ\" (рисунок 2),  при нажатии на которую появляется окно с эскизом решетки и указанием размеров . Для возврата в программу необходимо нажать кнопку  \"ВЕРНУТЬСЯ В ПРОГРАММУ\".")},
          {"Label7", QStringLiteral("Рисунок 2")},
          {"btn2", QStringLiteral("<<<Назад")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")}};
    QTest::newRow("HelpF") << QStringLiteral("HelpF") << Texts{
          {"Label1", QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-Ф")},
          {"Label2", QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести горизонтальный (А) и вертикальный (В) размеры строительного проема, а для определения падения давления и дальнобойности струи*  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1). Для подбора решеток ТАЛИР ПТ-Ф1 необходимо поставить гаролчку напротив \"Решетка ПТ-Ф1\".")},
          {"Label4", QStringLiteral("Рисунок 1")},
          {"Label6", QStringLiteral("*Дальнобойность струи - это расстояние от выходного сечения решетки до сечения, в котором максимальная скорость составляет 0,2 м/с.")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")},
          {"btn2", QStringLiteral("Далее>>>")}};
    QTest::newRow("HelpF1") << QStringLiteral("HelpF1") << Texts{
          {"Label3", QStringLiteral("        Если все данные введены правильно, то в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки. Падение давления данной составной  решетки и дальнобойность струи показывается только в том случае если значение расхода воздуха Q> 0 м3/ч  (рисунок 2).")},
          {"Label5", QStringLiteral("       Если необходимо выбрать другой тип решетки, надо нажать на кнопку \"ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТКИ\" (рисунок 2)")},
          {"Label6", QStringLiteral("       Если все данные введены корректно и решетка является составной, то ниже кнопки \"ПОДОБРАТЬ РЕШЕТКИ\"  появляется кнопка  \"ПОКАЗАТЬ ЭСКИЗ\" (рисунок 2),  при нажатии на которую появляется окно с эскизом решетки и указанием размеров . Для возврата в программу необходимо нажать кнопку  \"ВЕРНУТЬСЯ В ПРОГРАММУ\".")},
          {"Label7", QStringLiteral("Рисунок 2")},
          {"btn2", QStringLiteral("<<<Назад")},
          {"btn1", QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ")}};
    // clang-format on
}

// Every text of every page, exactly: leading, doubled and trailing blanks,
// look-alike letters and the page's own spelling.
void TestHelpPages::texts() {
    QFETCH(QString, page);
    QFETCH(Texts, texts);
    ToolWindow* help = window(page);
    QStringList shown;
    for (const auto& [name, expected] : texts) {
        if (auto* button = help->control<QPushButton>(name)) {
            QCOMPARE(button->text(), expected);
        } else {
            auto* label = help->control<QLabel>(name);
            QVERIFY2(label, qPrintable(name));
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->text(), expected);
        }
        shown << name;
    }
    // No text on the page that the table does not know.
    for (const QWidget* widget : help->client()->findChildren<QWidget*>())
        if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QPushButton*>(widget))
            QVERIFY2(shown.contains(widget->objectName()), qPrintable(widget->objectName()));
}

void TestHelpPages::frames_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("questionIcon");
    QTest::addColumn<bool>("centred");
    const auto row = [](const char* page, QSize client, bool icon, bool centred = true) {
        QTest::newRow(page) << QString(page) << client << icon << centred;
    };
    row("HelpStart", {886, 494}, true);
    row("Help", {1009, 716}, true);
    row("HelpD5", {761, 543}, true);
    row("HelpD51", {759, 595}, true);
    row("HelpD6", {761, 543}, true);
    row("HelpD61", {759, 596}, true);
    row("HelpL", {840, 603}, true);
    row("HelpL1", {840, 603}, true);
    row("HelpLW", {838, 601}, false);
    row("HelpLW1", {838, 601}, false);
    row("HelpM", {838, 601}, false);
    row("HelpM1", {838, 601}, false, false);
    row("HelpMW", {838, 601}, false);
    row("HelpMW1", {856, 601}, false);
    row("HelpF", {838, 601}, false);
    row("HelpF1", {838, 601}, false);
    row("HelpJ", {838, 601}, false);
    row("HelpJ1", {838, 601}, false);
}

void TestHelpPages::frames() {
    QFETCH(QString, page);
    QFETCH(QSize, client);
    QFETCH(bool, questionIcon);
    QFETCH(bool, centred);
    registry().show(page);
    ToolWindow* help = window(page);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QCOMPARE(help->windowTitle(), QStringLiteral("Справка"));
    QCOMPARE(help->client()->size(), client);
    QVERIFY(!(help->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!help->findChild<QMenuBar*>());
    const QImage question = QIcon(QStringLiteral(":/question.svg")).pixmap(32).toImage();
    if (questionIcon)
        QCOMPARE(help->windowIcon().pixmap(32).toImage(), question);
    else
        QVERIFY(help->windowIcon().isNull());
    if (centred) {
        const QPoint offset =
            help->frameGeometry().center() - help->screen()->availableGeometry().center();
        QVERIFY(offset.manhattanLength() <= 2);
    }
}

void TestHelpPages::textsFitWithoutOverlap_data() {
    QTest::addColumn<QString>("page");
    for (const QString& page : allPages())
        QTest::newRow(qPrintable(page)) << page;
}

// On this platform's fonts every text shows in full inside the window, and
// no text, picture or button covers another.
void TestHelpPages::textsFitWithoutOverlap() {
    QFETCH(QString, page);
    ToolWindow* help = window(page);
    const QRect clientRect = help->client()->rect();
    const auto parts = help->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* part : parts) {
        const QString name = part->objectName();
        if (const auto* label = qobject_cast<const QLabel*>(part)) {
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(name));
            else
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(name));
        }
        QVERIFY2(clientRect.contains(usedArea(part)), qPrintable(name));
        QVERIFY2(!usedArea(part).isEmpty(), qPrintable(name));
    }
    for (int i = 0; i < parts.size(); ++i)
        for (int j = i + 1; j < parts.size(); ++j)
            QVERIFY2(!usedArea(parts[i]).intersects(usedArea(parts[j])),
                     qPrintable(parts[i]->objectName() + " / " + parts[j]->objectName()));
}

void TestHelpPages::statedPositions_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    const auto row = [](const char* page, const char* name, QRect rect) {
        QTest::addRow("%s %s", page, name) << QString(page) << QString(name) << rect;
    };
    row("HelpD5", "Label2", {24, 64, 705, 57});
    row("HelpD5", "Image1", {150, 120, 461, 342});
    row("HelpD5", "Label4", {348, 464, 0, 0});
    row("HelpD5", "btn1", {276, 496, 209, 25});
    row("HelpD5", "btn2", {648, 496, 81, 25});
    row("HelpD51", "Label3", {16, 0, 729, 73});
    row("HelpD51", "Label5", {16, 72, 729, 41});
    row("HelpD51", "Label6", {8, 112, 737, 81});
    row("HelpD51", "Image1", {149, 184, 460, 341});
    row("HelpD51", "Label7", {368, 528, 0, 0});
    row("HelpD51", "btn2", {16, 560, 81, 25});
    row("HelpD51", "btn1", {275, 560, 209, 25});
    row("HelpStart", "Label2", {24, 88, 801, 57});
    row("HelpStart", "Image1", {192, 160, 491, 238});
    row("HelpStart", "btn1", {335, 432, 217, 33});
    row("Help", "Label2", {24, 56, 969, 113});
    row("Help", "Image1", {24, 216, 476, 299});
    row("Help", "Image2", {520, 216, 476, 299});
    row("Help", "Label3", {232, 520, 0, 0});
    row("Help", "Label4", {736, 520, 0, 0});
    row("Help", "Label5", {32, 552, 969, 41});
    row("Help", "btn1", {416, 608, 201, 33});
    row("Help", "Label7", {24, 656, 953, 33});
    row("Help", "Label6", {24, 688, 737, 17});
}

// The pages keep the places they were designed with. A text may only move
// down, and a picture only give up the top of its rectangle, where a text
// above needs more lines on this platform's fonts.
void TestHelpPages::statedPositions() {
    QFETCH(QString, page);
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    const QWidget* part = control(page, name);
    QCOMPARE(part->x(), rect.x());
    if (rect.isEmpty()) {
        QCOMPARE(part->y(), rect.y());
    } else if (qobject_cast<const QPushButton*>(part)) {
        QCOMPARE(part->geometry(), rect);
    } else if (qobject_cast<const HelpPicture*>(part)) {
        QCOMPARE(part->width(), rect.width());
        QCOMPARE(part->geometry().bottom(), rect.bottom());
        QVERIFY(part->y() >= rect.y());
    } else {
        QCOMPARE(part->width(), rect.width());
        QVERIFY(part->y() >= rect.y());
    }
}

QTEST_MAIN(TestHelpPages)
#include "test_helppages.moc"
