#pragma once

#include "alarm/alarmplayer.h"
#include "optionshost.h"
#include "settings/settingsstore.h"
#include "station/board.h"

#include "platform/mediaplayer.h"
#include "platform/messagebox.h"
#include "platform/timer.h"
#include "platform/window.h"

#include <functional>
#include <memory>

namespace kirvano {

class WindowFactory;

// The main window's platform parts.
struct MainControls
{
    IWindow &frmMain;
    ITimer &Timerplay;
    ITimer &Timerlogo;
    IMediaPlayer &wmp1;
    IMessageBox &messageBox;
    std::function<StationControls(const StationParams &)> stationControls;
    // The clock the timers count on; the system's monotonic clock when empty.
    AlarmPlayer::Clock clock = {};
};

// The main window's behaviour: it owns all run-time state (the settings,
// the stations, the sound queue) and carries out start-up, the hand-off
// from the splash, the menu commands and the exit with its question.
class MainController : public OptionsHost
{
public:
    MainController(const MainControls &controls, WindowFactory &windows, SettingsStore store, QString appFolder,
                   QLocale locale = QLocale::system());
    ~MainController() override;

    // Start-up: settings, splash, main window hidden until the hand-off.
    void Form_Load();
    void Timerlogo_Timer();
    // The splash's own timer tick.
    void splashTimer1_Timer();

    void nmExit_Click();
    // The close request; returns whether the main window may close.
    bool Form_QueryUnload();

    void mnStopall_Click() { m_board->mnStopall_Click(); }
    void mnClearcall_Click() { m_board->mnClearcall_Click(); }
    void mnOption_Click();
    void nmAbout_Click(int index = 1);

    // OptionsHost
    Settings &settings() override { return m_settings; }
    bool SaveSetting() override;
    IMessageBox &messageBox() override { return m_c.messageBox; }

    Board &board() { return *m_board; }
    AlarmPlayer &alarm() { return *m_alarm; }
    SoundQueue &soundQueue() { return m_soundQueue; }
    IWindow *frmlogo() const { return m_frmlogo; }
    IWindow *frmoption() const { return m_frmoption; }
    IWindow *frmabout() const { return m_frmabout; }

    static const QString LoadProblemText;
    static const QString ExitQuestion;

private:
    enum class Report { Now, Later };

    void LoadSetting();
    bool save(Report report);
    void handOver();
    static void closeIfOpen(IWindow *window);
    void optionsQueryUnload();
    void aboutQueryUnload();

    MainControls m_c;
    WindowFactory &m_windows;
    SettingsStore m_store;
    Settings m_settings;
    SoundQueue m_soundQueue;
    StationContext m_stationContext;
    std::unique_ptr<Board> m_board;
    std::unique_ptr<AlarmPlayer> m_alarm;
    IWindow *m_frmlogo = nullptr;
    IWindow *m_frmoption = nullptr;
    IWindow *m_frmabout = nullptr;
    bool m_saveFailureShown = false;
};

} // namespace kirvano
