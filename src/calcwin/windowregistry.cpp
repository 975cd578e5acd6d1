#include "windowregistry.h"

namespace talir::calcwin {

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry* registry = new WindowRegistry; // lives as long as the process
    return *registry;
}

void WindowRegistry::addFactory(const QString& name, Factory factory) {
    factories_.insert(name, std::move(factory));
}

bool WindowRegistry::knows(const QString& name) const {
    return factories_.contains(name);
}

QWidget* WindowRegistry::existing(const QString& name) const {
    const auto it = windows_.constFind(name);
    return it != windows_.constEnd() ? it->data() : nullptr;
}

QWidget* WindowRegistry::window(const QString& name) {
    if (QWidget* widget = existing(name))
        return widget;
    const auto factory = factories_.constFind(name);
    Q_ASSERT_X(factory != factories_.constEnd(), "WindowRegistry", qPrintable(name));
    if (factory == factories_.constEnd())
        return nullptr;
    QWidget* widget = (*factory)();
    widget->setObjectName(name);
    windows_.insert(name, widget);
    return widget;
}

std::unique_ptr<QWidget> WindowRegistry::build(const QString& name) const {
    const auto factory = factories_.constFind(name);
    if (factory == factories_.constEnd())
        return nullptr;
    return std::unique_ptr<QWidget>((*factory)());
}

void WindowRegistry::show(const QString& name) {
    if (QWidget* widget = window(name)) {
        widget->show();
        widget->raise();
        widget->activateWindow();
    }
}

void WindowRegistry::hide(const QString& name) {
    if (QWidget* widget = window(name))
        widget->hide();
}

void WindowRegistry::close(const QString& name) {
    QWidget* widget = existing(name);
    windows_.remove(name);
    if (!widget)
        return;
    emit closing(name);
    widget->hide();
    // A window may close itself from one of its own handlers.
    widget->deleteLater();
}

void WindowRegistry::closeAll() {
    for (const QString& name : shutdownOrder())
        close(name);
    emit allClosed();
}

const QStringList& WindowRegistry::shutdownOrder() {
    static const QStringList order = {
        "Eksit", "Prog",    "Start",     "HelpStart",                           //
        "PTLD",  "Help",                                                        //
        "PTD5",  "EskizD5", "EskizD5_1", "EskizD5_2", "HelpD5",    "HelpD51",   //
        "PTD6",  "EskizD6", "EskizD6_1", "HelpD6",    "HelpD61",   "PTD6set",   //
        "PTL",   "EskizL",  "EskizL1",   "EskizL2",   "HelpL",     "HelpL1",    //
        "PTLW",  "HelpLW",  "HelpLW1",   "EskizLW",   "EskizLW_1", "EskizLW_2", //
        "PTM",   "EskizM",  "EskizM_1",  "HelpM",     "HelpM1",                 //
        "PTMW",  "EskizMW", "EskizMW_1", "EskizMW_2", "HelpMW",    "HelpMW1",   //
        "PTJ",   "EskizJ",  "EskizJ_1",  "EskizJ_2",  "HelpJ",     "HelpJ1",    //
        "PTF",   "HelpF",   "HelpF1",    "EskizF",    "EskizF_1",  "EskizF_2",  //
    };
    return order;
}

} // namespace talir::calcwin
