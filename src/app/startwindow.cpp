#include "startwindow.h"

#include "calcwin/controls.h"
#include "calcwin/windowregistry.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace talir::app {

using calcwin::ControlSpec;
using calcwin::registry;
using Kind = ControlSpec::Kind;

const std::vector<std::pair<QString, QString>>& StartWindow::types() {
    static const std::vector<std::pair<QString, QString>> entries = {
        {QStringLiteral("ПТ-Л"), QStringLiteral("PTL")},
        {QStringLiteral("ПТ-ЛШ"), QStringLiteral("PTLW")},
        {QStringLiteral("ПТ-М"), QStringLiteral("PTM")},
        {QStringLiteral("ПТ-МШ"), QStringLiteral("PTMW")},
        {QStringLiteral("ПТ-Д5"), QStringLiteral("PTD5")},
        {QStringLiteral("ПТ-Д6"), QStringLiteral("PTD6")},
        {QStringLiteral("ПТ-ЛД"), QStringLiteral("PTLD")},
        {QStringLiteral("ПТ-Ф"), QStringLiteral("PTF")},
        {QStringLiteral("ПТ-Ж"), QStringLiteral("PTJ")},
    };
    return entries;
}

StartWindow::StartWindow()
    : ToolWindow({QStringLiteral("ПОДБОР СОСТАВНЫХ РЕШЕТОК"), QSize(497, 200),
                  QStringLiteral(":/emblem.svg")}) {
    // clang-format off
    calcwin::createControls(client(), {
        {Kind::Picture,  "Image1",   ":/logo.svg", {42, 8, 413, 68}},
        {Kind::Label,    "Label2",   "Приветствуем Вас в программе подбора составных решеток", {32, 88, 433, 17}, {11.25}},
        {Kind::Label,    "Label1",   "Выберите тип вентиляционной  решетки", {56, 128, 297, 17}, {12}},
        {Kind::ComboBox, "Spis1",    {}, {360, 128, 65, 21}},
        {Kind::Button,   "Command1", "ВЫБРАТЬ", {192, 160, 161, 25}, {14.25}},
        {Kind::Button,   "btn4",     "Выход", {8, 160, 81, 25}, {14.25, true}},
    });
    // clang-format on
    auto* list = control<QComboBox>(QStringLiteral("Spis1"));
    for (const auto& [entry, window] : types())
        list->addItem(entry);
    list->setCurrentIndex(-1);
    calcwin::setTabOrderOf(client(), {"Spis1", "Command1", "btn4"});

    connect(control<QPushButton>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &StartWindow::Command1_Click);
    connect(control<QPushButton>(QStringLiteral("btn4")), &QPushButton::clicked, this,
            &StartWindow::btn4_Click);

    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Помощь"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    menu->addAction(QStringLiteral("Справка"), this, &StartWindow::mnuSpravka_Click)
        ->setObjectName(QStringLiteral("mnuSpravka"));
    menu->addAction(QStringLiteral("О программе"), this, &StartWindow::mnuProg_Click)
        ->setObjectName(QStringLiteral("mnuProg"));

    list->setFocus();
}

void StartWindow::Command1_Click() {
    const QString chosen = control<QComboBox>(QStringLiteral("Spis1"))->currentText();
    QString target;
    for (const auto& [entry, window] : types())
        if (entry == chosen) // exact: "ПТ-Л" is not "ПТ-ЛД"
            target = window;
    if (target.isEmpty())
        return;
    registry().show(target);
    registry().hide(objectName());
    for (const auto& [entry, window] : types())
        if (window != target)
            registry().hide(window);
}

void StartWindow::btn4_Click() {
    askToExit();
}
void StartWindow::mnuSpravka_Click() {
    openHelp(QStringLiteral("HelpStart"));
}
void StartWindow::mnuProg_Click() {
    openAbout();
}

} // namespace talir::app
