#include "fakewindowfactory.h"

#include "app/maincontroller.h"

namespace kirvano::test {

IWindow *FakeWindowFactory::createSplash(MainController &main)
{
    ++splashesMade;
    m_windows.push_back(std::make_unique<FakeWindow>(false, true));
    splash = m_windows.back().get();
    m_timers.push_back(std::make_unique<FakeTimer>(m_clock, 2000, true, QStringLiteral("Timer1")));
    FakeTimer *timer = m_timers.back().get();
    splashTimer = timer;
    timer->onTick([&main] { main.splashTimer1_Timer(); });
    // The splash's timer goes with it.
    splash->onClosed = [timer] { timer->setEnabled(false); };
    return splash;
}

OptionsDialog *FakeWindowFactory::createOptions(OptionsHost &host)
{
    ++optionsMade;
    OptionsBundle b;
    b.controls = std::make_unique<FakeOptionsControls>();
    b.dialog = std::make_unique<OptionsDialog>(b.controls->refs(), host);
    options = b.controls.get();
    optionsDialog = b.dialog.get();
    m_options.push_back(std::move(b));
    return optionsDialog;
}

IWindow *FakeWindowFactory::createAbout(MainController &)
{
    ++aboutsMade;
    m_windows.push_back(std::make_unique<FakeWindow>(false, false));
    about = m_windows.back().get();
    return about;
}

} // namespace kirvano::test
