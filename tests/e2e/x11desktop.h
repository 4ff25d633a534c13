#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

namespace kirvano::e2e {

// A top-level X window as xwininfo sees it.
struct WindowInfo
{
    QString id;
    QString title;
    // Menus and tooltips bypass the window manager; windows and dialogs do not.
    bool overrideRedirect = false;
    QRect geometry; // the client area, in root coordinates
    QPoint offset;  // its place inside the window manager's frame
    bool viewable = false;
};

// The operator's side of the X display: finds windows by process, reads
// their geometry, clicks, types and takes screenshots, with the ordinary
// X tools (xdotool, xwininfo, import).
class X11Desktop
{
public:
    // Empty when the tools are there, otherwise what is missing.
    static QString missingTools();

    // The viewable top-level windows of a process.
    static QList<WindowInfo> windowsOf(qint64 pid);
    static WindowInfo info(const QString &id);

    // A slow click: press, a short pause, release; Qt misses clicks faster than that.
    static void click(const WindowInfo &window, QPoint at);
    // Moves the pointer to the screen's corner, away from every window and tooltip.
    static void parkPointer();
    // Makes the window the active one, then presses the keys (xdotool names).
    static void keys(const WindowInfo &window, const QStringList &keys);
    // Presses the keys wherever the keyboard is now (an open menu has it).
    static void press(const QStringList &keys);
    static void type(const WindowInfo &window, const QString &text);

    static QImage screenshot();
    static QColor pixel(const WindowInfo &window, QPoint at);

    // Runs a tool and gives its standard output; fails the test on error.
    static QByteArray run(const QString &program, const QStringList &args, int timeoutMs = 15000);
};

// Polls the condition every 50 ms until it holds or the time is up.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

} // namespace kirvano::e2e
