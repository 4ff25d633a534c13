#pragma once

#include "alarm/alarmplayer.h"
#include "optionshost.h"
#include "settings/settingsstore.h"
#include "station/board.h"

#include "platform/mediaplayer.h"
#include "platform/messagebox.h"
#include "platform/timer.h"
#include "platform/window.h"

#include <memory>
#include <vector>

namespace kirvano {

class WindowFactory;

// The main window's hand-off timer: it brings the main window up this long
// after start-up, should the splash not have done it.
constexpr int HandOffInterval = 5000;

// The main window's platform parts.
struct MainControls
{
    IWindow &mainWindow;
    ITimer &playTimer;    // comes running at the alarm's empty-slot interval
    ITimer &handOffTimer; // comes running at HandOffInterval
    IMediaPlayer &mediaPlayer;
    IMessageBox &messageBox;
    std::vector<StationControls> stations; // in station order
    // The clock the timers count on; the system's monotonic clock when empty.
    AlarmPlayer::Clock clock = {};
};

// The main window's behaviour: it owns all run-time state (the settings,
// the stations, the sound queue) and carries out start-up, the hand-off
// from the splash, the menu commands and the exit with its question.
class MainController : public OptionsHost
{
public:
    MainController(MainControls controls, WindowFactory &windows, SettingsStore store, QString appFolder,
                   QLocale locale = QLocale::system());
    ~MainController() override;

    // Start-up: settings, splash, main window hidden until the hand-off.
    void startUp();
    // The hand-off, by the splash's timer or the main window's: the main
    // window comes up enabled and the splash closes.
    void handOver();

    // The menu commands.
    void requestExit();
    void stopAll() { m_board->stopAll(); }
    void clearCalls() { m_board->clearCalls(); }
    void openOptions();
    void openAbout();

    // The main window's close request; returns whether it may close.
    bool confirmClose();

    // OptionsHost
    Settings &settings() override { return m_settings; }
    bool saveSettings() override;
    IMessageBox &messageBox() override { return m_c.messageBox; }

    Board &board() { return *m_board; }
    AlarmPlayer &alarm() { return *m_alarm; }
    SoundQueue &soundQueue() { return m_soundQueue; }
    IWindow *splash() const { return m_splash; }
    IWindow *optionsDialog() const { return m_optionsDialog; }
    IWindow *aboutWindow() const { return m_aboutWindow; }

    static const QString LoadProblemText;
    static const QString ExitQuestion;

private:
    enum class Report { Now, Later };

    void loadSettings();
    bool save(Report report);
    void onHandOffTimer();
    static void closeIfOpen(IWindow *window);

    MainControls m_c;
    WindowFactory &m_windows;
    SettingsStore m_store;
    Settings m_settings;
    SoundQueue m_soundQueue;
    StationContext m_stationContext;
    std::unique_ptr<Board> m_board;
    std::unique_ptr<AlarmPlayer> m_alarm;
    IWindow *m_splash = nullptr;
    IWindow *m_optionsDialog = nullptr;
    IWindow *m_aboutWindow = nullptr;
    bool m_saveFailureShown = false;
};

} // namespace kirvano
