#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

namespace talir::calcwin {

// Owns every window of the tool. A window is created, hidden, the first time
// anything refers to it; it then lives with all its contents until it is
// closed, and the next reference creates it afresh. Windows never hold
// pointers to each other: they ask the registry by name.
class WindowRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*()>;

    static WindowRegistry& instance();

    void addFactory(const QString& name, Factory factory);
    bool knows(const QString& name) const;

    // The window, created hidden if it does not exist yet.
    QWidget* window(const QString& name);
    // The window if it exists, else nullptr; never creates it.
    QWidget* existing(const QString& name) const;
    bool exists(const QString& name) const { return existing(name) != nullptr; }

    // A fresh window made by the name's factory that the registry does not
    // keep: the help pictures photograph one of these, never the user's own
    // window. nullptr for an unknown name.
    std::unique_ptr<QWidget> build(const QString& name) const;

    void show(const QString& name);
    void hide(const QString& name);
    // Destroys the window; closing one that does not exist has no effect.
    void close(const QString& name);
    // Closes all 53 windows in the shutdown order, then reports allClosed().
    void closeAll();

    // The names of all windows in the order "ДА" closes them.
    static const QStringList& shutdownOrder();

    template <typename T> T* windowAs(const QString& name) {
        return qobject_cast<T*>(window(name));
    }

signals:
    void closing(const QString& name);
    void allClosed();

private:
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<QWidget>> windows_;
};

inline WindowRegistry& registry() {
    return WindowRegistry::instance();
}

} // namespace talir::calcwin
