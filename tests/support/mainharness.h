#pragma once

#include "fakewindowfactory.h"

#include "app/maincontroller.h"

#include <memory>
#include <vector>

namespace kirvano::test {

// A complete main window on fakes and the virtual clock, with its settings
// file in a fresh folder: the main window hidden and disabled, the play
// and hand-off timers running, station timers stopped, as at creation.
struct MainHarness
{
    explicit MainHarness(const QString &folderName = QStringLiteral("main"), QLocale locale = QLocale::c());

    QString settingsPath() const { return folder + QStringLiteral("/config/config_bmb.dat"); }
    QByteArray settingsBytes() const;
    QByteArray reportBytes() const;
    void writeSettings(const QByteArray &bytes) const;

    Colour colour(int n) const { return leds[n - 1]->fillColor(); }
    FakeButton &start(int n) { return *buttons[n - 1]; }
    FakeTimer &stationTimer(int n) { return *timers[n - 1]; }

    QString folder;
    VirtualClock clock;
    FakeWindow mainWindow{false, false};
    FakeTimer playTimer{clock, EmptySlotInterval, true, QStringLiteral("Timerplay")};
    FakeTimer handOffTimer{clock, HandOffInterval, true, QStringLiteral("Timerlogo")};
    FakeMediaPlayer mediaPlayer{&clock};
    FakeMessageBox messages;
    FakeWindowFactory windows{clock};
    std::vector<std::unique_ptr<FakeShape>> leds;
    std::vector<std::unique_ptr<FakeButton>> buttons;
    std::vector<std::unique_ptr<FakeTimer>> timers;
    std::unique_ptr<MainController> main;
};

} // namespace kirvano::test
