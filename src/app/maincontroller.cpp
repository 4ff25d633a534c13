#include "maincontroller.h"

#include "windowfactory.h"

#include <QDir>

namespace kirvano {

const QString MainController::LoadProblemText =
    QStringLiteral("Problemi durante il caricamente della configurazione.\r\nImpostazioni di default.");
const QString MainController::ExitQuestion = QStringLiteral("Attenzione vuoi uscire?");

MainController::MainController(const MainControls &controls, WindowFactory &windows, SettingsStore store,
                               QString appFolder, QLocale locale)
    : m_c(controls)
    , m_windows(windows)
    , m_store(std::move(store))
    , m_stationContext{m_settings, m_soundQueue, m_c.messageBox, std::move(appFolder), std::move(locale), {}}
{
    // Every unit sold is saved as soon as it is counted. The station's tick
    // is still running then: a failure is told once the tick is over, or
    // the open box would hold back that station's minutes.
    m_stationContext.countersChanged = [this] { save(Report::Later); };
    m_board = std::make_unique<Board>(m_stationContext, m_c.stationControls);
    m_alarm = std::make_unique<AlarmPlayer>(m_soundQueue, m_c.Timerplay, m_c.wmp1, m_c.clock);
    m_c.Timerlogo.onTick([this] { Timerlogo_Timer(); });
    m_c.frmMain.onCloseRequest([this] { return Form_QueryUnload(); });
}

MainController::~MainController() = default;

void MainController::Form_Load()
{
    LoadSetting();
    m_frmlogo = m_windows.createSplash(*this);
    m_frmlogo->onCloseRequest([this] {
        m_frmlogo = nullptr;
        return true;
    });
    m_frmlogo->show();
    m_c.frmMain.hide();
}

void MainController::LoadSetting()
{
    if (auto loaded = m_store.load()) {
        m_settings = *loaded;
        return;
    }
    m_c.messageBox.show(LoadProblemText, mb::OkOnly | mb::Critical);
    m_settings = Settings::defaults();
    SaveSetting();
}

bool MainController::SaveSetting()
{
    return save(Report::Now);
}

bool MainController::save(Report report)
{
    const SettingsStore::SaveResult result = m_store.save(m_settings);
    if (result.ok) {
        m_saveFailureShown = false;
        return true;
    }
    // Reported once until a save succeeds again: an unwritable disk must not
    // bury the operator in boxes at every sale. The values stay in memory.
    if (!m_saveFailureShown) {
        m_saveFailureShown = true;
        const QString text = QStringLiteral("Impossibile salvare la configurazione nel file:\r\n%1\r\n%2")
                                 .arg(QDir::toNativeSeparators(result.file), result.reason);
        if (report == Report::Later)
            m_c.messageBox.showLater(text, mb::OkOnly | mb::Critical);
        else
            m_c.messageBox.show(text, mb::OkOnly | mb::Critical);
    }
    return false;
}

// Both hand-off timers bring the main window up and close the splash.
void MainController::handOver()
{
    m_c.frmMain.setEnabled(true);
    m_c.frmMain.show();
    closeIfOpen(m_frmlogo);
}

void MainController::splashTimer1_Timer()
{
    handOver();
}

void MainController::Timerlogo_Timer()
{
    handOver();
    m_c.Timerlogo.setEnabled(false);
}

void MainController::nmExit_Click()
{
    m_c.frmMain.close();
}

bool MainController::Form_QueryUnload()
{
    // A failed save is told again here, however often it was told before:
    // the operator is about to decide whether to leave with unsaved counters.
    m_saveFailureShown = false;
    SaveSetting();
    closeIfOpen(m_frmlogo);
    closeIfOpen(m_frmoption);
    closeIfOpen(m_frmabout);
    return m_c.messageBox.show(ExitQuestion, mb::YesNo | mb::Question) != mb::No;
}

void MainController::mnOption_Click()
{
    if (!m_frmoption) {
        m_frmoption = m_windows.createOptions(*this);
        m_frmoption->onCloseRequest([this] {
            optionsQueryUnload();
            return true;
        });
    }
    // Showing fills the dialog from the settings; without a password it
    // opens on its "Tempo" page.
    m_frmoption->show();
    m_frmoption->setEnabled(true);
    m_c.frmMain.setEnabled(false);
}

void MainController::optionsQueryUnload()
{
    m_c.frmMain.setEnabled(true);
    m_frmoption = nullptr;
}

void MainController::nmAbout_Click(int /*index*/)
{
    m_c.frmMain.setEnabled(false);
    if (!m_frmabout) {
        m_frmabout = m_windows.createAbout(*this);
        m_frmabout->onCloseRequest([this] {
            aboutQueryUnload();
            return true;
        });
    }
    m_frmabout->show();
    m_frmabout->setEnabled(true);
}

void MainController::aboutQueryUnload()
{
    m_c.frmMain.setEnabled(true);
    m_c.frmMain.show();
    m_frmabout = nullptr;
}

void MainController::closeIfOpen(IWindow *window)
{
    // The pointer is copied: the window's close request forgets it.
    if (window)
        window->close();
}

} // namespace kirvano
