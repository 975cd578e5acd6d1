#pragma once

// The texts of the help pages, word for word as the users know them: the
// leading and doubled blanks, the blank before a full stop and the odd
// spelling are part of the texts. Cyrillic (А), (В), (А1), (В1); Latin (Q),
// (m), Q>; "(Fс.с.)" is a Latin F with Cyrillic "с.с.".

#include <QString>

namespace talir::app::helptext {

// clang-format off
// Caption of every help window.
inline const QString kCaption =
    QStringLiteral("Справка");
inline const QString kBackToProgram =
    QStringLiteral("ВЕРНУТЬСЯ В ПРОГРАММУ");
inline const QString kNext =
    QStringLiteral("Далее>>>");
inline const QString kPrevious =
    QStringLiteral("<<<Назад");
inline const QString kFigure1 =
    QStringLiteral("Рисунок 1");
inline const QString kFigure2 =
    QStringLiteral("Рисунок 2");

// Titles of the first pages, one per grille type.
inline const QString kTitleD5 =
    QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-Д5");
inline const QString kTitleD6 =
    QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-Д6");
inline const QString kTitleL =
    QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-Л");
inline const QString kTitleLW =
    QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-ЛШ");
inline const QString kTitleM =
    QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-М");
inline const QString kTitleMW =
    QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-МШ");
inline const QString kTitleJ =
    QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-Ж");
inline const QString kTitleF =
    QStringLiteral("Данная программа предназначена для подбора составных решеток ТАЛИР ПТ-Ф");

// What to type and press: sized from the wall opening (ПТ-Д5, ПТ-Д6).
inline const QString kEnterOpening =
    QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести горизонтальный (А) и вертикальный (В) размер строительного проема, а для определения падения давления  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1).");

// Sized from the mounting size, with the jet throw (ПТ-Л).
inline const QString kEnterMounting =
    QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести посадочный горизонтальный (А) и вертикальный (В) размеры решетки, а для определения падения давления и дальнобойности струи*  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1).");

// The same for ПТ-ЛШ, as its page has always read.
inline const QString kEnterMountingLW =
    QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести посадочный  горизонтальный (А) и вертикальный (В) размеры решетки, а для определения падения давления и дальнобойности струи*  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1).");

// Sized from the nominal size (ПТ-М, ПТ-МШ).
inline const QString kEnterNominal =
    QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести условный горизонтальный (А) и вертикальный (В) размеры , а для определения падения давления и дальнобойности струи*  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1).");

// Sized from the wall opening, with the ПТ-Ж1 sub-type.
inline const QString kEnterPerforated =
    QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести горизонтальный (А) и вертикальный (В) размеры строительного проема, а для определения падения давления и дальнобойности струи*  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1). Для подбора решеток ТАЛИР ПТ-Ж1 необходимо поставить галочку напротив \"Решетка ПТ-Ж1\".");

// Sized from the wall opening, with the ПТ-Ф1 sub-type; the misspelt word is the page's own.
inline const QString kEnterMesh =
    QStringLiteral("        Для расчета геометрических размеров решеток необходимо ввести горизонтальный (А) и вертикальный (В) размеры строительного проема, а для определения падения давления и дальнобойности струи*  еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1). Для подбора решеток ТАЛИР ПТ-Ф1 необходимо поставить гаролчку напротив \"Решетка ПТ-Ф1\".");

// What the jet throw means; under the picture of the types that have it.
inline const QString kJetThrowFootnote =
    QStringLiteral("*Дальнобойность струи - это расстояние от выходного сечения решетки до сечения, в котором максимальная скорость составляет 0,2 м/с.");

// Second pages: the result panel, without and with the jet throw.
inline const QString kResults =
    QStringLiteral("        Если все данные введены правильно, то в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки. Падение давления данной составной  решетки показывается только в том случае если значение расхода воздуха Q> 0 м3/ч  (рисунок 2).");
inline const QString kResultsWithThrow =
    QStringLiteral("        Если все данные введены правильно, то в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки. Падение давления данной составной  решетки и дальнобойность струи показывается только в том случае если значение расхода воздуха Q> 0 м3/ч  (рисунок 2).");

// Second pages: the way back to the type list.
inline const QString kOtherType =
    QStringLiteral("       Если необходимо выбрать другой тип решетки, надо нажать на кнопку \"ВЕРНУТЬСЯ К ВЫБОРУ ТИПА РЕШЕТКИ\" (рисунок 2)");

// Second pages: the sketch button and the way back from the sketch.
inline const QString kSketch =
    QStringLiteral("       Если все данные введены корректно и решетка является составной, то ниже кнопки \"ПОДОБРАТЬ РЕШЕТКИ\"  появляется кнопка  \"ПОКАЗАТЬ ЭСКИЗ\" (рисунок 2),  при нажатии на которую появляется окно с эскизом решетки и указанием размеров . Для возврата в программу необходимо нажать кнопку  \"ВЕРНУТЬСЯ В ПРОГРАММУ\".");

// The main window's page.
inline const QString kStartTitle =
    QStringLiteral("Данная программа предназначена для подбора составных вентиляционных решеток.");
inline const QString kStartInstruction =
    QStringLiteral("Для подбора нужной решетки необходимо выбрать эту решетку в раскрывающемся списке и нажать кнопку \"ВЫБРАТЬ\". Для выхода из программы необходимо нажать кнопку \"ВЫХОД\" (см. рисунок).");

// The ПТ-ЛД page.
inline const QString kStripTitle =
    QStringLiteral("   Настоящая программа предназначена для подбора составных решеток серии ТАЛИР ПТ-ЛД");
inline const QString kStripInstruction =
    QStringLiteral("Для расчета геометрических размеров решеток необходимо ввести горизонтальный (А1) и вертикальный* (В1) размер строительного проема, а для определения падения давления и дальнобойности струи** еще и величину расхода воздуха (Q), и нажать кнопку \"ПОДОБРАТЬ РЕШЕТКИ\" (рисунок 1). Если все данные введены правильно, в верхней части появится эскиз на котором показываются все размеры, а в нижней части окна появится информация о том,  какое количество решеток и каких размеров необходимо заказать, а так же свободное сечение (Fс.с.) и масса (m) для данной решетки, падение давления и дальнобойность струи  данной составной  решетки (рисунок 2)");
inline const QString kStripWidths =
    QStringLiteral("Стандартные горизонтальные размеры решеток ТАЛИР ПТ-ЛД1  от 250 мм до 750 мм с шагом 25 мм. Решетки ТАЛИР ПТ-ЛД2 изготавливаются одного стандартного горизонтального типоразмера равного 1000мм.");
inline const QString kStripHeights =
    QStringLiteral("*Вертикальный размер строительного проема можно задать при помощи выпадающего списка (в нем указаны размеры проема для стандартных размеров решеток, т.е. проем больше размера решетки на 5 мм). ");
inline const QString kStripFootnote =
    QStringLiteral("**Дальнобойность струи - это расстояние от выходного сечения решетки до сечения, в котором максимальная скорость составляет 0,2 м/с.");
// clang-format on

} // namespace talir::app::helptext
