// Start-up: from process start to the splash's first painted frame, and to
// the main window's first painted frame after the hand-off. The benchmark
// starts itself again as a child for every run (so process start includes
// exec and loading the libraries) and the child builds the program as
// main.cpp does. A frame counts as painted when the window's expose event,
// which paints it and hands the picture to the window system, is done.

#include "benchenv.h"

#include "app/maincontroller.h"
#include "main/program.h"
#include "shell/fonts.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char **environ;

using namespace kirvano;
using namespace kirvano::bench;

namespace {

constexpr int WarmUpRuns = 1;
constexpr int MeasuredRuns = 5;
constexpr double HandOffMs = 2000;

// Milestones of one start, in ms from process start.
struct Milestones
{
    double mainEntered = -1;
    double applicationReady = -1;
    double windowBuilt = -1;
    double loaded = -1;
    double splashShown = -1;
    double splashFrame = -1;
    double mainShown = -1;
    double mainFrame = -1;
};

class ProbeApplication : public QApplication
{
public:
    ProbeApplication(int &argc, char **argv, std::int64_t t0) : QApplication(argc, argv), m_t0(t0) {}

    bool notify(QObject *receiver, QEvent *event) override
    {
        const bool result = QApplication::notify(receiver, event);
        if (event->type() == QEvent::Show && receiver->isWidgetType()) {
            if (receiver->objectName() == QLatin1String("frmlogo") && times.splashShown < 0)
                times.splashShown = since();
            else if (receiver->objectName() == QLatin1String("frmMain") && times.mainShown < 0)
                times.mainShown = since();
        } else if (event->type() == QEvent::Expose && receiver->isWindowType()) {
            auto *window = static_cast<QWindow *>(receiver);
            if (window->isExposed()) {
                const QString name = topLevelName(window);
                if (name == QLatin1String("frmlogo") && times.splashFrame < 0) {
                    times.splashFrame = since();
                } else if (name == QLatin1String("frmMain") && times.mainFrame < 0) {
                    times.mainFrame = since();
                    // exit(), not quit(): quit() asks the windows to close, which raises the exit question.
                    QTimer::singleShot(0, this, [] { QCoreApplication::exit(0); });
                }
            }
        }
        return result;
    }

    double since() const { return nsToMs(nowNs() - m_t0); }

    Milestones times;

private:
    static QString topLevelName(QWindow *window)
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->windowHandle() == window)
                return w->objectName();
        }
        return {};
    }

    std::int64_t m_t0;
};

int childMain(int argc, char *argv[], std::int64_t t0)
{
    const double entered = nsToMs(nowNs() - t0);
    PrivateEnvironment env;
    ProbeApplication app(argc, argv, t0);
    app.times.mainEntered = entered;
    QApplication::setApplicationName(QStringLiteral("Kirvano"));
    QApplication::setOrganizationName(QStringLiteral("Marbolin"));
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    app.times.applicationReady = app.since();

    Program program(programFolder(), env.settingsPath());
    app.times.windowBuilt = app.since();
    program.controller().startUp();
    app.times.loaded = app.since();

    QTimer::singleShot(15000, [] { QCoreApplication::exit(1); });
    const int rc = app.exec();
    const Milestones &m = app.times;
    std::printf("%f %f %f %f %f %f %f %f\n", m.mainEntered, m.applicationReady, m.windowBuilt, m.loaded, m.splashShown,
                m.splashFrame, m.mainShown, m.mainFrame);
    return rc;
}

bool runChild(const char *self, Milestones &m)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const std::string t0 = std::to_string(nowNs());
    char *args[] = {const_cast<char *>(self), const_cast<char *>("--child"), const_cast<char *>(t0.c_str()), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        return false;
    }
    std::string out;
    char buffer[512];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, size_t(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const int fields =
        std::sscanf(out.c_str(), "%lf %lf %lf %lf %lf %lf %lf %lf", &m.mainEntered, &m.applicationReady, &m.windowBuilt,
                    &m.loaded, &m.splashShown, &m.splashFrame, &m.mainShown, &m.mainFrame);
    const bool ok =
        WIFEXITED(status) && WEXITSTATUS(status) == 0 && fields == 8 && m.splashFrame > 0 && m.mainFrame > 0;
    if (!ok)
        std::fprintf(stderr, "start-up run failed: status %d, output \"%s\"\n", status, out.c_str());
    return ok;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

double maximum(const std::vector<double> &v)
{
    return v.empty() ? -1 : *std::max_element(v.begin(), v.end());
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return childMain(argc, argv, std::stoll(argv[2]));

    PrivateEnvironment env; // shared by the children, GStreamer registry included
    qputenv("KIRVANO_BENCH_ROOT", env.root().toLocal8Bit());
    const char *self = "/proc/self/exe";
    char path[4096];
    const ssize_t len = readlink(self, path, sizeof path - 1);
    if (len > 0) {
        path[len] = 0;
        self = path;
    }

    std::vector<Milestones> runs;
    for (int i = 0; i < WarmUpRuns + MeasuredRuns; ++i) {
        Milestones m;
        if (!runChild(self, m)) {
            printRow(QStringLiteral("Start-up: a run failed"), QStringLiteral("run %1").arg(i + 1),
                     QStringLiteral("none"), 0);
            return 1;
        }
        if (i >= WarmUpRuns)
            runs.push_back(m);
    }

    auto column = [&runs](double Milestones::*field) {
        std::vector<double> v;
        for (const Milestones &m : runs)
            v.push_back(m.*field);
        return v;
    };
    auto figure = [](const std::vector<double> &v) {
        return QStringLiteral("%1 ms (max %2)").arg(median(v), 0, 'f', 1).arg(maximum(v), 0, 'f', 1);
    };
    std::vector<double> handOff;
    std::vector<double> mainOverhead;
    for (const Milestones &m : runs) {
        handOff.push_back(m.mainFrame - m.splashShown - HandOffMs);
        mainOverhead.push_back(m.mainFrame - HandOffMs);
    }
    const QString where = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb"));
    const QString n = QStringLiteral("median of %1 warm starts, platform %2").arg(MeasuredRuns).arg(where);
    printRow(QStringLiteral("Start-up (%1): process start to main()").arg(n), figure(column(&Milestones::mainEntered)));
    printRow(QStringLiteral("Start-up: QApplication ready"), figure(column(&Milestones::applicationReady)));
    printRow(QStringLiteral("Start-up: main window built"), figure(column(&Milestones::windowBuilt)));
    printRow(QStringLiteral("Start-up: Form_Load done (settings read, splash shown)"),
             figure(column(&Milestones::loaded)));
    const std::vector<double> first = column(&Milestones::splashFrame);
    printRow(QStringLiteral("Start-up: splash's first painted frame"), figure(first), QStringLiteral("< 150 ms"),
             maximum(first) < 150.0);
    printRow(QStringLiteral("Start-up: main window's first painted frame"), figure(column(&Milestones::mainFrame)));
    printRow(QStringLiteral("Start-up: overhead beyond the 2 s hand-off, from process start"), figure(mainOverhead));
    printRow(QStringLiteral("Start-up: overhead beyond the 2 s hand-off, from the splash shown"), figure(handOff));
    return 0;
}
