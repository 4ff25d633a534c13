#include "waylanddesktop.h"

#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QHash>
#include <QRegularExpression>
#include <QTest>

namespace kirvano::e2e {

WaylandLog::WaylandLog(const QString &log)
{
    static const QRegularExpression request(QStringLiteral(R"(-> (\w+)@(\d+)\.(\w+)\((.*)\)$)"));
    static const QRegularExpression ids(QStringLiteral(R"(@(\d+))"));
    QHash<int, int> surfaceOfXdgSurface; // xdg_surface id -> wl_surface id
    QHash<int, int> windowOfToplevel;    // xdg_toplevel id -> window index
    QHash<int, int> windowOfSurface;     // wl_surface id -> window index
    for (const QString &line : log.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = request.match(line.trimmed());
        if (!m.hasMatch())
            continue;
        const QString interface = m.captured(1);
        const int id = m.captured(2).toInt();
        const QString name = m.captured(3);
        const QString args = m.captured(4);
        QList<int> argIds;
        for (auto it = ids.globalMatch(args); it.hasNext();)
            argIds << it.next().captured(1).toInt();
        if (name == QLatin1String("get_xdg_surface") && argIds.size() == 2) {
            surfaceOfXdgSurface[argIds[0]] = argIds[1];
        } else if (interface == QLatin1String("xdg_surface") && name == QLatin1String("get_toplevel")) {
            windows.append(Window{});
            windowOfToplevel[argIds.value(0)] = int(windows.size()) - 1;
            windowOfSurface[surfaceOfXdgSurface.value(id)] = int(windows.size()) - 1;
        } else if (interface == QLatin1String("xdg_toplevel") && windowOfToplevel.contains(id)) {
            Window &w = windows[windowOfToplevel[id]];
            if (name == QLatin1String("set_title"))
                w.title = args.mid(1, args.size() - 2);
            else if (name == QLatin1String("set_parent"))
                w.parent = argIds.isEmpty() ? -1 : windowOfToplevel.value(argIds[0], -1);
        } else if (interface == QLatin1String("xdg_activation_v1") && name == QLatin1String("activate")) {
            const QString token = args.section(QLatin1Char('"'), 1, 1);
            activations.append({token, windowOfSurface.value(argIds.isEmpty() ? -1 : argIds.last(), -1)});
        }
    }
}

int WaylandLog::latest(const QString &title) const
{
    for (int i = int(windows.size()) - 1; i >= 0; --i) {
        if (windows[i].title == title)
            return i;
    }
    return -1;
}

RemoteKeyboard::RemoteKeyboard() = default;
RemoteKeyboard::~RemoteKeyboard()
{
    if (m_session)
        m_session->call(QStringLiteral("Stop"));
}

QString RemoteKeyboard::start()
{
    const QString service = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
    QDBusInterface desktop(service, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), service);
    const QDBusReply<QDBusObjectPath> path = desktop.call(QStringLiteral("CreateSession"));
    if (!path.isValid())
        return path.error().message();
    m_session = std::make_unique<QDBusInterface>(service, path.value().path(), service + QStringLiteral(".Session"));
    const QDBusMessage started = m_session->call(QStringLiteral("Start"));
    if (started.type() == QDBusMessage::ErrorMessage)
        return started.errorMessage();
    // The virtual keyboard comes with the first key: that key goes unseen.
    press({0xffe1}); // Shift
    return {};
}

void RemoteKeyboard::press(std::initializer_list<unsigned> keysyms)
{
    for (unsigned keysym : keysyms) {
        m_session->call(QStringLiteral("NotifyKeyboardKeysym"), keysym, true);
        QTest::qWait(30);
        m_session->call(QStringLiteral("NotifyKeyboardKeysym"), keysym, false);
        QTest::qWait(60);
    }
}

} // namespace kirvano::e2e
