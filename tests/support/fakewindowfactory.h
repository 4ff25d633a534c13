#pragma once

#include "fakes.h"
#include "faketimer.h"

#include "app/windowfactory.h"

#include <memory>
#include <vector>

namespace kirvano::test {

// Makes fake secondary windows; keeps every one it made alive until it is
// destroyed, so a test can look at a window after it has closed.
class FakeWindowFactory : public WindowFactory
{
public:
    explicit FakeWindowFactory(VirtualClock &clock) : m_clock(clock) {}

    IWindow *createSplash(Callback<void()> handOff) override;
    IWindow *createOptions(OptionsHost &host) override;
    IWindow *createAbout() override;

    FakeWindow *splash = nullptr;
    FakeTimer *splashTimer = nullptr;
    FakeWindow *options = nullptr; // the latest options dialog
    FakeWindow *about = nullptr;   // the latest about window
    int splashesMade = 0;
    int optionsMade = 0;
    int aboutsMade = 0;

private:
    VirtualClock &m_clock;
    std::vector<std::unique_ptr<FakeWindow>> m_windows;
    std::vector<std::unique_ptr<FakeTimer>> m_timers;
};

} // namespace kirvano::test
