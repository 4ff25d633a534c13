#include "x11desktop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

namespace kirvano::e2e {

namespace {

int field(const QString &text, const char *label)
{
    const QRegularExpression re(QStringLiteral("^\\s*%1:\\s*(-?\\d+)").arg(QLatin1String(label)),
                                QRegularExpression::MultilineOption);
    return re.match(text).captured(1).toInt();
}

} // namespace

QString X11Desktop::missingTools()
{
    QStringList missing;
    for (const char *tool : {"xdotool", "xwininfo", "import"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            missing << QLatin1String(tool);
    }
    return missing.join(QLatin1Char(' '));
}

QByteArray X11Desktop::run(const QString &program, const QStringList &args, int timeoutMs)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << program.toStdString() << " " << args.join(' ').toStdString() << ": no answer in " << timeoutMs
                      << " ms";
        return {};
    }
    return p.readAllStandardOutput();
}

WindowInfo X11Desktop::info(const QString &id)
{
    // A window that has just gone away makes xwininfo fail: that is "not viewable".
    QProcess p;
    p.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    p.waitForFinished(5000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    WindowInfo w;
    w.id = id;
    const QRegularExpressionMatch title = QRegularExpression(QStringLiteral("Window id: \\S+ \"(.*)\"")).match(out);
    w.title = title.captured(1);
    w.geometry = QRect(field(out, "Absolute upper-left X"), field(out, "Absolute upper-left Y"), field(out, "Width"),
                       field(out, "Height"));
    w.offset = QPoint(field(out, "Relative upper-left X"), field(out, "Relative upper-left Y"));
    w.viewable = out.contains(QLatin1String("Map State: IsViewable"));
    w.overrideRedirect = out.contains(QLatin1String("Override Redirect State: yes"));
    return w;
}

QList<WindowInfo> X11Desktop::windowsOf(qint64 pid)
{
    // Without a match xdotool exits with 1 and prints nothing, which is fine here.
    QProcess p;
    p.start(QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
             QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"), QStringLiteral(".*")});
    p.waitForFinished(5000);
    QList<WindowInfo> windows;
    const QStringList ids = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &id : ids) {
        const WindowInfo w = info(id.trimmed());
        // Qt's helper windows (1x1, 3x3) are never mapped.
        if (w.viewable && w.geometry.width() > 3)
            windows << w;
    }
    return windows;
}

void X11Desktop::click(const WindowInfo &window, QPoint at)
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--window"), window.id, QString::number(at.x()),
         QString::number(at.y()), QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("sleep"),
         QStringLiteral("0.15"), QStringLiteral("mouseup"), QStringLiteral("1")});
}

void X11Desktop::parkPointer()
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")});
}

void X11Desktop::keys(const WindowInfo &window, const QStringList &keys)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window.id});
    press(keys);
}

void X11Desktop::press(const QStringList &keys)
{
    run(QStringLiteral("xdotool"), QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers"),
                                               QStringLiteral("--delay"), QStringLiteral("80")}
                                       + keys);
}

void X11Desktop::type(const WindowInfo &window, const QString &text)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window.id});
    run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("80"), text});
}

QImage X11Desktop::screenshot()
{
    QImage image;
    image.loadFromData(run(QStringLiteral("import"), {QStringLiteral("-silent"), QStringLiteral("-window"),
                                                      QStringLiteral("root"), QStringLiteral("ppm:-")}),
                       "PPM");
    return image;
}

QColor X11Desktop::pixel(const WindowInfo &window, QPoint at)
{
    const QImage shot = screenshot();
    const QPoint p = window.geometry.topLeft() + at;
    return shot.valid(p) ? shot.pixelColor(p) : QColor();
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(50);
    }
    return true;
}

} // namespace kirvano::e2e
