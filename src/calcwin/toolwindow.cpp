#include "toolwindow.h"

#include "controls.h"
#include "windowregistry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace talir::calcwin {

ToolWindow::ToolWindow(const FrameSpec& frame, QWidget* parent)
    : QWidget(parent, Qt::Window), client_(new QWidget(this)), closeBox_(frame.closeBox),
      centred_(frame.centred) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (frame.closeBox)
        flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    setWindowFlags(flags);
    setWindowTitle(frame.caption);
    if (!frame.icon.isEmpty())
        setWindowIcon(QIcon(frame.icon));

    // The tool's default face: controls without a font of their own use it.
    client_->setFont(helvetica(8.25));
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(frame.client);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client_);

    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &ToolWindow::pressEnter);
    }
}

QMenuBar* ToolWindow::menuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        layout()->setMenuBar(menuBar_);
    }
    return menuBar_;
}

void ToolWindow::pressEnter() {
    // As on the tool's home platform: Enter presses the focused button, and
    // anywhere else the window's default button.
    auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (focused && focused->window() == this && focused->isVisible()) {
        focused->click();
        return;
    }
    if (defaultButton_ && defaultButton_->isVisible() && defaultButton_->isEnabled())
        defaultButton_->click();
}

void ToolWindow::openHelp(const QString& page, bool keepThisShown) {
    if (!registry().knows(page))
        return;
    registry().show(page);
    if (!keepThisShown)
        registry().hide(objectName());
}

void ToolWindow::openAbout() {
    if (registry().knows(QStringLiteral("Prog")))
        registry().show(QStringLiteral("Prog"));
}

void ToolWindow::askToExit() {
    registry().show(QStringLiteral("Eksit"));
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    if (closeBox_) {
        event->accept();
        registry().close(objectName());
        return;
    }
    // No window but the About window has a close box; a close request from
    // the window manager (Alt+F4) asks the exit question instead.
    event->ignore();
    askToExit();
}

void ToolWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    if (!centred_)
        return;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace talir::calcwin
