#include "waylanddesktop.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QHash>
#include <QRegularExpression>
#include <QTest>

namespace kirvano::e2e {

WaylandLog::WaylandLog(const QString &log)
{
    static const QRegularExpression request(QStringLiteral(R"(-> (\w+)@(\d+)\.(\w+)\((.*)\)$)"));
    static const QRegularExpression keyboardEnter(QStringLiteral(R"(wl_keyboard@\d+\.enter\(\d+, wl_surface@(\d+))"));
    static const QRegularExpression ids(QStringLiteral(R"(@(\d+))"));
    QHash<int, int> surfaceOfXdgSurface; // xdg_surface id -> wl_surface id
    QHash<int, int> windowOfToplevel;    // xdg_toplevel id -> window index
    QHash<int, int> windowOfSurface;     // wl_surface id -> window index
    for (const QString &line : log.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = request.match(line.trimmed());
        if (!m.hasMatch()) {
            const QRegularExpressionMatch enter = keyboardEnter.match(line);
            if (enter.hasMatch())
                focused = windowOfSurface.value(enter.captured(1).toInt(), -1);
            continue;
        }
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

namespace {
const QString RemoteDesktop = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
}

RemoteKeyboard::RemoteKeyboard() = default;
RemoteKeyboard::~RemoteKeyboard()
{
    if (!m_session.isEmpty())
        call(m_session, QStringLiteral("Stop"));
}

QDBusMessage RemoteKeyboard::call(const QString &path, const QString &method, const QVariantList &args) const
{
    const QString interface = path == m_session ? RemoteDesktop + QStringLiteral(".Session") : RemoteDesktop;
    QDBusMessage message = QDBusMessage::createMethodCall(RemoteDesktop, path, interface, method);
    message.setArguments(args);
    return QDBusConnection::sessionBus().call(message);
}

QString RemoteKeyboard::start()
{
    const QDBusMessage created =
        call(QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), QStringLiteral("CreateSession"));
    if (created.type() == QDBusMessage::ErrorMessage)
        return created.errorMessage();
    m_session = created.arguments().value(0).value<QDBusObjectPath>().path();
    const QDBusMessage started = call(m_session, QStringLiteral("Start"));
    if (started.type() == QDBusMessage::ErrorMessage)
        return started.errorMessage();
    // The virtual keyboard comes with the first key: that key goes unseen.
    press({0xffe1}); // Shift
    return {};
}

void RemoteKeyboard::press(std::initializer_list<unsigned> keysyms)
{
    for (unsigned keysym : keysyms) {
        call(m_session, QStringLiteral("NotifyKeyboardKeysym"), {keysym, true});
        QTest::qWait(30);
        call(m_session, QStringLiteral("NotifyKeyboardKeysym"), {keysym, false});
        QTest::qWait(60);
    }
}

} // namespace kirvano::e2e
