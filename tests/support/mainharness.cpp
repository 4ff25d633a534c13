#include "mainharness.h"

#include "testenv.h"

#include <QDir>
#include <QFile>

namespace kirvano::test {

MainHarness::MainHarness(const QString &folderName, QLocale locale) : folder(freshFolder(folderName))
{
    messages.loop = &clock;
    MainControls controls{
        mainWindow, playTimer, handOffTimer, mediaPlayer, messages, {}, [this] { return clock.now(); }};
    for (int i = 0; i < StationCount; ++i) {
        leds.push_back(std::make_unique<FakeShape>());
        buttons.push_back(std::make_unique<FakeButton>(QStringLiteral("START")));
        timers.push_back(std::make_unique<FakeTimer>(clock, 60000, false, QStringLiteral("Timer%1").arg(i + 1)));
        controls.stations.push_back({*leds[i], *buttons[i], *timers[i]});
    }
    main = std::make_unique<MainController>(std::move(controls), windows,
                                            SettingsStore(settingsPath(), folder + QStringLiteral("/config.txt")),
                                            folder + QStringLiteral("/app"), std::move(locale));
}

static QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray MainHarness::settingsBytes() const
{
    return readFile(settingsPath());
}

QByteArray MainHarness::reportBytes() const
{
    return readFile(folder + QStringLiteral("/config.txt"));
}

void MainHarness::writeSettings(const QByteArray &bytes) const
{
    QDir().mkpath(folder + QStringLiteral("/config"));
    QFile f(settingsPath());
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

} // namespace kirvano::test
