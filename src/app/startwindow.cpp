#include "startwindow.h"

#include "calcwin/controls.h"
#include "calcwin/windowregistry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>

namespace talir::app {

using calcwin::ControlSpec;
using calcwin::registry;
using Kind = ControlSpec::Kind;

namespace {

// Typing into the type list, closed or open: the entry whose whole text was
// typed is picked, whatever was picked before ("ПТ-Л" is neither "ПТ-ЛД" nor
// "ПТ-ЛШ", "ПТ-М" is not "ПТ-МШ"). Otherwise the list picks as a drop-down
// list does: one key pressed again and again steps to the next entry that
// begins with it, a longer text to the first entry from the current one on
// that begins with it. A pause longer than the keyboard input interval
// starts a new text. Arrows, Home, End and the rest stay the list's own.
class TypedEntrySearch : public QObject {
public:
    explicit TypedEntrySearch(QComboBox* list) : QObject(list), list_(list) {
        list->installEventFilter(this);
        list->view()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty() || !text.front().isPrint() || text.front().isSpace() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        if (!sinceLastKey_.isValid() ||
            sinceLastKey_.elapsed() > QApplication::keyboardInputInterval())
            typed_.clear();
        sinceLastKey_.start();
        typed_ += text;

        QAbstractItemView* view = list_->view();
        const bool open = watched == view;
        const int current = open ? view->currentIndex().row() : list_->currentIndex();
        const int row = rowFor(typed_, current);
        if (row >= 0 && row != current) {
            if (open) // the open list moves its highlight; Enter or a click picks
                view->setCurrentIndex(list_->model()->index(row, list_->modelColumn()));
            else
                list_->setCurrentIndex(row);
        }
        return true;
    }

private:
    int rowFor(const QString& typed, int current) const {
        const int count = list_->count();
        for (int row = 0; row < count; ++row)
            if (list_->itemText(row).compare(typed, Qt::CaseInsensitive) == 0)
                return row;
        const bool sameKey = typed.count(typed.front()) == typed.size();
        const QString prefix = sameKey ? typed.left(1) : typed;
        const int from = sameKey ? current + 1 : std::max(current, 0);
        for (int step = 0; step < count; ++step) {
            const int row = (from + step) % count;
            if (list_->itemText(row).startsWith(prefix, Qt::CaseInsensitive))
                return row;
        }
        return -1;
    }

    QComboBox* list_;
    QString typed_;
    QElapsedTimer sinceLastKey_;
};

} // namespace

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
    new TypedEntrySearch(list);
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
