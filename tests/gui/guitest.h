#pragma once

// Shared by the GUI tests: the real windows of the tool, created through the
// registry exactly as the program creates them.

#include "app/appwindows.h"
#include "calcwin/toolwindow.h"
#include "calcwin/windowregistry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace guitest {

using talir::calcwin::registry;
using talir::calcwin::ToolWindow;

inline void registerOnce() {
    static bool done = false;
    if (!done)
        talir::app::registerWindows();
    done = true;
}

// Destroys every window, so that each test starts as the program does.
inline void closeEverything() {
    registry().closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline ToolWindow* window(const QString& name) {
    return registry().windowAs<ToolWindow>(name);
}

template <typename T = QWidget> T* control(const QString& window, const QString& name) {
    T* widget = guitest::window(window)->control<T>(name);
    if (!widget)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window));
    return widget;
}

inline QString text(const QString& window, const QString& name) {
    return control<QLabel>(window, name)->text();
}

inline bool shown(const QString& window, const QString& name) {
    return control(window, name)->isVisible();
}

inline void click(const QString& window, const QString& name) {
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

// Types text key by key, as a keyboard does; unlike QTest::keyClicks also
// letters beyond ASCII ("ПТ-Л").
inline void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(c.toUpper().unicode()),
                            QString(c), Qt::NoModifier);
}

// The names of the tool's windows that are on screen.
inline QStringList visibleWindows() {
    QStringList names;
    for (const QString& name : registry().shutdownOrder())
        if (QWidget* widget = registry().existing(name); widget && widget->isVisible())
            names << name;
    return names;
}

} // namespace guitest
