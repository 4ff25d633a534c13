#include "program.h"

#include "app/maincontroller.h"
#include "platform/qt/qtbutton.h"
#include "platform/qt/qtmediaplayer.h"
#include "platform/qt/qtmessagebox.h"
#include "platform/qt/qttimer.h"
#include "platform/qt/qtwindow.h"
#include "shell/fonts.h"
#include "shell/ledshape.h"
#include "shell/mainlayout.h"
#include "shell/mainwindow.h"
#include "shell/qtwindowfactory.h"

#include <QPushButton>

namespace kirvano {

Program::Program(const QString &appFolder, const QString &settingsPath)
    : m_mainWindow(std::make_unique<MainWindow>())
    , m_messageBox(std::make_unique<QtMessageBox>(m_mainWindow.get()))
    , m_windows(std::make_unique<QtWindowFactory>(m_mainWindow.get()))
{
    MainWindow *window = m_mainWindow.get();
    // The player and the timers belong to the main window: closing it stops them.
    MainControls controls{
        *new QtWindow(window),
        *new QtTimer(mainlayout::PlayTimerName, EmptySlotInterval, true, window),
        *new QtTimer(mainlayout::HandOffTimerName, HandOffInterval, true, window),
        *new QtMediaPlayer(window),
        *m_messageBox,
        {},
    };
    for (int n = 1; n <= StationCount; ++n) {
        QPushButton *start = window->startButton(n);
        auto *button = new QtButton(start, [start](const QString &face, double points) {
            return captionFont(face, points, mainlayout::StartFont.bold, start->text(), start->width());
        });
        button->onCaptionChanged([window, n] { window->nameStation(n); });
        // The stations set their own intervals before they start their timers.
        auto *timer = new QtTimer(mainlayout::stationTimerName(n), MinuteInterval, false, window);
        controls.stations.push_back({*window->led(n), *button, *timer});
    }
    m_controller =
        std::make_unique<MainController>(std::move(controls), *m_windows, SettingsStore(settingsPath), appFolder);

    Board &board = m_controller->board();
    for (int n = 1; n <= StationCount; ++n)
        board.station(n).onPhaseChanged([window, n](Station::Phase phase) { window->describeStation(n, phase); });

    MainController *controller = m_controller.get();
    QObject::connect(window, &MainWindow::exitChosen, window, [controller] { controller->requestExit(); });
    QObject::connect(window, &MainWindow::stopAllChosen, window, [controller] { controller->stopAll(); });
    QObject::connect(window, &MainWindow::clearCallsChosen, window, [controller] { controller->clearCalls(); });
    QObject::connect(window, &MainWindow::optionsChosen, window, [controller] { controller->openOptions(); });
    QObject::connect(window, &MainWindow::aboutChosen, window, [controller] { controller->openAbout(); });
}

Program::~Program() = default;

} // namespace kirvano
