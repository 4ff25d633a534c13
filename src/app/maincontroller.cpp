#include "maincontroller.h"

#include "windowfactory.h"

#include <QDir>

namespace kirvano {

const QString MainController::LoadProblemText =
    QStringLiteral("Problemi durante il caricamente della configurazione.\r\nImpostazioni di default.");
const QString MainController::ExitQuestion = QStringLiteral("Attenzione vuoi uscire?");

MainController::MainController(MainControls controls, WindowFactory &windows, SettingsStore store, QString appFolder,
                               QLocale locale)
    : m_c(std::move(controls))
    , m_windows(windows)
    , m_store(std::move(store))
    , m_stationContext{m_settings, m_soundQueue, m_c.messageBox, std::move(appFolder), std::move(locale), {}}
{
    // Every unit sold is saved as soon as it is counted. The station's tick
    // is still running then: a failure is told once the tick is over, or
    // the open box would hold back that station's minutes.
    m_stationContext.onCountersChanged([this] { save(Report::Later); });
    m_board = std::make_unique<Board>(m_stationContext,
                                      [this](const StationParams &p) { return m_c.stations.at(p.number - 1); });
    m_alarm = std::make_unique<AlarmPlayer>(m_soundQueue, m_c.playTimer, m_c.mediaPlayer, m_c.clock);
    m_c.handOffTimer.onTick([this] { onHandOffTimer(); });
    m_c.mainWindow.onCloseRequest([this] { return confirmClose(); });
}

MainController::~MainController() = default;

void MainController::startUp()
{
    loadSettings();
    m_splash = m_windows.createSplash([this] { handOver(); });
    m_splash->onCloseRequest([this] {
        m_splash = nullptr;
        return true;
    });
    m_splash->show();
    m_c.mainWindow.hide();
}

void MainController::loadSettings()
{
    if (auto loaded = m_store.load()) {
        m_settings = *loaded;
        return;
    }
    m_c.messageBox.show(LoadProblemText, MessageButtons::Ok, MessageIcon::Critical);
    m_settings = Settings::defaults();
    saveSettings();
}

bool MainController::saveSettings()
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
            m_c.messageBox.showLater(text, MessageIcon::Critical);
        else
            m_c.messageBox.show(text, MessageButtons::Ok, MessageIcon::Critical);
    }
    return false;
}

// Both hand-off timers bring the main window up and close the splash.
void MainController::handOver()
{
    m_c.mainWindow.setEnabled(true);
    m_c.mainWindow.show();
    closeIfOpen(m_splash);
}

void MainController::onHandOffTimer()
{
    handOver();
    m_c.handOffTimer.setEnabled(false);
}

void MainController::requestExit()
{
    m_c.mainWindow.close();
}

bool MainController::confirmClose()
{
    // A failed save is told again here, however often it was told before:
    // the operator is about to decide whether to leave with unsaved counters.
    m_saveFailureShown = false;
    saveSettings();
    closeIfOpen(m_splash);
    closeIfOpen(m_optionsDialog);
    closeIfOpen(m_aboutWindow);
    return m_c.messageBox.show(ExitQuestion, MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::No;
}

void MainController::openOptions()
{
    if (!m_optionsDialog) {
        m_optionsDialog = m_windows.createOptions(*this);
        m_optionsDialog->onCloseRequest([this] {
            m_c.mainWindow.setEnabled(true);
            m_optionsDialog = nullptr;
            return true;
        });
    }
    // Showing fills the dialog from the settings; without a password it
    // opens on its "Tempo" page.
    m_optionsDialog->show();
    m_optionsDialog->setEnabled(true);
    m_c.mainWindow.setEnabled(false);
}

void MainController::openAbout()
{
    m_c.mainWindow.setEnabled(false);
    if (!m_aboutWindow) {
        m_aboutWindow = m_windows.createAbout();
        m_aboutWindow->onCloseRequest([this] {
            m_c.mainWindow.setEnabled(true);
            m_c.mainWindow.show();
            m_aboutWindow = nullptr;
            return true;
        });
    }
    m_aboutWindow->show();
    m_aboutWindow->setEnabled(true);
}

void MainController::closeIfOpen(IWindow *window)
{
    // The pointer is copied: the window's close request forgets it.
    if (window)
        window->close();
}

} // namespace kirvano
