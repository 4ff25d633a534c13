#include "fakewindowfactory.h"

namespace kirvano::test {

IWindow *FakeWindowFactory::createSplash(Callback<void()> handOff)
{
    ++splashesMade;
    m_windows.push_back(std::make_unique<FakeWindow>(false, true));
    splash = m_windows.back().get();
    m_timers.push_back(std::make_unique<FakeTimer>(m_clock, SplashInterval, true, QStringLiteral("Timer1")));
    FakeTimer *timer = m_timers.back().get();
    splashTimer = timer;
    timer->onTick([handOff] { handOff.fire(); });
    // The splash's timer goes with it.
    splash->onClosed = [timer] { timer->setEnabled(false); };
    return splash;
}

IWindow *FakeWindowFactory::createOptions(OptionsHost &)
{
    ++optionsMade;
    m_windows.push_back(std::make_unique<FakeWindow>(false, false));
    options = m_windows.back().get();
    return options;
}

IWindow *FakeWindowFactory::createAbout()
{
    ++aboutsMade;
    m_windows.push_back(std::make_unique<FakeWindow>(false, false));
    about = m_windows.back().get();
    return about;
}

} // namespace kirvano::test
