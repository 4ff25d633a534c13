#pragma once

#include <QList>
#include <QString>

#include <QVariantList>

class QDBusMessage;

namespace kirvano::e2e {

// What a Wayland client asked of the compositor, read from its protocol log
// (WAYLAND_DEBUG=1): its top-level windows in the order they were made,
// its requests for activation, and which window has the keyboard. Object ids are used again once a window
// is gone, so each request is taken for the latest window of its id.
class WaylandLog
{
public:
    struct Window
    {
        QString title;
        int parent = -1; // index of its transient parent, -1 for none
    };
    struct Activation
    {
        QString token;
        int window = -1; // index of the window whose surface it names
    };

    explicit WaylandLog(const QString &log);

    QList<Window> windows;
    QList<Activation> activations;
    int focused = -1; // index of the window the keyboard last entered

    // The latest window of a title, -1 for none.
    int latest(const QString &title) const;
};

// A keyboard of mutter's remote desktop: keys go to the window in focus.
class RemoteKeyboard
{
public:
    RemoteKeyboard();
    ~RemoteKeyboard();

    // Empty when it types, otherwise why not.
    QString start();
    // Presses and releases each X keysym in turn.
    void press(std::initializer_list<unsigned> keysyms);

private:
    // Plain messages, not QDBusInterface: its introspected meta-objects stay
    // in the bus connection's cache, which Qt never frees (a leak at exit).
    QDBusMessage call(const QString &path, const QString &method, const QVariantList &args = {}) const;

    QString m_session; // object path of the remote desktop session
};

} // namespace kirvano::e2e
